#include "Figures.h"

#include <algorithm>

namespace bench {

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    if (values.size() % 2 == 1)
        return values.at(middle);
    return (values.at(middle - 1) + values.at(middle)) / 2.0;
}

double worst(const QList<double> &values)
{
    return values.isEmpty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

} // namespace bench
