#pragma once

// Shared by the libFuzzer targets: a failed invariant aborts with a message, so libFuzzer
// keeps the input that broke it.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace fuzz {

inline char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// True when `a` and `b` differ at most in the letter case of ASCII letters.
inline bool SameButCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

// Fills every field of a form from the fuzzer's bytes: text fields get a string of any
// bytes, flags a bit, numbers any value.
inline void Fill(FuzzedDataProvider &data, std::string &field)
{
    field = data.ConsumeRandomLengthString(64);
}
inline void Fill(FuzzedDataProvider &data, bool &field)
{
    field = data.ConsumeBool();
}
inline void Fill(FuzzedDataProvider &data, int &field)
{
    field = data.ConsumeIntegral<int>();
}
inline void Fill(FuzzedDataProvider &data, std::uint8_t &field)
{
    field = data.ConsumeIntegral<std::uint8_t>();
}
// One of the `count` values an enumeration's form can produce.
template <class Enum> Enum Pick(FuzzedDataProvider &data, int count)
{
    return static_cast<Enum>(data.ConsumeIntegralInRange<int>(0, count - 1));
}
template <class... Fields> void FillAll(FuzzedDataProvider &data, Fields &...fields)
{
    (Fill(data, fields), ...);
}

} // namespace fuzz
