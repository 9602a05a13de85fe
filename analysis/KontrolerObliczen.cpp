#include "KontrolerObliczen.h"

#include "JezykQt.h"
#include "PostepQt.h"
#include "WatekObliczen.h"

TKontrolerObliczen::TKontrolerObliczen(TPostepQt& postep, QObject* rodzic)
    : QObject(rodzic), Postep(postep), Przebieg(Symuluj)
{
}

TWatek* TKontrolerObliczen::Watek() const
{
    return WatekObliczen.data();
}

void TKontrolerObliczen::UruchomSymulacje(TUstawieniaSymulacji ustawienia)
{
    auto obliczenie = [u = std::move(ustawienia), przebieg = Przebieg](std::uint8_t* flaga,
                                                                      const TKontrolkiPostepu& postep) {
        return TWatekObliczen::TWynik(std::shared_ptr<TWynikSymulacji>(przebieg(u, flaga, postep)));
    };
    Uruchom(TRodzaj::Symulacja,
            new TWatekObliczen(std::move(obliczenie), Postep.Kontrolki(),
                               {TTekst::tr("Za mało pamięci, by przeprowadzić symulację."),
                                TTekst::tr("Symulacja dała wartości, które nie są skończonymi liczbami, więc "
                                           "jej wyników nie pokazano."),
                                TTekst::tr("Symulacja została przerwana przez")}));
}

void TKontrolerObliczen::UruchomRekalkulacje(TCharakterystyka punkty, float R)
{
    auto obliczenie = [punkty = std::move(punkty), R](std::uint8_t* flaga, const TKontrolkiPostepu& postep) {
        TFltFltStrumien strumien;
        UstawPunkty(strumien, punkty);
        return TWatekObliczen::TWynik(std::shared_ptr<WynikRekalkulacji>(
            ZwrocCharakterystykeFiltru(&strumien, R, flaga, postep.Etykieta, postep.Czesciowy, postep.Calkowity),
            UsunWynikRekalkulacji));
    };
    Uruchom(TRodzaj::Rekalkulacja,
            new TWatekObliczen(std::move(obliczenie), Postep.Kontrolki(),
                               {TTekst::tr("Za mało pamięci, by przeliczyć charakterystykę."),
                                TTekst::tr("Rekalkulacja dała wartości, które nie są skończonymi liczbami, "
                                           "więc jej wyników nie pokazano."),
                                TTekst::tr("Rekalkulacja została przerwana przez")}));
}

void TKontrolerObliczen::Uruchom(TRodzaj rodzaj, TWatekObliczen* watek)
{
    // The progress controls cleared and shown, for the worker about to start.
    const TKontrolkiPostepuQt postep = Postep.Kontrolki();
    postep.Etykieta()->UstawTekst({});
    for (TWskaznikPostepu* wskaznik : {postep.Czesciowy(), postep.Calkowity()}) {
        wskaznik->UstawMaksimum(0);
        wskaznik->UstawPozycje(0);
    }
    Postep.PokazTeraz();

    Rodzaj = rodzaj;
    WatekObliczen = watek;
    // What a worker that was cancelled, or replaced, still hands over is dropped: its
    // result goes with the last copy of the pointer.
    connect(watek, &TWatekObliczen::Gotowe, this, [this, watek](TWatekObliczen::TWynik wynik) {
        if (WatekObliczen != watek)
            return;
        const TRodzaj skonczony = Rodzaj;
        Rodzaj = TRodzaj::Brak;
        WatekObliczen = nullptr;
        if (skonczony == TRodzaj::Symulacja)
            emit SymulacjaGotowa(std::get<std::shared_ptr<TWynikSymulacji>>(std::move(wynik)));
        else
            emit RekalkulacjaGotowa(std::get<std::shared_ptr<WynikRekalkulacji>>(std::move(wynik)));
    });
    connect(watek, &TWatekObliczen::Blad, this, [this, watek](const QString& komunikat) {
        if (WatekObliczen == watek)
            emit Blad(komunikat);
    });
    watek->start();
}

void TKontrolerObliczen::Anuluj()
{
    if (WatekObliczen)
        WatekObliczen->Zakoncz();
    Rodzaj = TRodzaj::Brak;
    WatekObliczen = nullptr;
}
