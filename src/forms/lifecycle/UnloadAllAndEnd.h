#pragma once

namespace forms {

// modHelp's end routine: unloads every loaded window, first loaded first, and
// ends the process. An unload handler may call it again; the walk then goes
// on from there.
void UnloadAllAndEnd();

} // namespace forms
