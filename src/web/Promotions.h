#pragma once

class QLabel;

namespace web {

// The entry and result windows carry the same three offers: a visit to the
// site, and the co-branded and fully branded editions, which overlap, in the
// same fonts and colours.
void setUpPromotions(QLabel &label61, QLabel &lblCobrand, QLabel &lblFullBrand);

} // namespace web
