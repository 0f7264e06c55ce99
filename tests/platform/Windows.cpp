#include "platform/Windows.h"

#include "app/Forms.h"

#include <QApplication>
#include <QTest>

bool unloadEveryWindow()
{
    while (!forms::loaded().isEmpty())
        forms::loaded().constFirst()->Unload();
    return QTest::qWaitFor([] { return QApplication::topLevelWidgets().isEmpty(); });
}

bool noWindowWasLeftLoaded()
{
    const bool nothingLeft = forms::loaded().isEmpty();
    return unloadEveryWindow() && nothingLeft;
}
