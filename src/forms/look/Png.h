#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace forms {

// A PNG read by Qt's built-in reader alone, and kept in Qt's pixmap cache for
// the next window. Left to detect the format, even of a file named .png,
// QImageReader first asks every image plugin whether it reads it, loading each
// of them (and libjpeg) into the process.
QPixmap pngPixmap(const QString &path);

// The program's icon at every size it is drawn in, so that it is sharp at any
// scale, each read as a PNG.
QIcon programIcon();

} // namespace forms
