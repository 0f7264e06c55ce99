#pragma once

namespace forms {
class LinkLabel;
}

namespace web {

// The entry and result windows carry the same three offers, each opening its
// page when clicked: a visit to the site, and the co-branded and fully branded
// editions, which overlap, in the same fonts and colours.
void setUpPromotions(forms::LinkLabel &siteVisit, forms::LinkLabel &lblCobrand, forms::LinkLabel &lblFullBrand);

} // namespace web
