#include "reading/FrmBDNo.h"

#include "forms/look/Look.h"
#include "platform/Platform.h"
#include "reading/FrmMain.h"
#include "support/FrmNagScreen2.h"
#include "ui_FrmBDNo.h"
#include "web/Promotions.h"

namespace reading {

forms::FormRef<FrmBDNo> frmBDNo;

FrmBDNo::FrmBDNo()
    : forms::Form(static_cast<QWidget &>(*this))
    , m_ui(std::make_unique<Ui::FrmBDNo>())
{
    // Before the controls exist, so they take it as they are built.
    setFont(forms::designFont(forms::DesignFamily::Verdana, 8.25));
    m_ui->setupUi(this);
    const QColor blue = forms::lightBlue();
    forms::paintInDesignColours(*this, {{QPalette::Window, blue}});
    forms::paintInDesignColours(*m_ui->txtDisplay, {{QPalette::Base, blue}, {QPalette::Text, QColor(Qt::white)}});
    forms::paintInDesignColours(*m_ui->cmdback, {{QPalette::Button, blue}, {QPalette::ButtonText, QColor(Qt::black)}});
    forms::frameInDesktopColours({m_ui->txtDisplay});
    forms::drawAsDesigned({m_ui->cmdback});
    web::setUpPromotions(*m_ui->Label61, *m_ui->lblCobrand, *m_ui->lblFullBrand);
    m_ui->cmdback->setFocus();

    connect(m_ui->cmdback, &QPushButton::clicked, this, &FrmBDNo::cmdback_Click);
    connect(m_ui->txtDisplay, &QPlainTextEdit::textChanged, this, &FrmBDNo::txtDisplay_Change);
    connect(m_ui->txtDisplay, &ReadingDisplay::clicked, this, &FrmBDNo::txtDisplay_Click);
    connect(m_ui->txtDisplay, &ReadingDisplay::mouseDown, this, &FrmBDNo::txtDisplay_MouseDown);
    connect(m_ui->txtDisplay, &ReadingDisplay::mouseMove, this, &FrmBDNo::txtDisplay_MouseMove);
    connect(m_ui->txtDisplay, &ReadingDisplay::mouseUp, this, &FrmBDNo::txtDisplay_MouseUp);
}

FrmBDNo::~FrmBDNo() = default;

ReadingDisplay &FrmBDNo::txtDisplay()
{
    return *m_ui->txtDisplay;
}

void FrmBDNo::Form_Unload()
{
    support::frmNagScreen2.Show();
}

void FrmBDNo::cmdback_Click()
{
    Unload();
    // From here on only what outlives this window.
    frmMain.Show();
    support::frmNagScreen2.Hide();
}

// The reading is not to be carried out with the mouse: any mouse activity over
// it takes back what this program put on the clipboard.
void FrmBDNo::txtDisplay_Change()
{
    platform::clipboard().clearOwnContents();
}
void FrmBDNo::txtDisplay_Click()
{
    platform::clipboard().clearOwnContents();
}
void FrmBDNo::txtDisplay_MouseDown()
{
    platform::clipboard().clearOwnContents();
}
void FrmBDNo::txtDisplay_MouseMove()
{
    platform::clipboard().clearOwnContents();
}
void FrmBDNo::txtDisplay_MouseUp()
{
    platform::clipboard().clearOwnContents();
}

} // namespace reading
