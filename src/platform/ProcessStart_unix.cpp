#include "platform/ProcessStart.h"

#include <QString>

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

void prepareProcess()
{
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        passedOn = qInstallMessageHandler(&dropRuntimeFolderWarning);
}

} // namespace platform
