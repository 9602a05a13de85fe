#include "WatekObliczen.h"

#include <exception>
#include <new>

#include "JezykQt.h"

TWatekObliczen::TWatekObliczen(TObliczenie obliczenie, TKontrolkiPostepuQt postep, TKomunikaty komunikaty)
    : Obliczenie(std::move(obliczenie)), Postep(std::move(postep)), Komunikaty(std::move(komunikaty))
{
}

void TWatekObliczen::Wykonaj()
{
    // Whatever escapes the computation would end the program on this thread: the window
    // is told instead, so it never stays locked.
    try {
        TWynik wynik = Obliczenie(FlagaZakonczenia(), {Postep.Etykieta(), Postep.Czesciowy(), Postep.Calkowity()});
        const bool jest = std::visit([](const auto& w) { return w != nullptr; }, wynik);
        if (jest && !Zakonczony())
            emit Gotowe(std::move(wynik));
    } catch (const std::bad_alloc&) {
        emit Blad(Komunikaty.BrakPamieci);
    } catch (const TWynikNieskonczony&) {
        emit Blad(Komunikaty.WynikNieskonczony);
    } catch (const std::exception& blad) {
        emit Blad(TTekst::tr("%1 błąd: %2").arg(Komunikaty.Przerwanie, QString::fromUtf8(blad.what())));
    } catch (...) {
        emit Blad(TTekst::tr("%1 nieznany błąd.").arg(Komunikaty.Przerwanie));
    }
}
