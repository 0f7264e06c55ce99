#pragma once

#include "forms/lifecycle/Forms.h"

// For the forms floor and its tests alone.
namespace forms::detail {

// Shown, but waiting for the current action to end before it comes on screen.
bool isShowPending(const Form &form);

} // namespace forms::detail
