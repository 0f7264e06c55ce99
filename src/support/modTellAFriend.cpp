#include "support/modTellAFriend.h"

#include "platform/Platform.h"
#include "support/SupportRules.h"
#include "web/Site.h"

#include <QUrl>

#include <array>

using namespace Qt::StringLiterals;

namespace support {

QString ReferrerName;
QString ReferrerEmail;
QString ReferralMessage;
QString FriendName;
QString FriendEmail;
QString ReferralAddress;

namespace {

struct Check {
    const QString &value;
    QStringView prompt;
    QStringView message;
};

QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

QString referralProblem(const Referral &referral)
{
    const std::array checks{
        Check{referral.referrerName, namePrompt, u"Please Enter Your Name"},
        Check{referral.referrerEmail, emailPrompt, u"Please Enter Your Email"},
        Check{referral.message, messagePrompt, u"Please Enter Your Message"},
        Check{referral.friendName, friendNamePrompt, u"Please Enter Your Friend's Name"},
        Check{referral.friendEmail, friendEmailPrompt, u"Please Enter Your Friend's Email"},
    };
    for (const Check &check : checks) {
        if (check.value.isEmpty() || check.value == check.prompt)
            return check.message.toString();
    }
    return {};
}

QString referralAddress(const Referral &referral, QStringView host)
{
    return web::pageAddress(u"kelv-refer-a-friend", host) + "&taf1="_L1 + encoded(referral.referrerName) + "&taf2="_L1
        + encoded(referral.referrerEmail) + "&taf3="_L1 + encoded(referral.message) + "&taf4="_L1
        + encoded(referral.friendName) + "&taf5="_L1 + encoded(referral.friendEmail) + "&taf6="_L1
        + web::productAddress(host);
}

void SubmitReferral()
{
    const Referral referral{ReferrerName, ReferrerEmail, ReferralMessage, FriendName, FriendEmail};
    const QString problem = referralProblem(referral);
    if (!problem.isEmpty()) {
        platform::messageBox().show(problem, platform::Icon::Critical, platform::Buttons::Ok);
        return;
    }
    ReferralAddress = referralAddress(referral, web::host());
    OpenReferralAddress();
}

void OpenReferralAddress()
{
    platform::shell().openAddress(ReferralAddress);
}

} // namespace support
