#include "web/Promotions.h"

#include "forms/look/Look.h"
#include "forms/widgets/LinkLabel.h"
#include "web/PageOpeners.h"
#include "web/Site.h"

using namespace Qt::StringLiterals;

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
    siteVisit.setText("The Most Popular Online Velmora Discussion Board. Best Resource For "
                      "Everything Velmora. Visit "_L1
                      + host() + " Now"_L1);
    lblCobrand.setText(u"Co-brand this software for your site.  Increase loyalty and traffic to your "
                       u"site. Put your site's name &  link here. See \"Help\" for details.    Click "
                       u"Here for more info on co-branding."_s);
    lblFullBrand.setText(u"Home Business Opportunity. Start your own Internet business and make money "
                         u"online. Get this software fully branded for your website. Click here for "
                         u"more details."_s);
    forms::showAsWhiteLink(siteVisit);
    forms::showAsOfferOnButtonFace(lblCobrand);
    forms::showAsOfferOnButtonFace(lblFullBrand);
    QObject::connect(&siteVisit, &forms::LinkLabel::clicked, &siteVisit, Label61_Click);
    QObject::connect(&lblCobrand, &forms::LinkLabel::clicked, &lblCobrand, lblCobrand_Click);
    QObject::connect(&lblFullBrand, &forms::LinkLabel::clicked, &lblFullBrand, lblFullBrand_Click);
}

} // namespace web
