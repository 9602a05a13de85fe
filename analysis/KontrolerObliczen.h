// The one computation an analysis window may have under way, a simulation run or the
// recalculation of a characteristic, on a worker thread: the controller starts it, takes
// its result or failure on the GUI thread, and cancels it without ever waiting for it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

#include "Charakterystyki.h"
#include "Symulacja.h"
#include "VartoChannel.h"

class TPostepQt;
class TWatek;
class TWatekObliczen;

class TKontrolerObliczen : public QObject {
    Q_OBJECT

public:
    enum class TRodzaj { Brak, Symulacja, Rekalkulacja };
    // The run itself: the engine's Symuluj unless a caller lends another (tests do, to see
    // how a held or failing run is handled).
    using TPrzebieg = std::function<std::unique_ptr<TWynikSymulacji>(
        const TUstawieniaSymulacji&, std::uint8_t* flagaZakonczenia, const TKontrolkiPostepu&)>;

    // postep: the window's progress controls, cleared before each computation and lent to it.
    TKontrolerObliczen(TPostepQt& postep, QObject* rodzic);

    void UstawPrzebieg(TPrzebieg przebieg) { Przebieg = std::move(przebieg); }

    // Starts a run of valid settings (the worker takes its own copy), or the
    // recalculation of the points at the line rate R (MHz). Nothing else may be under way.
    void UruchomSymulacje(TUstawieniaSymulacji ustawienia);
    void UruchomRekalkulacje(TCharakterystyka punkty, float R);
    // Tells the worker to stop and lets go of it: it ends by itself, and whatever it still
    // hands over is dropped. Nothing happens while nothing is under way.
    void Anuluj();

    TRodzaj Trwa() const { return Rodzaj; }
    // The worker of the computation under way, or null.
    TWatek* Watek() const;

signals:
    // The computation under way completed; it is over by the time these arrive.
    void SymulacjaGotowa(std::shared_ptr<TWynikSymulacji> wynik);
    void RekalkulacjaGotowa(std::shared_ptr<WynikRekalkulacji> wynik);
    // The computation under way stopped on an error; it counts as under way until the
    // receiver cancels it. komunikat is the user's text.
    void Blad(QString komunikat);

private:
    void Uruchom(TRodzaj rodzaj, TWatekObliczen* watek);

    TPostepQt& Postep;
    TPrzebieg Przebieg;
    TRodzaj Rodzaj = TRodzaj::Brak;
    QPointer<TWatekObliczen> WatekObliczen;
};
