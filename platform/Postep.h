// The progress controls a long computation is lent: a status text and gauges. Free of
// any toolkit, so the channel library, the program, the tests and the command line share it.
#pragma once

#include <atomic>
#include <cstdint>
#include <string_view>

// The status text control. A computation sets its text once per stage or stream and asks
// for a repaint at the start of each long loop; both are rare, so an implementation may
// copy the text or post it to another thread.
class TEtykietaPostepu {
public:
    virtual ~TEtykietaPostepu() = default;

    // tekst is UTF-8 and valid only during the call.
    virtual void UstawTekst(std::string_view tekst) = 0;
    virtual void Odswiez() = 0;
};

// A gauge: a position counting up towards a maximum, both in the computation's own units
// (samples, taps, terms). A computation sets and reads it once per sample or tap, so an
// implementation must cost next to nothing per call: no allocation, no lock, no event.
// Coalesce to the screen by sampling instead. The position may pass the maximum a little;
// draw that as full. Values are 64-bit: a whole channel call counts billions of terms.
class TWskaznikPostepu {
public:
    virtual ~TWskaznikPostepu() = default;

    virtual void UstawMaksimum(std::int64_t maksimum) = 0;
    virtual std::int64_t Maksimum() const = 0;
    virtual void UstawPozycje(std::int64_t pozycja) = 0;
    virtual std::int64_t Pozycja() const = 0;
};

// The gauge most users need: the computing thread writes it, and any other thread samples
// it at screen rate (a GUI timer, a terminal bar) without a lock.
class TWskaznikAtomowy : public TWskaznikPostepu {
public:
    void UstawMaksimum(std::int64_t maksimum) override { Max.store(maksimum, std::memory_order_relaxed); }
    std::int64_t Maksimum() const override { return Max.load(std::memory_order_relaxed); }
    void UstawPozycje(std::int64_t pozycja) override { Poz.store(pozycja, std::memory_order_relaxed); }
    std::int64_t Pozycja() const override { return Poz.load(std::memory_order_relaxed); }

    // Position as a share of the maximum, 0 to 1; 0 while the maximum is not positive.
    double Udzial() const
    {
        const std::int64_t maksimum = Maksimum();
        if (maksimum <= 0)
            return 0.0;
        const double udzial = static_cast<double>(Pozycja()) / static_cast<double>(maksimum);
        return udzial < 0.0 ? 0.0 : (udzial > 1.0 ? 1.0 : udzial);
    }

private:
    std::atomic<std::int64_t> Max{0};
    std::atomic<std::int64_t> Poz{0};
};
