#include "platform/Browser.h"

#include <QProcess>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace platform {

bool openInBrowser(const QUrl &url)
{
    // xdg-open and the browsers it starts complain on standard error with the
    // whole address, whose query holds what the user typed; theirs goes nowhere.
    QProcess opener;
    opener.setProgram(u"xdg-open"_s);
    opener.setArguments({QString::fromLatin1(url.toEncoded())});
    opener.setStandardInputFile(QProcess::nullDevice());
    opener.setStandardOutputFile(QProcess::nullDevice());
    opener.setStandardErrorFile(QProcess::nullDevice());
    return opener.startDetached();
}

} // namespace platform
