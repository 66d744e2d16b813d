#pragma once

#include <initializer_list>

#include "document/ScoreDocument.h"

namespace noma::test {

inline SymbolRecord rec(std::initializer_list<int32_t> fields) {
    SymbolRecord r;
    int i = 0;
    for (int32_t f : fields) r[i++] = f;
    return r;
}

}  // namespace noma::test
