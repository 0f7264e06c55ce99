#pragma once

namespace modHelp {

// Offers, at most once in 15 days, to open the download page.
void UpdateReminderCheck();

} // namespace modHelp
