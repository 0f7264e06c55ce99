#pragma once

// Unloads whatever windows a test left loaded and waits until every top-level
// widget is gone; false if some remain.
bool unloadEveryWindow();
