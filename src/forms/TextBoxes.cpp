#include "forms/TextBoxes.h"

#include <QLineEdit>

#include <limits>

namespace forms {

void keepWholePastes(QLineEdit &box)
{
    box.setMaxLength(std::numeric_limits<int>::max());
}

} // namespace forms
