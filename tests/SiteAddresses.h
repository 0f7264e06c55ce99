#pragma once

#include "BuildFacts.h"

#include <QString>

// The addresses the program must open, written out by hand: only the host and
// the product's folder come from the build, never from the code that builds them.
namespace expected {

inline QString productAddress(const QString &host = QString::fromLatin1(buildfacts::host))
{
    return QLatin1String("http://") + host + QLatin1Char('/') + QLatin1String(buildfacts::productPath)
        + QLatin1Char('/');
}

inline QString pageAddress(const QString &pageKey, const QString &host = QString::fromLatin1(buildfacts::host))
{
    return productAddress(host) + QLatin1String("ssd.php?page=") + pageKey;
}

} // namespace expected
