#include "reading/ReadingDisplay.h"

#include <QMouseEvent>

using namespace Qt::StringLiterals;

namespace reading {

ReadingDisplay::ReadingDisplay(QWidget *parent)
    : QPlainTextEdit(parent)
{
    viewport()->setMouseTracking(true);
}

void ReadingDisplay::insertAtCaret(const QString &text)
{
    insertPlainText(QString(text).replace("\r\n"_L1, "\n"_L1));
}

void ReadingDisplay::mousePressEvent(QMouseEvent *event)
{
    // A drag starts only from a press inside a selection; with none left, the
    // press begins a new selection instead.
    QTextCursor caret = textCursor();
    caret.clearSelection();
    setTextCursor(caret);
    QPlainTextEdit::mousePressEvent(event);
    emit mouseDown();
}

void ReadingDisplay::mouseMoveEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    emit mouseMove();
}

void ReadingDisplay::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    emit mouseUp();
    if (viewport()->rect().contains(event->position().toPoint()))
        emit clicked();
}

void ReadingDisplay::mouseDoubleClickEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    emit mouseDown();
}

} // namespace reading
