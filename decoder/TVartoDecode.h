// The decoder behind the decoder library: level decisions on a received signal against a
// table of amplitude intervals, and the share of decision instants that disagree with
// the sent code-symbol staircase.
#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "Vartostream.h"

// One row of the decision table: amplitudes from Dolna (inclusive) up to Gorna
// (exclusive), in volts, decide Symbol.
struct TProg {
    float Symbol;
    float Dolna;
    float Gorna;
};

class TVartoDecode {
public:
    TVartoDecode();
    ~TVartoDecode();
    TVartoDecode(const TVartoDecode&) = delete;
    TVartoDecode& operator=(const TVartoDecode&) = delete;

    // Replaces the decision table: the symbols najnizszy … najwyzszy (in descending order
    // when malejaco) at levels spread evenly from pierwszyPoziom to ostatniPoziom (V), each
    // deciding the amplitudes up to half-way to its neighbours.
    void ZbudujProgi(float pierwszyPoziom, float ostatniPoziom, std::int32_t najnizszy, std::int32_t najwyzszy,
                     bool malejaco);
    const std::vector<TProg>& ZwrocProgi() const { return Progi; }
    // The symbol that amplitude y (V) decides; a value on a boundary goes to the higher
    // level. Needs a table.
    float Decyduj(float y) const;

    // A new staircase with the decision at every visible point of sygnal (x in symbol
    // periods), and an extra point at every change, at the x of the first differing
    // sample, so that changes draw as vertical edges. Builds the table first.
    TFltFltStrumien* Dekoduj(TFltFltStrumien& sygnal, float pierwszyPoziom, float ostatniPoziom,
                             std::int32_t najnizszy, std::int32_t najwyzszy, bool malejaco);

    // Share (0 … 1) of the visible points of zdekodowany whose symbol differs from the sent
    // staircase wzorzec at the same x; the second point of a vertical edge is not
    // compared but counts in the divisor. 0 for a stream without visible points.
    float Blad(TFltFltStrumien& zdekodowany, TFltFltStrumien& wzorzec);
    // Makes wzorzec (borrowed) the sent staircase of WartoscWzorca, which needs one.
    void UstawWzorzec(TFltFltStrumien& wzorzec);
    // The sent symbol at x: the y of the first visible point of the sent staircase at or
    // after x, its last point beyond its end, 0 when it has no points. Calls with growing
    // x walk the staircase once; a smaller x starts the walk again from its beginning.
    float WartoscWzorca(float x);

private:
    std::unique_ptr<TFltFltStrumien> Wynik;
    TFltFltStrumien* Wzorzec = nullptr;
    std::int32_t LiczbaPoziomow = 0;
    std::vector<TProg> Progi;
    float LiczbaBledow = 0.0f;
    // The forward walk of WartoscWzorca: every point before the index lies below the last x.
    std::int32_t IndeksWzorca = 0;
    float OstatnieX = -std::numeric_limits<float>::infinity();
};
