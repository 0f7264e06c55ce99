#pragma once

#include <QList>

namespace bench {

// The middle value; the mean of the two middle ones for an even count.
double median(QList<double> values);

double worst(const QList<double> &values);

} // namespace bench
