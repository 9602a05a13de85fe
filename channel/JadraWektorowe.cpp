#include "JadraWektorowe.h"

#include <immintrin.h>

#include <algorithm>
#include <cstring>

namespace {

// Steps between two readings of the cosine table: the recurrence's error grows with the
// square of this, to about 1e-11 here, and a reading costs each lane about a few steps.
constexpr std::int64_t DlugoscOdcinka = 512;

inline std::int64_t Reszta(std::int64_t a, std::int64_t okres)
{
    const std::int64_t r = a % okres;
    return r < 0 ? r + okres : r;
}

#pragma GCC push_options
#pragma GCC target("arch=x86-64-v4,prefer-vector-width=512")
namespace avx512 {
#define VARTO_PASY 8
#define VARTO_WEKTORY_KOSINUSOW 6
#define VARTO_WEKTORY_SPLOTU 8
#include "JadraWektorowe.inc"
#undef VARTO_PASY
#undef VARTO_WEKTORY_KOSINUSOW
#undef VARTO_WEKTORY_SPLOTU
} // namespace avx512
#pragma GCC pop_options

#pragma GCC push_options
#pragma GCC target("arch=x86-64-v3")
namespace avx2 {
#define VARTO_PASY 4
#define VARTO_WEKTORY_KOSINUSOW 3
#define VARTO_WEKTORY_SPLOTU 6
#include "JadraWektorowe.inc"
#undef VARTO_PASY
#undef VARTO_WEKTORY_KOSINUSOW
#undef VARTO_WEKTORY_SPLOTU
} // namespace avx2
#pragma GCC pop_options

namespace podstawowe {
#define VARTO_PASY 2
#define VARTO_WEKTORY_KOSINUSOW 3
#define VARTO_WEKTORY_SPLOTU 6
#include "JadraWektorowe.inc"
#undef VARTO_PASY
#undef VARTO_WEKTORY_KOSINUSOW
#undef VARTO_WEKTORY_SPLOTU
} // namespace podstawowe

constexpr TJadra JadraAvx512{avx512::SumujKosinusy, avx512::Splataj};
constexpr TJadra JadraAvx2{avx2::SumujKosinusy, avx2::Splataj};
constexpr TJadra JadraPodstawowe{podstawowe::SumujKosinusy, podstawowe::Splataj};

} // namespace

const TJadra& Jadra(TPoziomWektorow poziom)
{
    switch (poziom) {
    case TPoziomWektorow::Avx512:
        return JadraAvx512;
    case TPoziomWektorow::Avx2:
        return JadraAvx2;
    case TPoziomWektorow::Podstawowy:
        break;
    }
    return JadraPodstawowe;
}
