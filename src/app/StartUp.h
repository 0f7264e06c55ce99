#pragma once

namespace app {

enum class FrontLabel { CoBrand, FullBrand, AsDesigned };

// r x 6 + 1 rounded half to even: 1 to 7 for 0 <= r < 1.
int coBrandNumber(float r);

// Which of the entry window's two overlapping offers the number brings forward.
FrontLabel frontLabelFor(int coBrandNumber);

// Brings one of the entry window's promotional labels to the front at random.
void CoBrand_Randomize();

// Everything from launch until the entry window is on screen.
void StartUp();

} // namespace app
