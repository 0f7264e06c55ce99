#pragma once

#include <QString>
#include <QStringView>

// modTellAFriend, the refer-a-friend request: the support window's form,
// checked and handed to the maker's site as a browser address.
namespace support {

// The last press's values, trimmed; they live for the process.
extern QString ReferrerName;
extern QString ReferrerEmail;
extern QString ReferralMessage;
extern QString FriendName;
extern QString FriendEmail;
extern QString ReferralAddress;

struct Referral {
    QString referrerName;
    QString referrerEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The message for the first value that is empty or still at its prompt, or an
// empty text when all five pass.
QString referralProblem(const Referral &referral);

// The site's referral page with the five values as query values, each
// percent-encoded so that no typed character can add, cut or break a key.
QString referralAddress(const Referral &referral, QStringView host);

// Checks the captured values; when they pass, builds the address and opens it.
void SubmitReferral();

// Hands ReferralAddress to the default browser.
void OpenReferralAddress();

} // namespace support
