// A progress bar on a terminal, driven by the channel library's gauges: a thread of its
// own samples the overall gauge and the status text a few times a second.
#pragma once

#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

#include "Symulacja.h"

class TPasekPostepu {
public:
    explicit TPasekPostepu(std::FILE* terminal);
    ~TPasekPostepu(); // stops drawing and clears the bar's line
    TPasekPostepu(const TPasekPostepu&) = delete;
    TPasekPostepu& operator=(const TPasekPostepu&) = delete;

    TKontrolkiPostepu Kontrolki();

private:
    class TEtykieta : public TEtykietaPostepu {
    public:
        void UstawTekst(std::string_view tekst) override;
        void Odswiez() override {}
        std::string Tekst() const;

    private:
        mutable std::mutex Zamek;
        std::string Zawartosc;
    };

    void Rysuj();

    std::FILE* Terminal;
    TEtykieta Etykieta;
    TWskaznikAtomowy Czesciowy;
    TWskaznikAtomowy Calkowity;
    std::jthread Rysownik;
};
