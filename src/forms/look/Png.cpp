#include "forms/look/Png.h"

#include <QDir>
#include <QImageReader>
#include <QPixmapCache>

using namespace Qt::StringLiterals;

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

QIcon programIcon()
{
    const QDir icons(u":/icons"_s);
    QIcon icon;
    for (const QString &name : icons.entryList())
        icon.addPixmap(pngPixmap(icons.filePath(name)));
    return icon;
}

} // namespace forms
