#pragma once

#include "forms/lifecycle/Forms.h"

#include <QMainWindow>

#include <memory>

namespace reading {

namespace Ui {
class FrmMain;
}

// The entry window: names, date of birth, Next, the menus and the offers.
class FrmMain final : public QMainWindow, public forms::Form {
    Q_OBJECT

public:
    FrmMain();
    ~FrmMain() override;

    void bringCoBrandToFront();
    void bringFullBrandToFront();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool ValidateEntries();
    void cmdNext_Click();
    void mnuNext_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void makemoneyonline_Click();
    bool txtName_KeyPress(QObject &box, const QKeyEvent &key);

    std::unique_ptr<Ui::FrmMain> m_ui;
};

extern forms::FormRef<FrmMain> frmMain;

} // namespace reading
