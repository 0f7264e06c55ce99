#pragma once

#include "BuildFacts.h"

#include <QString>

// The addresses the program must open, written out by hand: only the host and
// the product's folder come from the build, never from the code that builds them.
namespace expected {

inline QString productAddress(const QString &host = QString::fromLatin1(buildfacts::host))
{
    using namespace Qt::StringLiterals;
    return "http://"_L1 + host + u'/' + QLatin1StringView(buildfacts::productPath) + u'/';
}

inline QString pageAddress(QStringView pageKey, const QString &host = QString::fromLatin1(buildfacts::host))
{
    using namespace Qt::StringLiterals;
    QString address = productAddress(host) + "ssd.php?page="_L1;
    address += pageKey;
    return address;
}

} // namespace expected
