#pragma once

#include <QLabel>

namespace forms {

// A label that works as a link: a pointing hand over it, and a click. A screen
// reader sees a link whose press action does what the click does.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace forms
