#pragma once

#include "forms/lifecycle/Forms.h"

#include <QWidget>

#include <memory>

namespace reading {

namespace Ui {
class FrmBDNo;
}
class ReadingDisplay;

// The result window: the reading, Back, and the offers.
class FrmBDNo final : public QWidget, public forms::Form {
    Q_OBJECT

public:
    FrmBDNo();
    ~FrmBDNo() override;

    ReadingDisplay &txtDisplay();

protected:
    void Form_Unload() override;

private:
    void cmdback_Click();
    void txtDisplay_Change();
    void txtDisplay_Click();
    void txtDisplay_MouseDown();
    void txtDisplay_MouseMove();
    void txtDisplay_MouseUp();

    std::unique_ptr<Ui::FrmBDNo> m_ui;
};

extern forms::FormRef<FrmBDNo> frmBDNo;

} // namespace reading
