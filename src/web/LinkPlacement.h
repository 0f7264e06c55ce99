#pragma once

#include <QRect>

class QFont;
class QString;

namespace web {

// Where a link that follows a word-wrapped text goes, and how far what lies
// below the text must move down to make room for it.
struct LinkPlace {
    QRect link;
    int push = 0;
};

// The designed place holds while the text's last line ends before it. Fonts
// that run wider move the link onto the end of the last line when it fits
// before rightEdge, and else to the start of a line of its own under the text.
LinkPlace placeLinkAfter(const QString &text, const QFont &font, const QRect &textArea, const QRect &designed,
                         int rightEdge);

} // namespace web
