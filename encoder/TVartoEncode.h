// The coder base class: the input step shared by every standard, the staircase plot
// of a symbol sequence and the line signal with sloped edges.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Vartostream.h"

// The axis hints a coder sets on a display stream when it hands it out.
struct TWskazowkiWykresu {
    float MinY;
    float MaxY;
    float SkalaX;
    float SkalaY;
    float PrecyzjaY;
};

class TVartoEncode {
public:
    // szybkosc in Mbaud, levels in volts, nachylenie in mV/ns.
    TVartoEncode(std::int32_t szybkosc, float poziomDolny, float poziomGorny, float nachylenie);
    virtual ~TVartoEncode();
    TVartoEncode(const TVartoEncode&) = delete;
    TVartoEncode& operator=(const TVartoEncode&) = delete;

    // Encodes the first n bits and builds every sequence and display stream.
    virtual void Koduj(const std::int32_t* bity, std::int32_t n) = 0;
    // Hands out display stream numer, named and with its hints set; null when the
    // coder has no such stream. A stream handed out belongs to the caller.
    virtual TFltFltStrumien* ZwrocStrumien(std::int32_t numer) = 0;

    // Hands out the names of the streams, storing their count in liczba.
    std::string* ZwrocTypy(std::int32_t& liczba);

    // Staircase of s, symbol k spanning x from k * krok to (k + 1) * krok.
    TFltFltStrumien* ZwrocWykresCiagu(TIntStrumien& s, float krok);
    // Line signal of s: symbol a at PoziomDolny, b at PoziomGorny, every change an
    // edge centred on the symbol boundary whose duration follows from the slope.
    TFltFltStrumien* ZwrocSygnal(TIntStrumien& s, std::int32_t a, std::int32_t b, float krok);

protected:
    // The shared input step: keeps the n bits and plots them.
    void KodujWejscie(const std::int32_t* bity, std::int32_t n);
    // Names and hints display stream s (stream number numer) and gives up its ownership.
    TFltFltStrumien* Wydaj(TFltFltStrumien* s, std::int32_t numer, const TWskazowkiWykresu& wskazowki);
    // Hints of a line signal: the Y range spans the two levels.
    TWskazowkiWykresu WskazowkiSygnalu(float skalaX, float skalaY) const;

    std::unique_ptr<std::string[]> NazwyStrumieni;
    std::int32_t LiczbaStrumieni = 0;
    std::unique_ptr<TIntStrumien> CiagWejsciowy;
    TFltFltStrumien* WykresWejscia = nullptr;
    float PoziomDolny;
    float PoziomGorny;
    std::int32_t Szybkosc;
    float Nachylenie;

private:
    TFltFltStrumien* Zachowaj(std::unique_ptr<TFltFltStrumien> s);

    // Display streams not handed out yet; the coder releases them when it dies.
    std::vector<std::unique_ptr<TFltFltStrumien>> NieWydane;
};

// Builds the coder of a type code; null for a code that has none.
std::unique_ptr<TVartoEncode> UtworzKoder(std::uint8_t typ, std::int32_t szybkosc, float poziomDolny,
                                          float poziomGorny, float nachylenie);
