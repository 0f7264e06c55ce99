#pragma once

#include <QPlainTextEdit>

namespace reading {

// The reading's read-only text box. It tells of every mouse activity over it,
// after the box has handled it, and never lets a mouse drag the text out.
class ReadingDisplay : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit ReadingDisplay(QWidget *parent = nullptr);

    // Puts the text at the caret and leaves the caret after it; CR LF becomes
    // a line break of the box.
    void insertAtCaret(const QString &text);

signals:
    void mouseDown();
    void mouseMove();
    void mouseUp();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

} // namespace reading
