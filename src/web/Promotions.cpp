#include "web/Promotions.h"

#include "web/Site.h"

#include <QLabel>

namespace web {

namespace {
void showOnButtonFace(QLabel &label)
{
    label.setBackgroundRole(QPalette::Button);
    label.setAutoFillBackground(true);
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
    showOnButtonFace(lblCobrand);
    showOnButtonFace(lblFullBrand);
}

} // namespace web
