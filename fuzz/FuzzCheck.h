// A check that stops the fuzzer with a message when an invariant breaks, and
// the tests' ways of building a document and running its operations.
#pragma once

#include "../tests/model/TestAccess.h"

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
