#include "web/FrmAbout.h"

#include "forms/look/Look.h"
#include "forms/look/Png.h"
#include "platform/ProductFacts.h"
#include "ui_FrmAbout.h"
#include "web/LinkPlacement.h"
#include "web/PageOpeners.h"
#include "web/Site.h"

using namespace Qt::StringLiterals;

namespace web {

forms::FormRef<FrmAbout> frmAbout;

FrmAbout::FrmAbout()
    : forms::Form(static_cast<QWidget &>(*this))
    , m_ui(std::make_unique<Ui::FrmAbout>())
{
    m_ui->setupUi(this);
    m_ui->Picture1->setPixmap(forms::programIcon().pixmap(m_ui->Picture1->size()));
    const QColor blue = forms::lightBlue();
    forms::paintInDesignColours(*this, {{QPalette::Window, blue}, {QPalette::WindowText, QColor(Qt::white)}});
    forms::paintInDesignColours(*m_ui->cmdOK, {{QPalette::Button, blue}, {QPalette::ButtonText, QColor(Qt::black)}});
    using forms::DesignFamily;
    using forms::Emphasis;
    for (QLabel *label : findChildren<QLabel *>())
        label->setFont(forms::designFont(DesignFamily::Verdana, 8.25));
    m_ui->Label2->setText(platform::windowCaption());
    m_ui->Label2->setFont(forms::designFont(DesignFamily::Verdana, 9.75, Emphasis::Bold));
    m_ui->Label3->setFont(forms::designFont(DesignFamily::Verdana, 8.25, Emphasis::Bold));
    for (QLabel *link : {m_ui->lblHomePage, m_ui->lblCobrand})
        link->setFont(forms::designFont(DesignFamily::Verdana, 8.25, Emphasis::Underline));
    forms::drawAsDesigned({m_ui->cmdOK});
    m_ui->Label1->setText("Orvane Birthday Number Software helps you understand more about yourself "
                          "based on your date of birth. This software gives an insight into the "
                          "middle years of your life. It also tells you about the various talents "
                          "you possess. For many more free programs on numerology, astrology and "
                          "the tarot, come to "_L1
                          + web::host() + ", home of Velmora Softwares."_L1);
    m_ui->lblHomePage->setText("Click here to visit "_L1 + web::host());
    placeHomePageLink();

    connect(m_ui->cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    connect(m_ui->lblHomePage, &forms::LinkLabel::clicked, this, &FrmAbout::lblHomePage_Click);
    connect(m_ui->lblCobrand, &forms::LinkLabel::clicked, this, &FrmAbout::lblCobrand_Click);
}

FrmAbout::~FrmAbout() = default;

// The link is designed to follow the description's last words, which wrap
// differently with each system's fonts.
void FrmAbout::placeHomePageLink()
{
    const QLabel &description = *m_ui->Label1;
    QLabel &link = *m_ui->lblHomePage;
    const web::LinkPlace place = web::placeLinkAfter(description.text(), description.font(), description.geometry(),
                                                     QRect(link.pos(), QSize(link.sizeHint().width(), link.height())),
                                                     description.geometry().right() + 1);
    link.setGeometry(place.link);
    if (place.push == 0)
        return;
    for (QWidget *below : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (below != &link && below->y() > description.geometry().bottom())
            below->move(below->x(), below->y() + place.push);
    }
    resize(width(), height() + place.push);
}

void FrmAbout::reject()
{
    cmdOK_Click();
}

void FrmAbout::cmdOK_Click()
{
    Unload();
}

void FrmAbout::lblHomePage_Click()
{
    web::OpenHomePage();
}
void FrmAbout::lblCobrand_Click()
{
    web::OpenFullyBrandedPage();
}

} // namespace web
