#pragma once

#include <QWidget>

namespace reading {

// The entry window's panel. It has the boxes' and lists' font before the
// controls on it are built, so they are born with it: a list handed a new
// font builds its drop-down there and then, and a box lays out its text again.
class EntryPanel final : public QWidget {
    Q_OBJECT

public:
    explicit EntryPanel(QWidget *parent = nullptr);
};

} // namespace reading
