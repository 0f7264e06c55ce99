#pragma once

#include "forms/lifecycle/Forms.h"

#include <QDialog>

#include <memory>

namespace web {

namespace Ui {
class FrmAbout;
}

// Title, what the program does, and links to the site and the branded edition.
class FrmAbout final : public QDialog, public forms::Form {
    Q_OBJECT

public:
    FrmAbout();
    ~FrmAbout() override;

    // Esc: cmdOK is the cancel button as well as the default one.
    void reject() override;

private:
    void placeHomePageLink();
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCobrand_Click();

    std::unique_ptr<Ui::FrmAbout> m_ui;
};

extern forms::FormRef<FrmAbout> frmAbout;

} // namespace web
