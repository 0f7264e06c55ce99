// Whatever was typed into the form, the address the browser gets keeps its
// shape: the seven keys in order, no character that would cut or break it, and
// every value exactly as typed once decoded.
#include "Fuzz.h"
#include "support/modTellAFriend.h"
#include "web/Site.h"

#include <QUrl>

using namespace Qt::StringLiterals;

void fuzzOne(FuzzedDataProvider &input)
{
    // A braced list is read left to right: the referrer's name first.
    const support::Referral referral{typedText(input, 256), typedText(input, 256), typedText(input, 256),
                                     typedText(input, 256), typedText(input, 256)};
    const QString address = support::referralAddress(referral, web::host());

    for (const char16_t forbidden : {u' ', u'\r', u'\n', u'#'})
        require(!address.contains(QChar(forbidden)));

    const qsizetype query = address.indexOf(u'?');
    require(query > 0);
    const QStringList pairs = address.mid(query + 1).split(u'&');
    const QStringList keys{u"page"_s, u"taf1"_s, u"taf2"_s, u"taf3"_s, u"taf4"_s, u"taf5"_s, u"taf6"_s};
    const QStringList values{
        u"kelv-refer-a-friend"_s, referral.referrerName, referral.referrerEmail,          referral.message,
        referral.friendName,      referral.friendEmail,  web::productAddress(web::host())};
    require(pairs.size() == keys.size());
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const qsizetype equals = pairs[i].indexOf(u'=');
        require(equals > 0);
        require(pairs[i].left(equals) == keys[i]);
        require(QUrl::fromPercentEncoding(pairs[i].mid(equals + 1).toLatin1()) == values[i]);
    }
    require(pairs.last().mid(pairs.last().indexOf(u'=') + 1) == web::productAddress(web::host()));
}
