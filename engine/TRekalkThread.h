// The recalculation of one characteristic on a worker thread: the filter that the
// channel library builds from the worker's own copy of the points, handed to the GUI
// thread as the realised magnitude response and the normalised impulse response.
#pragma once

#include <QString>

#include <memory>
#include <string_view>

#include "Charakterystyki.h"
#include "PostepQt.h"
#include "VartoChannel.h"
#include "WatekQt.h"

class TRekalkThread : public TWatek {
    Q_OBJECT

public:
    // Created on the GUI thread and not yet started: connect to the signals, then start().
    // punkty: MHz, dB; R: line rate in MHz (symbol periods per µs). postep keeps the
    // progress controls alive for as long as the worker runs.
    TRekalkThread(TCharakterystyka punkty, float R, TKontrolkiPostepuQt postep);

    // The line rate R (MHz) of a standard (index into Standardy) for the bit rate typed
    // into the rate field (Mbps): both truncated toward zero, 0 for a text that is no number.
    static float SzybkoscLinii(std::string_view szybkosc, int standard);

signals:
    // The filter is built. Queued to the receiver's thread; a receiver that has gone by
    // then never sees it, and the result is released with the undelivered signal.
    void Gotowe(std::shared_ptr<WynikRekalkulacji> wynik);
    // The computation stopped on an error; komunikat is the user's text. A cancelled
    // recalculation emits neither signal.
    void Blad(QString komunikat);

protected:
    void Wykonaj() override;

private:
    const TCharakterystyka Punkty;
    const float R;
    const TKontrolkiPostepuQt Postep;
};
