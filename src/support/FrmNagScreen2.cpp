#include "support/FrmNagScreen2.h"

#include "app/Application.h"
#include "app/EndRoutine.h"
#include "ui_FrmNagScreen2.h"

forms::FormRef<FrmNagScreen2> frmNagScreen2;

FrmNagScreen2::FrmNagScreen2()
    : forms::Form(static_cast<QWidget &>(*this))
    , m_ui(std::make_unique<Ui::FrmNagScreen2>())
{
    m_ui->setupUi(this);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &FrmNagScreen2::cmdClose_Click);
}

FrmNagScreen2::~FrmNagScreen2() = default;

void FrmNagScreen2::Form_Load()
{
    setWindowTitle(app::windowCaption());
    // Above every ordinary window, of this program and of others.
    setWindowFlag(Qt::WindowStaysOnTopHint);
}

void FrmNagScreen2::Form_Unload()
{
    modHelp::UnloadAllAndEnd();
}

void FrmNagScreen2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_ui->cmdClose->setFocus();
}

void FrmNagScreen2::cmdClose_Click()
{
    modHelp::UnloadAllAndEnd();
}
