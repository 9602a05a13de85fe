// A computation of an analysis window on a worker thread: the simulation run or the
// recalculation of a characteristic. One life cycle and one failure path for both: the
// worker runs over its own copies of what it reads and hands what it made, or why it
// failed, to the GUI thread.
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <variant>

#include "PostepQt.h"
#include "Symulacja.h"
#include "VartoChannel.h"
#include "WatekQt.h"

class TWatekObliczen : public TWatek {
    Q_OBJECT

public:
    // What a computation makes: a run's result or a recalculated filter; an empty pointer
    // when it stopped on its termination flag.
    using TWynik = std::variant<std::shared_ptr<TWynikSymulacji>, std::shared_ptr<WynikRekalkulacji>>;
    // The computation, on the worker, with the worker's termination flag and the progress controls.
    using TObliczenie = std::function<TWynik(std::uint8_t* flagaZakonczenia, const TKontrolkiPostepu& postep)>;
    // The user's texts of a failure: when memory runs out, when the result holds numbers
    // that are not finite (and so is not shown), and the start of the sentence that names
    // any other error ("Symulacja została przerwana przez").
    struct TKomunikaty {
        QString BrakPamieci;
        QString WynikNieskonczony;
        QString Przerwanie;
    };

    // Created on the GUI thread and not yet started: connect to the signals, then start().
    // postep keeps the progress controls alive for as long as the worker runs.
    TWatekObliczen(TObliczenie obliczenie, TKontrolkiPostepuQt postep, TKomunikaty komunikaty);

signals:
    // The computation completed and was not cancelled. Queued to the receiver's thread; a
    // receiver that has gone by then never sees it, and the result is freed with the
    // undelivered signal.
    void Gotowe(TWatekObliczen::TWynik wynik);
    // The computation stopped on an error; komunikat is the user's text. A cancelled
    // computation emits neither signal.
    void Blad(QString komunikat);

protected:
    void Wykonaj() override;

private:
    const TObliczenie Obliczenie;
    const TKontrolkiPostepuQt Postep;
    const TKomunikaty Komunikaty;
};
