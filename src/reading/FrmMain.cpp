#include "reading/FrmMain.h"

#include "forms/look/Look.h"
#include "platform/Platform.h"
#include "reading/EntryRules.h"
#include "reading/FrmBDNo.h"
#include "reading/ReadingDisplay.h"
#include "reading/Readings.h"
#include "support/FrmNagScreen2.h"
#include "ui_FrmMain.h"
#include "web/FrmAbout.h"
#include "web/PageOpeners.h"
#include "web/Promotions.h"
#include "web/UpdateReminder.h"

#include <QKeyEvent>

#include <array>

using namespace Qt::StringLiterals;

namespace reading {

forms::FormRef<FrmMain> frmMain;

namespace {

QStringList monthNames()
{
    return {u"January"_s, u"February"_s, u"March"_s,     u"April"_s,   u"May"_s,      u"June"_s,
            u"July"_s,    u"August"_s,   u"September"_s, u"October"_s, u"November"_s, u"December"_s};
}

// The panel gives the boxes and lists their font as they are built; only the
// controls whose design font differs get one of their own.
void setDesignFonts(Ui::FrmMain &ui)
{
    using forms::DesignFamily;
    const QFont label = forms::designFont(DesignFamily::MsSansSerif, 8.25);
    for (QLabel *name : {ui.Label1, ui.Label4, ui.Label5})
        name->setFont(label);
    const QFont button = forms::designFont(DesignFamily::Verdana, 9);
    for (QPushButton *command : {ui.cmdNext, ui.cmdExit})
        command->setFont(button);
}

std::array<QLineEdit *, 3> nameBoxes(Ui::FrmMain &ui)
{
    return {ui.txtFirstName, ui.txtMiddleName, ui.txtLastName};
}

QStringList numbers(int first, int last)
{
    QStringList items;
    items.reserve(last - first + 1);
    for (int number = first; number <= last; ++number)
        items.append(QString::number(number));
    return items;
}

// Built once and handed to each new window whole: one insertion per list.
const QStringList &dayItems()
{
    static const QStringList items = numbers(1, 31);
    return items;
}

const QStringList &yearItems()
{
    static const QStringList items = numbers(firstListedYear, lastListedYear);
    return items;
}

void paintInDesignColours(Ui::FrmMain &ui)
{
    using forms::paintInDesignColours;
    const QColor blue = forms::lightBlue();
    const QColor white(Qt::white);
    paintInDesignColours(
        *ui.centralwidget,
        {{QPalette::Window, blue}, {QPalette::Base, blue}, {QPalette::Text, white}, {QPalette::WindowText, white}});
    for (QLineEdit *box : nameBoxes(ui))
        paintInDesignColours(*box, {{QPalette::Base, blue}, {QPalette::Text, white}});
    for (QComboBox *list : {ui.cboDate, ui.cboMonth, ui.cboYear}) {
        paintInDesignColours(
            *list,
            {{QPalette::Button, blue}, {QPalette::ButtonText, white}, {QPalette::Base, blue}, {QPalette::Text, white}});
    }
    paintInDesignColours(*ui.cmdNext, {{QPalette::Button, blue}, {QPalette::ButtonText, QColor(Qt::black)}});
}

} // namespace

FrmMain::FrmMain()
    : forms::Form(static_cast<QWidget &>(*this))
    , m_ui(std::make_unique<Ui::FrmMain>())
{
    m_ui->setupUi(this);
    paintInDesignColours(*m_ui);
    setDesignFonts(*m_ui);
    forms::drawAsDesigned(
        {m_ui->cboMonth, m_ui->cboDate, m_ui->cboYear, m_ui->cmdNext, m_ui->fraName, m_ui->fraBirthDay});
    // As tall as the window's layout makes the menu bar at the window's width,
    // which on Windows is not always the height it would like on its own, in
    // the menu font it takes when polished.
    m_ui->menubar->ensurePolished();
    const int width = m_ui->centralwidget->minimumWidth();
    resize(width, m_ui->centralwidget->minimumHeight() + m_ui->menubar->heightForWidth(width));
    web::setUpPromotions(*m_ui->Label61, *m_ui->lblCobrand, *m_ui->lblFullBrand);
    for (QLineEdit *box : nameBoxes(*m_ui)) {
        forms::frameInDesktopColours({box});
        box->installEventFilter(this);
    }
    m_ui->txtFirstName->setFocus();

    connect(m_ui->cmdNext, &QPushButton::clicked, this, &FrmMain::cmdNext_Click);
    connect(m_ui->mnuNext, &QAction::triggered, this, &FrmMain::mnuNext_Click);
    connect(m_ui->cmdExit, &QPushButton::clicked, this, &FrmMain::cmdExit_Click);
    connect(m_ui->mnuExit, &QAction::triggered, this, &FrmMain::mnuExit_Click);
    connect(m_ui->mnuOnline, &QAction::triggered, this, &FrmMain::mnuOnline_Click);
    connect(m_ui->mnuVisit, &QAction::triggered, this, &FrmMain::mnuVisit_Click);
    connect(m_ui->mnuUpdate, &QAction::triggered, this, &FrmMain::mnuUpdate_Click);
    connect(m_ui->mnuAbout, &QAction::triggered, this, &FrmMain::mnuAbout_Click);
    connect(m_ui->mnuDonate, &QAction::triggered, this, &FrmMain::mnuDonate_Click);
    connect(m_ui->makemoneyonline, &QAction::triggered, this, &FrmMain::makemoneyonline_Click);
}

FrmMain::~FrmMain() = default;

void FrmMain::Form_Load()
{
    web::UpdateReminderCheck();
    m_ui->cboDate->addItems(dayItems());
    m_ui->cboMonth->addItems(monthNames());
    m_ui->cboYear->addItems(yearItems());
    m_ui->cboMonth->setCurrentIndex(0);
    m_ui->cboDate->setCurrentIndex(0);
    m_ui->cboYear->setCurrentIndex(0);
}

void FrmMain::Form_Unload()
{
    support::frmNagScreen2.Show();
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && txtName_KeyPress(*watched, static_cast<QKeyEvent &>(*event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

// Hands the box its capital instead of the typed small letter.
bool FrmMain::txtName_KeyPress(QObject &box, const QKeyEvent &key)
{
    const QString typed = key.text();
    if (typed.size() != 1)
        return false;
    const char16_t code = upperCasedKey(typed.at(0).unicode());
    if (code == typed.at(0).unicode())
        return false;
    QKeyEvent capital(key.type(), key.key(), key.modifiers(), QString(QChar(code)), key.isAutoRepeat(),
                      static_cast<quint16>(key.count()));
    QCoreApplication::sendEvent(&box, &capital);
    return true;
}

bool FrmMain::ValidateEntries()
{
    const Entries entries{m_ui->txtFirstName->text(),    m_ui->txtLastName->text(),    m_ui->cboDate->currentText(),
                          m_ui->cboMonth->currentText(), m_ui->cboYear->currentText(), m_ui->cboDate->currentIndex(),
                          m_ui->cboMonth->currentIndex()};
    const EntryProblem problem = checkEntries(entries);
    if (problem.message.isEmpty())
        return true;
    platform::messageBox().show(problem.message, problem.icon, platform::Buttons::Ok);
    QWidget *field = nullptr;
    switch (problem.focus) {
    case Field::FirstName:
        field = m_ui->txtFirstName;
        break;
    case Field::LastName:
        field = m_ui->txtLastName;
        break;
    case Field::Day:
        field = m_ui->cboDate;
        break;
    case Field::Month:
        field = m_ui->cboMonth;
        break;
    case Field::Year:
        field = m_ui->cboYear;
        break;
    case Field::None:
        break;
    }
    if (field)
        field->setFocus();
    return false;
}

void FrmMain::bringCoBrandToFront()
{
    m_ui->lblCobrand->raise();
}

void FrmMain::bringFullBrandToFront()
{
    m_ui->lblFullBrand->raise();
}

void FrmMain::cmdNext_Click()
{
    if (!ValidateEntries())
        return;
    frmBDNo.Show();
    const int number = m_ui->cboDate->currentText().trimmed().toInt();
    ReadingDisplay &display = frmBDNo->txtDisplay();
    // At once: the box lays out its text again after every insertion.
    display.insertAtCaret(readingText(number));
    display.moveCursor(QTextCursor::Start);
    Unload();
    // This window is on its way out: touch nothing of it from here on.
    support::frmNagScreen2.Hide();
}

void FrmMain::mnuNext_Click()
{
    cmdNext_Click();
}

void FrmMain::cmdExit_Click()
{
    support::frmNagScreen2.Show();
    Unload();
}

void FrmMain::mnuExit_Click()
{
    cmdExit_Click();
}
void FrmMain::mnuOnline_Click()
{
    web::OpenHelpPage();
}
void FrmMain::mnuVisit_Click()
{
    web::OpenHomePage();
}
void FrmMain::mnuUpdate_Click()
{
    web::OpenDownloadPage();
}
void FrmMain::mnuAbout_Click()
{
    web::frmAbout.ShowModal();
}
void FrmMain::mnuDonate_Click()
{
    web::OpenDonatePage();
}
void FrmMain::makemoneyonline_Click()
{
    web::OpenFullyBrandedPage();
}

} // namespace reading
