#include "support/SupportRules.h"

using namespace Qt::StringLiterals;

namespace support {

QString trimSpaces(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.sliced(first, last - first).toString();
}

bool clearsOnEntry(QStringView text, QStringView prompt)
{
    return trimSpaces(text) == prompt;
}

bool restoresPromptOnLeaving(QStringView text)
{
    return trimSpaces(text).isEmpty();
}

int supportTextIndex(float r)
{
    const float scaled = r * 4.0f;
    return static_cast<int>(scaled);
}

QString emailProblem(QStringView email, QStringView friendEmail)
{
    if (email == friendEmail)
        return u"Please Enter Distinct Email Addresses"_s;
    if (!email.contains(u'@') || !friendEmail.contains(u'@') || !email.contains(u'.') || !friendEmail.contains(u'.'))
        return u"Please Enter Proper Email Address"_s;
    return {};
}

QString withCrLf(QString text)
{
    return text.replace(u'\n', u"\r\n"_s);
}

} // namespace support
