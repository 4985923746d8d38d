#pragma once

#include "core/numbers.h"

namespace ileum {

// A single-precision value as the program shows it (7 significant digits),
// read back as a number: 4/3 becomes 1.333333.
inline double shownValue(float value)
{
    return Numbers::leadingNumber(Numbers::singleText(value));
}

} // namespace ileum
