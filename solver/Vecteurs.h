#pragma once

// What the search asks of the compiler beyond standard C++: eight 16-bit lanes computed at once,
// prefetching, unrolling. GCC and Clang both offer these forms; the search uses them only
// through this header.

#include <cstdint>
#include <cstring>

#if !defined(__GNUC__)
#error "vector types need GCC or Clang"
#endif

namespace marbello {

using Int16x8 = int16_t __attribute__((vector_size(16)));
using Uint16x8 = uint16_t __attribute__((vector_size(16)));

template <typename V, typename T> V ChargerVecteur(const T* p) {
    V v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <typename V, typename T> void RangerVecteur(T* p, const V& v) {
    std::memcpy(p, &v, sizeof v);
}

// True when a lane is non-zero.
template <typename V> bool UneVoie(const V& v) {
    uint64_t mots[2];
    std::memcpy(mots, &v, sizeof mots);
    return (mots[0] | mots[1]) != 0;
}

// True when a lane of the sum is negative (its sign bit is set).
inline bool UneVoieNegative(const Int16x8& v) {
    uint64_t mots[2];
    std::memcpy(mots, &v, sizeof mots);
    return ((mots[0] | mots[1]) & 0x8000800080008000ull) != 0;
}

// Starts loading memory that is about to be read.
inline void Anticiper(const void* adresse) {
    __builtin_prefetch(adresse);
}

} // namespace marbello

// Loops of fixed length that the compiler should unroll whole.
#define MARBELLO_DEROULER _Pragma("GCC unroll 8")
