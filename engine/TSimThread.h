// A simulation run on a worker thread: the engine's run over the worker's own copy of
// the window's settings and point lists, its result handed to the GUI thread.
#pragma once

#include <QString>

#include <functional>
#include <memory>

#include "PostepQt.h"
#include "Symulacja.h"
#include "WatekQt.h"

class TSimThread : public TWatek {
    Q_OBJECT

public:
    // The run itself; the engine's Symuluj unless a caller lends another (tests do, to
    // see how a failing run is handled).
    using TPrzebieg = std::function<std::unique_ptr<TWynikSymulacji>(
        const TUstawieniaSymulacji&, std::uint8_t* flagaZakonczenia, const TKontrolkiPostepu&)>;

    // Created on the GUI thread and not yet started: connect to the signals, then start().
    // postep keeps the progress controls alive for as long as the worker runs.
    TSimThread(TUstawieniaSymulacji ustawienia, TKontrolkiPostepuQt postep, TPrzebieg przebieg = Symuluj);

signals:
    // The run completed. Queued to the receiver's thread; a receiver that has gone by
    // then never sees it, and the result is freed with the undelivered signal.
    void Gotowe(std::shared_ptr<TWynikSymulacji> wynik);
    // The run stopped on an error; komunikat is the user's text. A cancelled run emits
    // neither signal.
    void Blad(QString komunikat);

protected:
    void Wykonaj() override;

private:
    const TUstawieniaSymulacji Ustawienia;
    const TKontrolkiPostepuQt Postep;
    const TPrzebieg Przebieg;
};
