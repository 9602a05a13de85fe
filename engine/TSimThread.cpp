#include "TSimThread.h"

#include <exception>
#include <new>

TSimThread::TSimThread(TUstawieniaSymulacji ustawienia, TKontrolkiPostepuQt postep, TPrzebieg przebieg)
    : Ustawienia(std::move(ustawienia)), Postep(std::move(postep)), Przebieg(std::move(przebieg))
{
}

void TSimThread::Wykonaj()
{
    // Whatever escapes the run would end the program on this thread: the window is
    // told instead, so it never stays locked.
    try {
        std::unique_ptr<TWynikSymulacji> wynik =
            Przebieg(Ustawienia, FlagaZakonczenia(), {Postep.Etykieta(), Postep.Czesciowy(), Postep.Calkowity()});
        if (wynik)
            emit Gotowe(std::shared_ptr<TWynikSymulacji>(std::move(wynik)));
    } catch (const std::bad_alloc&) {
        emit Blad(QStringLiteral("Za mało pamięci, by przeprowadzić symulację."));
    } catch (const std::exception& blad) {
        emit Blad(QStringLiteral("Symulacja została przerwana przez błąd: ") + QString::fromUtf8(blad.what()));
    } catch (...) {
        emit Blad(QStringLiteral("Symulacja została przerwana przez nieznany błąd."));
    }
}
