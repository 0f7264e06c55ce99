#include "web/LinkPlacement.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <QtMath>

namespace web {

LinkPlace placeLinkAfter(const QString &text, const QFont &font, const QRect &textArea, const QRect &designed,
                         int rightEdge)
{
    QTextLayout layout(text, font);
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrapping);
    qreal textHeight = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(textArea.width());
        line.setPosition(QPointF(0, textHeight));
        textHeight += line.height();
    }
    layout.endLayout();
    if (layout.lineCount() == 0)
        return {designed, 0};

    const QTextLine last = layout.lineAt(layout.lineCount() - 1);
    const int gap = QFontMetrics(font).horizontalAdvance(u' ');
    const int lastLineEnd = textArea.left() + qCeil(last.naturalTextWidth());
    if (lastLineEnd + gap <= designed.left())
        return {designed, 0};
    if (lastLineEnd + gap + designed.width() <= rightEdge)
        return {QRect(QPoint(lastLineEnd + gap, textArea.top() + qFloor(last.y())), designed.size()), 0};
    const QRect ownLine(QPoint(textArea.left(), textArea.top() + qCeil(textHeight)), designed.size());
    return {ownLine, qMax(0, ownLine.bottom() - textArea.bottom())};
}

} // namespace web
