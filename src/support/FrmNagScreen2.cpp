#include "support/FrmNagScreen2.h"

#include "forms/lifecycle/UnloadAllAndEnd.h"
#include "forms/look/Look.h"
#include "platform/Platform.h"
#include "platform/ProductFacts.h"
#include "support/SupportRules.h"
#include "support/SupportTexts.h"
#include "support/modTellAFriend.h"
#include "ui_FrmNagScreen2.h"
#include "web/PageOpeners.h"
#include "web/Site.h"

#include <QFocusEvent>
#include <QKeyEvent>

using namespace Qt::StringLiterals;

namespace support {

forms::FormRef<FrmNagScreen2> frmNagScreen2;

namespace {

// A context menu or another window borrows the focus only for a while; were the
// prompt put back then, a paste from that menu would land behind it.
bool movesBetweenControls(const QFocusEvent &event)
{
    return event.reason() != Qt::PopupFocusReason && event.reason() != Qt::ActiveWindowFocusReason;
}

// The boxes that show their prompt until the user types: four single-line
// ones and the message box.
QList<QWidget *> promptBoxes(Ui::FrmNagScreen2 &ui)
{
    return {ui.txtName, ui.txtEmail, ui.txtFriendName, ui.txtFriendEmail, ui.txtMessage};
}

void setDesignFonts(QWidget &window, Ui::FrmNagScreen2 &ui)
{
    using forms::DesignFamily;
    using forms::Emphasis;
    const QFont plain = forms::designFont(DesignFamily::MsSansSerif, 8.25);
    window.setFont(plain);
    for (QGroupBox *frame : {ui.Frame6, ui.Frame2})
        frame->setFont(forms::designFont(DesignFamily::Verdana, 9.75, Emphasis::Bold));
    for (QWidget *box : promptBoxes(ui))
        box->setFont(plain);
    ui.cmdSubmit->setFont(forms::designFont(DesignFamily::Verdana, 8.25, Emphasis::Bold));
    ui.lblGoToHome->setFont(forms::designFont(DesignFamily::Verdana, 8.5, Emphasis::Bold | Emphasis::Underline));
    ui.Label3->setFont(forms::designFont(DesignFamily::Verdana, 9));
    ui.Check1->setFont(forms::designFont(DesignFamily::Verdana, 14.25));
    ui.Label2->setFont(forms::designFont(DesignFamily::Verdana, 9.75, Emphasis::Bold));
    ui.lblNagScreen2Caption->setFont(forms::designFont(DesignFamily::MsSansSerif, 18));
}

void paintInDesignColours(QWidget &window, Ui::FrmNagScreen2 &ui)
{
    using forms::paintInDesignColours;
    const QColor white(Qt::white);
    paintInDesignColours(window, {{QPalette::Window, white}, {QPalette::WindowText, QColor(Qt::black)}});
    for (QGroupBox *frame : {ui.Frame6, ui.Frame2})
        paintInDesignColours(*frame, {{QPalette::Window, forms::navy()}, {QPalette::WindowText, white}});
    paintInDesignColours(*ui.lblGoToHome, {{QPalette::WindowText, QColor(255, 255, 0)}});
    paintInDesignColours(*ui.Label3, {{QPalette::WindowText, white}});
    paintInDesignColours(*ui.Check1, {{QPalette::ButtonText, QColor(0, 0, 192)}});
}

} // namespace

FrmNagScreen2::FrmNagScreen2()
    : forms::Form(static_cast<QWidget &>(*this))
    , m_ui(std::make_unique<Ui::FrmNagScreen2>())
{
    // Above every ordinary window, of this program and of others. Loaded only
    // when it is built, it takes the flag here, while new flags are still
    // cheap: on a built window they reparent it and re-resolve every child.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    m_ui->setupUi(this);
    paintInDesignColours(*this, *m_ui);
    setDesignFonts(*this, *m_ui);
    forms::frameInDesktopColours({m_ui->cmdSubmit});
    forms::drawAsDesigned({m_ui->Frame6, m_ui->Frame2});
    // The check box is a link to the home page, dark blue on a button face.
    QAbstractButton &homePageLink = *m_ui->Check1;
    forms::pinClassicButtonFace(homePageLink);
    homePageLink.setText("Click Here To Visit "_L1 + web::host() + " Now"_L1);
    m_ui->Label3->setText(familyText());
    m_ui->lblGoToHome->adjustSize();
    for (QWidget *box : promptBoxes(*m_ui)) {
        forms::frameInDesktopColours({box});
        box->installEventFilter(this);
    }

    connect(m_ui->cmdClose, &QPushButton::clicked, this, &FrmNagScreen2::cmdClose_Click);
    connect(m_ui->cmdSubmit, &QPushButton::clicked, this, &FrmNagScreen2::cmdSubmit_Click);
    connect(m_ui->Check1, &QPushButton::toggled, this, &FrmNagScreen2::Check1_Click);
    connect(m_ui->lblGoToHome, &forms::LinkLabel::clicked, this, &FrmNagScreen2::lblGoToHome_Click);
}

FrmNagScreen2::~FrmNagScreen2() = default;

void FrmNagScreen2::Form_Load()
{
    m_ui->lblNagScreen2Caption->setText(platform::windowCaption());
    m_ui->lblNagScreen2Caption->adjustSize();
    // The window already carries the program icon from its loading.
    m_ui->picNagscreen2Icon->setPixmap(windowIcon().pixmap(32, 32));
    platform::random().seedFromTimer();
    m_ui->Label2->setText(supportText(supportTextIndex(platform::random().next()), web::host()));
}

void FrmNagScreen2::Form_Unload()
{
    forms::UnloadAllAndEnd();
}

void FrmNagScreen2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_ui->cmdClose->setFocus();
}

