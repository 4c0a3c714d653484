#pragma once
#include "elementrecord.h"

#include <ostream>

namespace tarnel {

// Lets failed comparisons show records as ("value", index) instead of raw bytes.
inline void PrintTo(const ElementRecord &record, std::ostream *out)
{
    *out << "(\"" << record.value << "\", " << record.index << ")";
}

} // namespace tarnel
