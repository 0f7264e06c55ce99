#pragma once

#include <QList>

namespace bench {

struct StepFigures {
    // The first Next also builds the support window, which later ones only hide.
    double firstNextMs = 0.0;
    QList<double> nextMs;
    QList<double> backMs;
    // The same on this thread's CPU clock, which other load on the machine
    // hardly sways.
    QList<double> nextCpuMs;
    QList<double> backCpuMs;
};

// Presses Next on a valid entry and Back on the reading, rounds times over,
// with the real windows and a recording desktop; needs a QApplication.
StepFigures measureSteps(int rounds);

} // namespace bench
