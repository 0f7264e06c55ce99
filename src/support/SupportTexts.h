#pragma once

#include <QString>

namespace support {

// Support text 0 to 3, naming the site by its host.
QString supportText(int index, const QString &host);

// The promotional text of the software family.
QString familyText();

} // namespace support
