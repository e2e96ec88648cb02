#pragma once

#include <cstdio>
#include <cstdlib>

// A property that every input must keep; a broken one aborts, so the fuzzer keeps the input
// as a crash and the corpus run fails on it.
#define KRN_FUZZ_CHECK(condition)                                                                            \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);            \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
