#pragma once

// A precondition that a function's contract states ("must"): checked in debug and sanitizer
// builds, free in release builds.
#include <cstdio>
#include <cstdlib>

#if !defined(NDEBUG) || defined(NOMA_CHECK_CONTRACTS)
#define NOMA_EXPECTS(condition)                                                                  \
    ((condition) ? void(0)                                                                       \
                 : (std::fprintf(stderr, "%s:%d: precondition failed: %s\n", __FILE__, __LINE__, \
                                 #condition),                                                    \
                    std::abort()))
#else
#define NOMA_EXPECTS(condition) ((void)0)
#endif
