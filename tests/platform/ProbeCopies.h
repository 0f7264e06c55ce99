#pragma once

#include <QProcess>

// Copies of the program as far as the instance lock goes, run as the lock
// probe (LOCK_PROBE), under its own file name or another: each answers
// "running" or "refused" and its lock's name, then holds the lock until its
// input ends.
inline void startCopy(QProcess &copy, const QString &program, const QStringList &arguments,
                      const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                      const QString &workingDirectory = {},
                      QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel)
{
    copy.setProgram(program);
    copy.setArguments(arguments);
    copy.setProcessEnvironment(environment);
    copy.setWorkingDirectory(workingDirectory);
    copy.setProcessChannelMode(channels);
    copy.start();
}

inline void startProbe(QProcess &copy, const QStringList &arguments,
                       const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                       const QString &workingDirectory = {},
                       QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel)
{
    startCopy(copy, QStringLiteral(LOCK_PROBE), arguments, environment, workingDirectory, channels);
}

inline QString answerOf(QProcess &copy)
{
    // Only a hang runs into this bound.
    while (!copy.canReadLine()) {
        if (!copy.waitForReadyRead(60000))
            return {};
    }
    return QString::fromLocal8Bit(copy.readLine()).trimmed();
}

inline bool endsCleanly(QProcess &copy)
{
    copy.closeWriteChannel();
    // A refused copy may have ended already, and Windows may have said so while
    // another copy was waited for: waiting for its end again would fail.
    const bool ended = copy.state() == QProcess::NotRunning || copy.waitForFinished(60000);
    return ended && copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0;
}
