#include "web/UpdateReminder.h"

namespace modHelp {

void UpdateReminderCheck()
{
}

} // namespace modHelp
