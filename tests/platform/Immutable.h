#pragma once

#include <QProcess>
#include <QString>

// Sets or clears a file's or folder's immutable attribute, which stops even
// root, as whom the tests may run; false where the system cannot.
inline bool setImmutable(const QString &path, bool immutable)
{
#ifdef Q_OS_LINUX
    using namespace Qt::StringLiterals;
    QProcess chattr;
    chattr.start(u"chattr"_s, {immutable ? u"+i"_s : u"-i"_s, path});
    return chattr.waitForFinished() && chattr.exitStatus() == QProcess::NormalExit && chattr.exitCode() == 0;
#else
    Q_UNUSED(path);
    Q_UNUSED(immutable);
    return false;
#endif
}
