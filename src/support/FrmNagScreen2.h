#pragma once

#include "app/Forms.h"

#include <QWidget>

#include <memory>

namespace Ui {
class FrmNagScreen2;
}

// The support window shown when the user leaves; closing it ends the program.
class FrmNagScreen2 final : public QWidget, public forms::Form {
    Q_OBJECT

public:
    FrmNagScreen2();
    ~FrmNagScreen2() override;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void showEvent(QShowEvent *event) override;

private:
    void cmdClose_Click();

    std::unique_ptr<Ui::FrmNagScreen2> m_ui;
};

extern forms::FormRef<FrmNagScreen2> frmNagScreen2;
