#pragma once

#include <QString>
#include <QStringView>

namespace support {

// Support text 0 to 3, naming the site by its host.
QString supportText(int index, QStringView host);

// The promotional text of the software family.
QString familyText();

} // namespace support
