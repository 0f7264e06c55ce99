#include "web/FrmAbout.h"

#include "forms/Application.h"
#include "forms/Look.h"
#include "ui_FrmAbout.h"
#include "web/PageOpeners.h"
#include "web/Site.h"

forms::FormRef<FrmAbout> frmAbout;

FrmAbout::FrmAbout()
    : forms::Form(static_cast<QWidget &>(*this))
    , m_ui(std::make_unique<Ui::FrmAbout>())
{
    m_ui->setupUi(this);
    const QColor blue = forms::lightBlue();
    forms::paintInDesignColours(*this, {{QPalette::Window, blue}, {QPalette::WindowText, QColor(Qt::white)}});
    forms::paintInDesignColours(*m_ui->cmdOK, {{QPalette::Button, blue}, {QPalette::ButtonText, QColor(Qt::black)}});
    using forms::DesignFamily;
    using forms::Emphasis;
    for (QLabel *label : findChildren<QLabel *>())
        label->setFont(forms::designFont(DesignFamily::Verdana, 8.25));
    m_ui->Label2->setText(forms::windowCaption());
    m_ui->Label2->setFont(forms::designFont(DesignFamily::Verdana, 9.75, Emphasis::Bold));
    m_ui->Label3->setFont(forms::designFont(DesignFamily::Verdana, 8.25, Emphasis::Bold));
    for (QLabel *link : {m_ui->lblHomePage, m_ui->lblCobrand})
        link->setFont(forms::designFont(DesignFamily::Verdana, 8.25, Emphasis::Underline));
    forms::drawAsDesigned({m_ui->cmdOK});
    m_ui->Label1->setText(QLatin1String("Orvane Birthday Number Software helps you understand more about yourself "
                                        "based on your date of birth. This software gives an insight into the "
                                        "middle years of your life. It also tells you about the various talents "
                                        "you possess. For many more free programs on numerology, astrology and "
                                        "the tarot, come to ")
                          + web::host() + QLatin1String(", home of Velmora Softwares."));
    m_ui->lblHomePage->setText(QLatin1String("Click here to visit ") + web::host());

    connect(m_ui->cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    connect(m_ui->lblHomePage, &LinkLabel::clicked, this, &FrmAbout::lblHomePage_Click);
    connect(m_ui->lblCobrand, &LinkLabel::clicked, this, &FrmAbout::lblCobrand_Click);
}

FrmAbout::~FrmAbout() = default;

void FrmAbout::reject()
{
    cmdOK_Click();
}

void FrmAbout::cmdOK_Click()
{
    Unload();
}

void FrmAbout::lblHomePage_Click() { modHelp::OpenHomePage(); }
void FrmAbout::lblCobrand_Click() { modHelp::OpenFullyBrandedPage(); }
