#pragma once

#include <cstdlib>

// A broken promise stops the fuzzer with the input that broke it.
inline void require(bool condition)
{
    if (!condition)
        std::abort();
}
