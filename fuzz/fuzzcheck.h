#pragma once

// An invariant a fuzz target asserts: when it does not hold, say which and stop, so that the
// fuzzer keeps the input.

#include <cstdio>
#include <cstdlib>

inline void check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}
