#include "platform/LogFilter.h"

#include <QString>
#include <QtGlobal>

namespace platform {

namespace {

QtMessageHandler passedOn = nullptr;

void dropRuntimeFolderWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    passedOn(type, context, message);
}

} // namespace

// Only Unix has the folder; elsewhere the variable is never set and nothing warns of it.
void keepQuietWithoutRuntimeFolder()
{
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        passedOn = qInstallMessageHandler(&dropRuntimeFolderWarning);
}

} // namespace platform