bool FrmNagScreen2::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (movesBetweenControls(static_cast<QFocusEvent &>(*event)))
            promptBox_GotFocus(*watched);
        break;
    case QEvent::FocusOut:
        if (movesBetweenControls(static_cast<QFocusEvent &>(*event)))
            promptBox_LostFocus(*watched);
        break;
    case QEvent::KeyPress:
        if ((watched == m_ui->txtEmail || watched == m_ui->txtFriendEmail)
            && txtEmail_KeyPress(static_cast<QWidget &>(*watched), static_cast<QKeyEvent &>(*event)))
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmNagScreen2::cmdClose_Click()
{
    forms::UnloadAllAndEnd();
}

void FrmNagScreen2::cmdSubmit_Click()
{
    ReferrerName = trimSpaces(m_ui->txtName->text());
    ReferrerEmail = trimSpaces(m_ui->txtEmail->text());
    ReferralMessage = trimSpaces(textOf(*m_ui->txtMessage));
    FriendName = trimSpaces(m_ui->txtFriendName->text());
    FriendEmail = trimSpaces(m_ui->txtFriendEmail->text());
    const QString problem = emailProblem(ReferrerEmail, FriendEmail);
    if (!problem.isEmpty()) {
        platform::messageBox().show(problem, platform::Icon::Critical, platform::Buttons::Ok);
        return;
    }
    SubmitReferral();
}

// A link, not a setting: a click that checks it unchecks it again and opens
// the page; the unchecking comes back here and does nothing.
void FrmNagScreen2::Check1_Click(bool checked)
{
    if (!checked)
        return;
    m_ui->Check1->setChecked(false);
    web::OpenHomePage();
}

void FrmNagScreen2::lblGoToHome_Click()
{
    web::OpenSoftwaresPage();
}

void FrmNagScreen2::promptBox_GotFocus(QObject &box)
{
    if (clearsOnEntry(textOf(box), promptOf(box)))
        setTextOf(box, {});
}

void FrmNagScreen2::promptBox_LostFocus(QObject &box)
{
    if (restoresPromptOnLeaving(textOf(box)))
        setTextOf(box, promptOf(box).toString());
}

bool FrmNagScreen2::txtEmail_KeyPress(QWidget &box, const QKeyEvent &key)
{
    if (key.text() != " "_L1)
        return false;
    platform::messageBox().show(u"Email Address Cannot Contain Space"_s, platform::Icon::Critical,
                                platform::Buttons::Ok);
    box.setFocus();
    return true;
}

QString FrmNagScreen2::textOf(const QObject &box) const
{
    if (&box == m_ui->txtMessage)
        return withCrLf(m_ui->txtMessage->toPlainText());
    return static_cast<const QLineEdit &>(box).text();
}

void FrmNagScreen2::setTextOf(QObject &box, const QString &text)
{
    if (&box == m_ui->txtMessage)
        m_ui->txtMessage->setPlainText(text);
    else
        static_cast<QLineEdit &>(box).setText(text);
}

QStringView FrmNagScreen2::promptOf(const QObject &box) const
{
    if (&box == m_ui->txtName)
        return namePrompt;
    if (&box == m_ui->txtEmail)
        return emailPrompt;
    if (&box == m_ui->txtFriendName)
        return friendNamePrompt;
    if (&box == m_ui->txtFriendEmail)
        return friendEmailPrompt;
    return messagePrompt;
}

} // namespace support
