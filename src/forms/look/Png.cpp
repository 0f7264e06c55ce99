#include "forms/look/Png.h"

#include <QImageReader>
#include <QPixmapCache>

namespace forms {

QPixmap pngPixmap(const QString &path)
{
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap))
        return pixmap;
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    pixmap = QPixmap::fromImage(reader.read());
    QPixmapCache::insert(path, pixmap);
    return pixmap;
}

} // namespace forms
