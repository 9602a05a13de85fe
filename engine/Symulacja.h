// One simulation run, free of any toolkit: encode, channel, amplify, measure errors,
// decode and trim, with the four libraries called in pipeline order. The result owns
// every stream the run produced and holds it lane by lane.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "GestoscOka.h"
#include "Oko.h"
#include "Postep.h"
#include "Ustawienia.h"
#include "Vartostream.h"

using TStrumien = std::unique_ptr<TFltFltStrumien>;
using TStrumienie = std::vector<TStrumien>;

// One lane (a wire pair carrying the signal), from what was sent to what was decoded.
struct TTorWyniku {
    std::string Nazwa;                     // the line signal's name
    TFltFltStrumien* Wyslany = nullptr;    // the line signal as sent; one of the run's input streams
    TFltFltStrumien* Wzorzec = nullptr;    // the code-symbol staircase decoding is compared with; an input stream
    TStrumien Odebrany;                    // after the channel
    TStrumien Zregenerowany;               // after the regenerator; none without regeneration
    TStrumien Wzmocniony;                  // after the receive amplifier
    TStrumien Zdekodowany;                 // decoded sequence; none without the decoder

    // The receiver's timing of the lane: code symbol k decided at
    // k + OpoznienieSymboli + FazaProbkowania code-symbol periods (half bits for 10BaseT).
    double FazaProbkowania = 0.5;          // 0 to 1 of the code-symbol period
    std::int32_t OpoznienieSymboli = 0;    // the channel's delay, whole code symbols
    // The eye at that timing, in the volts of Wejscie(); times in code-symbol periods.
    TOkoToru Oko;

    // What reaches the receiver: after the regenerator when there is one.
    TFltFltStrumien* Wejscie() const { return Zregenerowany ? Zregenerowany.get() : Odebrany.get(); }
};

// The bit errors the receiver counted among the data bits sent (guard bits excluded):
// k of n, the rate k / n and its exact two-sided 95 % interval.
struct TZliczoneBledy {
    std::int64_t Bledy = 0;
    std::int64_t Porownane = 0;
    double BER = 0.0;
    double Dolna = 0.0;
    double Gorna = 1.0;
};

struct TWynikSymulacji {
    TUstawieniaSymulacji Ustawienia;       // as given
    std::uint32_t Ziarno = 0;              // the seed the random bits came from: given or drawn
    std::int32_t LiczbaBitowKodowanych = 0; // bits encoded, guard bits included
    std::int32_t SzybkoscSymboli = 0;       // Mbaud

    TStrumienie Wejsciowe;    // every encoder display stream in the coder's order, trimmed
    TStrumienie Zaklocenia;   // the crosstalk sources' line signals
    std::vector<TTorWyniku> Tory;

    // Run-wide error figures.
    TStrumien Rozklad;        // distribution of the amplitude error
    TStrumien Dystrybuanta;   // its cumulative distribution
    double BER = 0.0;         // the Gaussian estimate of the error library, per lane
    float NajwiekszyBlad = 0.0f; // V
    float SzczytRozkladu = 0.0f;
    std::optional<double> UdzialBledow; // share of wrongly decoded time, with the decoder
    TZliczoneBledy Zliczone;  // by the receiver, from the recovered data bits
    // Every lane's eye stream folded over two code-symbol periods (x in the streams' unit).
    TGestoscOka GestoscOka;

    // Whether the streams are here: a run's always are; a result read from a document
    // saved without them holds the figures alone (no streams, and lanes without theirs).
    bool MaPrzebiegi() const { return !Wejsciowe.empty(); }
};

// How many display streams the standard's coder gives: the count of TWynikSymulacji::Wejsciowe.
std::int32_t LiczbaStrumieniKodera(int standard);

// One code-symbol period of the run in ns (a half bit for 10BaseT).
double OkresSymboluNs(const TWynikSymulacji& w);

// The progress controls lent to the libraries; any may be null.
struct TKontrolkiPostepu {
    TEtykietaPostepu* Etykieta = nullptr;
    TWskaznikPostepu* Czesciowy = nullptr; // the current step
    TWskaznikPostepu* Calkowity = nullptr; // the whole channel call
};

// A run that produced a stream value or figure that is not a finite number: its result
// is never presented. what() is one English line naming the first such value.
class TWynikNieskonczony : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws TWynikNieskonczony unless every visible point of every stream of w and every
// figure is a finite number.
void SprawdzSkonczonosc(TWynikSymulacji& w);

// Runs the simulation of valid settings (SprawdzUstawienia with the command line's bit
// limit finds nothing), and throws std::invalid_argument for others and
// TWynikNieskonczony for a result not to be shown.
// flagaZakonczenia is the worker's termination flag, set by another thread; when it is
// set by the time the channel returns, the run releases what it made and returns null.
std::unique_ptr<TWynikSymulacji> Symuluj(const TUstawieniaSymulacji& ustawienia, std::uint8_t* flagaZakonczenia,
                                         const TKontrolkiPostepu& postep);

// Hides everything before x = L and after x = E - L (E: the stream's last visible x),
// moving each boundary point onto its cut along its segment.
void Przytnij(TFltFltStrumien& s, float L);
