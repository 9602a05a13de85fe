// Sample streams: the growable arrays of bits, symbols and (x, y) points that every
// deliverable creates, passes across library boundaries, and plots.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// A growable byte store standing in for a memory stream. Elements sit back to back
// from offset 0; every transfer is one positioned copy, so no access ever seeks.
class TBuforPamieci {
public:
    void Oproznij();
    void UstawRozmiar(std::size_t rozmiar);
    std::size_t Rozmiar() const { return Bajty.size(); }

    // Writes count bytes at offset, growing the store when the write runs past its end.
    void Zapisz(std::int64_t offset, std::size_t count, const void* zrodlo)
    {
        if (offset < 0)
            return;
        const auto poczatek = static_cast<std::size_t>(offset);
        if (poczatek + count > Bajty.size())
            Bajty.resize(poczatek + count);
        std::memcpy(Bajty.data() + poczatek, zrodlo, count);
    }

    // Reads count bytes at offset into cel; reads nothing (and returns false) when
    // the bytes are not all stored.
    bool Czytaj(std::int64_t offset, std::size_t count, void* cel)
    {
        if (offset < 0 || static_cast<std::size_t>(offset) + count > Bajty.size())
            return false;
        const auto poczatek = static_cast<std::size_t>(offset);
        std::memcpy(cel, Bajty.data() + poczatek, count);
        return true;
    }

private:
    std::vector<std::byte> Bajty;
};

// The base of every stream: storage, length bookkeeping with a hidden head and tail
// (the window), the name and the axis hints a chart reads when it plots the stream.
class TVartoStrumien {
public:
    TVartoStrumien(const TVartoStrumien&) = delete;
    TVartoStrumien& operator=(const TVartoStrumien&) = delete;

    // Empties the store and sizes it for n elements; the window stays as it was.
    void UstawDlugosc(std::int32_t n);
    // Visible length: allocated elements less the hidden head and tail.
    std::int32_t ZwrocDlugosc() const { return Dlugosc - Poczatek - Koniec; }
    // Counts n more elements; they get storage when they are written.
    void Wydluz(std::int32_t n) { Dlugosc += n; }
    // Hides poczatek leading and koniec trailing elements from every later read.
    void UstawZakres(std::int32_t poczatek, std::int32_t koniec) { Poczatek = poczatek; Koniec = koniec; }
    void UstawNazwe(std::string tekst);
    std::string ZwrocNazwe() const;

    std::int32_t ZwrocDlugoscCalkowita() const { return Dlugosc; }
    std::int32_t ZwrocPoczatek() const { return Poczatek; }
    std::int32_t ZwrocKoniec() const { return Koniec; }
    std::int32_t ZwrocRozmiarElementu() const { return RozmiarElementu; }

    float SkalaX = 0.0f;    // X tick spacing when plotted
    float SkalaY = 0.0f;    // Y tick spacing when plotted
    float PrecyzjaY = 0.0f; // decimals of the Y tick labels, truncated by the reader

protected:
    explicit TVartoStrumien(std::int32_t rozmiarElementu) : RozmiarElementu(rozmiarElementu) {}
    ~TVartoStrumien() = default;

    void ZapiszBajty(std::int64_t offset, std::size_t count, const void* zrodlo) { Bufor.Zapisz(offset, count, zrodlo); }
    bool CzytajBajty(std::int64_t offset, std::size_t count, void* cel) { return Bufor.Czytaj(offset, count, cel); }

    // Byte offset of stored element i.
    std::int64_t Offset(std::int32_t i) const { return static_cast<std::int64_t>(i) * RozmiarElementu; }

private:
    TBuforPamieci Bufor;
    std::int32_t Dlugosc = 0;
    std::int32_t RozmiarElementu;
    std::int32_t Poczatek = 0;
    std::int32_t Koniec = 0;
    std::string Nazwa;
};

// A stream of one element type. Reads land in one scratch element that the next read
// overwrites; callers that need two elements at once copy the first out.
template <typename E>
class TStrumienTypowany : public TVartoStrumien {
public:
    TStrumienTypowany() : TVartoStrumien(static_cast<std::int32_t>(sizeof(E))) {}

    // Writes e at stored index i (the window does not apply); a negative i writes nothing.
    void Ustaw(std::int32_t i, const E& e) { ZapiszBajty(Offset(i), sizeof(E), &e); }
    // Reads visible element i into the scratch element; an index outside the stored
    // data leaves the scratch element as it was.
    E& Zwroc(std::int32_t i)
    {
        CzytajBajty(Offset(i + ZwrocPoczatek()), sizeof(E), &Element);
        return Element;
    }

    float MinY = 0.0f; // lower end of the Y axis when plotted
    float MaxY = 0.0f; // upper end of the Y axis when plotted

private:
    E Element{};
};

// One point of a polyline or characteristic: x first, then y.
struct TPunkt {
    float X;
    float Y;
};
static_assert(sizeof(TPunkt) == 8, "a point is two packed floats");

class TIntStrumien final : public TStrumienTypowany<std::int32_t> {};
class TFltStrumien final : public TStrumienTypowany<float> {};
class TFltFltStrumien final : public TStrumienTypowany<TPunkt> {};
