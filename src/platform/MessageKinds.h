#pragma once

// What a message box shows and answers, apart from the box itself: rules that
// choose a message need no more of the platform than this.
namespace platform {

enum class Icon { Critical, Information };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

} // namespace platform
