#include "forms/lifecycle/UnloadAllAndEnd.h"

#include "forms/lifecycle/Forms.h"
#include "platform/Platform.h"

namespace forms {

namespace {

Form *nextToUnload()
{
    for (Form *form : loaded()) {
        if (!form->isUnloading())
            return form;
    }
    return nullptr;
}

} // namespace

void UnloadAllAndEnd()
{
    // A nested call finishes the walk; only the outermost one ends the process,
    // so the end comes once, after the last window is gone.
    static int depth = 0;
    ++depth;
    while (Form *form = nextToUnload())
        form->Unload();
    if (--depth == 0)
        platform::process().end();
}

} // namespace forms
