#include "platform/ProcessStart.h"

#include <QString>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

QtMessageHandler passedOn = nullptr;

void dropRuntimeFolderWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set"_L1))
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
