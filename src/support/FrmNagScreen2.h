#pragma once

#include "forms/lifecycle/Forms.h"

#include <QWidget>

#include <memory>

class QKeyEvent;

namespace support {

namespace Ui {
class FrmNagScreen2;
}

// The support window shown when the user leaves: support texts, two links, the
// refer-a-friend form; closing it ends the program.
class FrmNagScreen2 final : public QWidget, public forms::Form {
    Q_OBJECT

public:
    FrmNagScreen2();
    ~FrmNagScreen2() override;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cmdClose_Click();
    void cmdSubmit_Click();
    void Check1_Click(bool checked);
    void lblGoToHome_Click();
    void promptBox_GotFocus(QObject &box);
    void promptBox_LostFocus(QObject &box);
    bool txtEmail_KeyPress(QWidget &box, const QKeyEvent &key);

    // The five prompt boxes: four single-line ones and the message box.
    QString textOf(const QObject &box) const;
    void setTextOf(QObject &box, const QString &text);
    QStringView promptOf(const QObject &box) const;

    std::unique_ptr<Ui::FrmNagScreen2> m_ui;
};

extern forms::FormRef<FrmNagScreen2> frmNagScreen2;

} // namespace support
