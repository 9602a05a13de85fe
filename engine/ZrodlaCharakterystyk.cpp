#include "ZrodlaCharakterystyk.h"

#include "LinieGraniczne.h"
#include "ParametryKanalu.h"
#include "Standardy.h"

namespace {

// The record holds one cable and one file: the same one again adds its new lists to those
// it gave before, another one takes the record over.
template <typename TZrodlo>
void Dopisz(std::optional<TZrodlo>& rekord, TZrodlo nowe)
{
    if (rekord) {
        TZrodlo porownanie = nowe;
        porownanie.Listy = rekord->Listy;
        if (porownanie == *rekord) {
            nowe.Listy.Tlumienie = nowe.Listy.Tlumienie || rekord->Listy.Tlumienie;
            nowe.Listy.Przesluchy = nowe.Listy.Przesluchy || rekord->Listy.Przesluchy;
            nowe.Listy.Echo = nowe.Listy.Echo || rekord->Listy.Echo;
        }
    }
    rekord = std::move(nowe);
}

void Odbij(TUstawieniaSymulacji& u, TListyZrodla ktore)
{
    if (ktore.Tlumienie && u.Adaptacyjny)
        u.Charakterystyki.Wzmocnienie = Lustro(u.Charakterystyki.Tlumienie);
}

} // namespace

void ZapomnijZrodla(TPochodzenie& z, TListyZrodla ktore)
{
    if (ktore.Tlumienie)
        z.PlikTlumienia.clear();
    if (ktore.Przesluchy)
        z.PlikPrzesluchow.clear();
    if (ktore.Echo)
        z.PlikEcha.clear();
    const auto odejmij = [&](auto& zrodlo) {
        if (!zrodlo)
            return;
        TListyZrodla& l = zrodlo->Listy;
        l.Tlumienie = l.Tlumienie && !ktore.Tlumienie;
        l.Przesluchy = l.Przesluchy && !ktore.Przesluchy;
        l.Echo = l.Echo && !ktore.Echo;
        if (!l.Jakiekolwiek())
            zrodlo.reset();
    };
    odejmij(z.Kabel);
    odejmij(z.Touchstone);
}

float NajwyzszaCzestotliwoscFiltru(int standard, std::int32_t mbps)
{
    return ParametryKanalu(static_cast<float>(SzybkoscSymboli(standard, mbps))).FMax;
}

TCharakterystyka JakoCharakterystyka(const TListaPunktow& punkty)
{
    TCharakterystyka c;
    c.reserve(punkty.size());
    for (const TPunktDb& p : punkty)
        c.push_back({static_cast<float>(p.MHz), static_cast<float>(p.dB)});
    return c;
}

TListyKabla ListyKabla(const TParametryKabla& kabel, int standard, std::int32_t mbps)
{
    const TCharakterystykiKabla c = CharakterystykiKabla(kabel, NajwyzszaCzestotliwoscFiltru(standard, mbps));
    return {JakoCharakterystyka(c.Tlumienie), JakoCharakterystyka(c.Przesluchy), JakoCharakterystyka(c.Echo)};
}

void UstawKabel(TUstawieniaSymulacji& u, const TParametryKabla& kabel, TListyZrodla ktore)
{
    if (!ktore.Jakiekolwiek())
        return;
    TListyKabla listy = ListyKabla(kabel, u.Standard, u.Szybkosc);
    TCharakterystykiKanalu& c = u.Charakterystyki;
    if (ktore.Tlumienie)
        c.Tlumienie = std::move(listy.Tlumienie);
    if (ktore.Przesluchy)
        c.Przesluchy = std::move(listy.Przesluchy);
    if (ktore.Echo)
        c.Echo = std::move(listy.Echo);
    Odbij(u, ktore);
    ZapomnijZrodla(u.Pochodzenie, ktore);
    Dopisz(u.Pochodzenie.Kabel, TKabelPochodzenia{kabel, ktore});
}

std::optional<TImportCharakterystyk> ImportujCharakterystyki(const std::filesystem::path& plik, TOpcjeImportu opcje,
                                                             int standard, std::int32_t mbps, TJezyk jezyk,
                                                             std::string& blad)
{
    TBladTouchstone b;
    const auto dane = CzytajTouchstone(plik, b);
    if (!dane) {
        blad = OpisBleduTouchstone(b, jezyk);
        return std::nullopt;
    }
    return ImportujCharakterystyki(*dane, plik, opcje, standard, mbps, jezyk, blad);
}

