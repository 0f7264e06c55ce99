#include "web/Promotions.h"

#include "forms/look/Look.h"
#include "forms/widgets/LinkLabel.h"
#include "web/PageOpeners.h"
#include "web/Site.h"

namespace web {

namespace {

// The offers' click routines, the same in both windows.
void Label61_Click()
{
    OpenHomePage();
}

void lblCobrand_Click()
{
    OpenCoBrandPage();
}

void lblFullBrand_Click()
{
    OpenFullyBrandedPage();
}

} // namespace

void setUpPromotions(forms::LinkLabel &siteVisit, forms::LinkLabel &lblCobrand, forms::LinkLabel &lblFullBrand)
{
    siteVisit.setText(QLatin1String("The Most Popular Online Velmora Discussion Board. Best Resource For "
                                    "Everything Velmora. Visit ")
                      + host() + QLatin1String(" Now"));
    lblCobrand.setText(QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your "
                                      "site. Put your site's name &  link here. See \"Help\" for details.    Click "
                                      "Here for more info on co-branding."));
    lblFullBrand.setText(QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                        "online. Get this software fully branded for your website. Click here for "
                                        "more details."));
    forms::showAsWhiteLink(siteVisit);
    forms::showAsOfferOnButtonFace(lblCobrand);
    forms::showAsOfferOnButtonFace(lblFullBrand);
    QObject::connect(&siteVisit, &forms::LinkLabel::clicked, &siteVisit, Label61_Click);
    QObject::connect(&lblCobrand, &forms::LinkLabel::clicked, &lblCobrand, lblCobrand_Click);
    QObject::connect(&lblFullBrand, &forms::LinkLabel::clicked, &lblFullBrand, lblFullBrand_Click);
}

} // namespace web
