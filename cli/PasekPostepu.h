// Progress on a terminal: a line redrawn a few times a second by a thread of its own, and
// the bar of a single run, driven by the channel library's gauges.
#pragma once

#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "Symulacja.h"

// "[#########.....................] 30%" for a share from 0 to 1.
std::string Pasek(double udzial);

// One line of a terminal that shows what tresc gives (called on the line's own thread),
// redrawn until the line is destroyed, which clears it.
class TLiniaTerminala {
public:
    TLiniaTerminala(std::FILE* terminal, std::function<std::string()> tresc);
    ~TLiniaTerminala();
    TLiniaTerminala(const TLiniaTerminala&) = delete;
    TLiniaTerminala& operator=(const TLiniaTerminala&) = delete;

    // Prints a message line above the progress line, from any thread.
    void Wypisz(const std::string& linia);

private:
    void Rysuj();

    std::FILE* Terminal;
    std::function<std::string()> Tresc;
    std::mutex Zamek; // one writer of the terminal at a time
    std::jthread Rysownik;
};

// The bar of a single run: the overall gauge's share and the status text.
class TPasekPostepu {
public:
    explicit TPasekPostepu(std::FILE* terminal);
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

    TEtykieta Etykieta;
    TWskaznikAtomowy Czesciowy;
    TWskaznikAtomowy Calkowity;
    TLiniaTerminala Linia; // last: it reads the controls above until it is destroyed
};