std::optional<TImportCharakterystyk> ImportujCharakterystyki(const TDaneTouchstone& dane,
                                                             const std::filesystem::path& plik, TOpcjeImportu opcje,
                                                             int standard, std::int32_t mbps, TJezyk jezyk,
                                                             std::string& blad)
{
    opcje.FMaxFiltruMHz = NajwyzszaCzestotliwoscFiltru(standard, mbps);
    TBladTouchstone b;
    const auto wynik = ImportujTouchstone(dane, plik.filename().string(), opcje, b);
    if (!wynik) {
        blad = OpisBleduTouchstone(b, jezyk);
        return std::nullopt;
    }
    TImportCharakterystyk import;
    const auto przenies = [](const std::optional<TImportowanaLista>& z, std::optional<TCharakterystyka>& cel) {
        if (z)
            cel = JakoCharakterystyka(z->Punkty);
        return z.has_value();
    };
    import.Pochodzenie.Listy.Tlumienie = przenies(wynik->Tlumienie, import.Tlumienie);
    import.Pochodzenie.Listy.Przesluchy = przenies(wynik->Przesluchy, import.Przesluchy);
    import.Pochodzenie.Listy.Echo = przenies(wynik->Echo, import.Echo);
    import.Pochodzenie.Plik = plik.string();
    import.Pochodzenie.Porty = wynik->Podsumowanie.Porty;
    import.Pochodzenie.PonizejPomiaru = opcje.PonizejPomiaru;
    import.Pochodzenie.LiczbaPunktow = wynik->Podsumowanie.LiczbaPunktow;
    import.Opis = OpisImportu(*wynik, jezyk);
    return import;
}

void UstawImport(TUstawieniaSymulacji& u, const TImportCharakterystyk& import, TListyZrodla ktore)
{
    ktore.Tlumienie = ktore.Tlumienie && import.Tlumienie;
    ktore.Przesluchy = ktore.Przesluchy && import.Przesluchy;
    ktore.Echo = ktore.Echo && import.Echo;
    if (!ktore.Jakiekolwiek())
        return;
    TCharakterystykiKanalu& c = u.Charakterystyki;
    if (ktore.Tlumienie)
        c.Tlumienie = *import.Tlumienie;
    if (ktore.Przesluchy)
        c.Przesluchy = *import.Przesluchy;
    if (ktore.Echo)
        c.Echo = *import.Echo;
    Odbij(u, ktore);
    ZapomnijZrodla(u.Pochodzenie, ktore);
    TTouchstonePochodzenia z = import.Pochodzenie;
    z.Listy = ktore;
    Dopisz(u.Pochodzenie.Touchstone, std::move(z));
}

void UstawZrodla(TUstawieniaSymulacji& u, const std::optional<TParametryKabla>& kabel,
                 const std::optional<TImportCharakterystyk>& import, TListyZrodla wolne)
{
    if (kabel) {
        TListyZrodla ktore = wolne;
        if (import) {
            ktore.Tlumienie = ktore.Tlumienie && !import->Tlumienie;
            ktore.Przesluchy = ktore.Przesluchy && !import->Przesluchy;
            ktore.Echo = ktore.Echo && !import->Echo;
        }
        UstawKabel(u, *kabel, ktore);
    }
    if (import)
        UstawImport(u, *import, wolne);
}

std::string OdnowCharakterystykiZrodel(TUstawieniaSymulacji& u)
{
    if (const std::optional<TTouchstonePochodzenia> t = u.Pochodzenie.Touchstone) {
        TOpcjeImportu opcje;
        opcje.Porty = t->Porty;
        opcje.PonizejPomiaru = t->PonizejPomiaru;
        opcje.LiczbaPunktow = t->LiczbaPunktow;
        std::string blad;
        const auto import = ImportujCharakterystyki(t->Plik, opcje, u.Standard, u.Szybkosc, TJezyk::Angielski, blad);
        if (!import)
            return t->Plik + ": " + blad;
        UstawImport(u, *import, t->Listy);
    }
    if (const std::optional<TKabelPochodzenia> k = u.Pochodzenie.Kabel)
        UstawKabel(u, k->Kabel, k->Listy);
    return {};
}

TLinieStandardu LinieGraniczneStandardu(int standard)
{
    const TStandardLinii s = standard == 0   ? TStandardLinii::Standard10BaseT
                             : standard == 3 ? TStandardLinii::Standard1000BaseT
                                             : TStandardLinii::Standard100BaseTX;
    const TLinieGraniczne l = LinieGraniczne(s);
    return {JakoCharakterystyka(l.Tlumienie), JakoCharakterystyka(l.Przesluchy), JakoCharakterystyka(l.Echo)};
}
