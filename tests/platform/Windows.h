#pragma once

// Unloads whatever windows a test left loaded and waits until every top-level
// widget is gone; false if some remain.
bool unloadEveryWindow();

// For tests that must leave nothing loaded: true when they did. What they left
// is unloaded all the same, so that it cannot spill into the next test.
bool noWindowWasLeftLoaded();
