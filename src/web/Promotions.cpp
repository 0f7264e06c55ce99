#include "web/Promotions.h"

#include "forms/Look.h"
#include "web/Site.h"

#include <QLabel>

namespace web {

namespace {

void colour(QLabel &label, const QColor &text)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, text);
    label.setPalette(palette);
}

// Blue on the button face: the face is pinned to the classic light grey, as a
// dark desktop's face would leave the blue unreadable.
void showOnButtonFace(QLabel &label)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 255));
    palette.setColor(QPalette::Button, forms::classicButtonFace());
    label.setPalette(palette);
    label.setBackgroundRole(QPalette::Button);
    label.setAutoFillBackground(true);
    label.setFont(forms::designFont(forms::DesignFamily::Verdana, 8.25, forms::Emphasis::Bold | forms::Emphasis::Underline));
}

} // namespace

void setUpPromotions(QLabel &label61, QLabel &lblCobrand, QLabel &lblFullBrand)
{
    label61.setText(QLatin1String("The Most Popular Online Velmora Discussion Board. Best Resource For Everything "
                                  "Velmora. Visit ")
                    + host() + QLatin1String(" Now"));
    lblCobrand.setText(QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your "
                                      "site. Put your site's name &  link here. See \"Help\" for details.    Click "
                                      "Here for more info on co-branding."));
    lblFullBrand.setText(QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                        "online. Get this software fully branded for your website. Click here for "
                                        "more details."));
    colour(label61, Qt::white);
    label61.setFont(forms::designFont(forms::DesignFamily::Verdana, 9, forms::Emphasis::Underline));
    showOnButtonFace(lblCobrand);
    showOnButtonFace(lblFullBrand);
}

} // namespace web
