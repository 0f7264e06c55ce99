#pragma once

#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdlib>

// What each fuzz target defines: one run on one input.
void fuzzOne(FuzzedDataProvider &input);

// A broken promise stops the fuzzer with the input that broke it.
inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Text of at most that many bytes of UTF-8, as a user might type it.
inline QString typedText(FuzzedDataProvider &input, std::size_t mostBytes)
{
    return QString::fromUtf8(input.ConsumeRandomLengthString(mostBytes));
}
