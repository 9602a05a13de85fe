#include "TRekalkThread.h"

#include <cmath>
#include <exception>
#include <new>

#include "Liczby.h"
#include "Standardy.h"

TRekalkThread::TRekalkThread(TCharakterystyka punkty, float R, TKontrolkiPostepuQt postep)
    : Punkty(std::move(punkty)), R(R), Postep(std::move(postep))
{
}

float TRekalkThread::SzybkoscLinii(std::string_view szybkosc, int standard)
{
    const double mbps = std::trunc(ParsujLiczbe(szybkosc).value_or(0.0));
    const double czynnik = Standardy.at(static_cast<std::size_t>(standard)).CzynnikSzybkosci;
    return static_cast<float>(std::trunc(mbps * czynnik));
}

void TRekalkThread::Wykonaj()
{
    // Whatever escapes the library would end the program on this thread: the window is
    // told instead, so it never stays locked.
    try {
        TFltFltStrumien punkty;
        UstawPunkty(punkty, Punkty);
        std::shared_ptr<WynikRekalkulacji> wynik(
            ZwrocCharakterystykeFiltru(&punkty, R, FlagaZakonczenia(), Postep.Etykieta(), Postep.Czesciowy(),
                                       Postep.Calkowity()),
            UsunWynikRekalkulacji);
        if (wynik && !Zakonczony())
            emit Gotowe(std::move(wynik));
    } catch (const std::bad_alloc&) {
        emit Blad(QStringLiteral("Za mało pamięci, by przeliczyć charakterystykę."));
    } catch (const std::exception& blad) {
        emit Blad(QStringLiteral("Rekalkulacja została przerwana przez błąd: ") + QString::fromUtf8(blad.what()));
    }
}
