#include "PanelWanien.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QGridLayout>
#include <QLabel>

#include "JezykQt.h"
#include "KoloryWykresow.h"
#include "Oko.h"
#include "SzablonyWykresow.h"
#include "Wykres.h"

namespace {

constexpr TColor KoloryTorow[] = {KolorCzerwony, KolorZielony, KolorNiebieski, KolorBordowy};
constexpr float PolowaKrzyzyka = 0.03f; // UI, half the width of the counted rate's cross

// A curve of log10 of the rates (the floor for a rate of 0) against x.
std::unique_ptr<TFltFltStrumien> Krzywa(const std::vector<double>& x, const std::vector<double>& ber, double przesuniecie)
{
    auto s = std::make_unique<TFltFltStrumien>();
    const std::size_t n = std::min(x.size(), ber.size());
    s->UstawDlugosc(static_cast<std::int32_t>(n));
    for (std::size_t i = 0; i < n; ++i)
        s->Ustaw(static_cast<std::int32_t>(i),
                 TPunkt{static_cast<float>(x[i] + przesuniecie),
                        static_cast<float>(std::log10(std::max(ber[i], std::numeric_limits<double>::min())))});
    return s;
}

// Decades from the floor to 1 on Y, labelled by their exponents every third.
void SzablonWanny(TWykres& w)
{
    w.UstawMarginesLewy(44);
    w.UstawMarginesDolny(28);
    w.UstawMarginesGorny(10);
    w.UstawMarginesPrawy(14);
    w.OsY.UstawMin(static_cast<float>(NajnizszyWykladnikWanny));
    w.OsY.UstawMax(0.0f);
    w.OsY.UstawSkala(3.0f);
    w.OsY.UstawSkalaPom(1.0f);
    w.OsY.UstawPrzeciecie(static_cast<float>(NajnizszyWykladnikWanny));
    w.OsY.Znaczniki.UstawPrecyzjaOpisu(0);
    w.OsY.Znaczniki.UstawZnaczniki(zGlowne);
    w.OsY.Znaczniki.UstawOpisyZnacznikow(zGlowne);
    w.OsX.Znaczniki.UstawZnaczniki(zGlowne);
    w.OsX.Znaczniki.UstawOpisyZnacznikow(zGlowne);
    w.OsX.Znaczniki.UstawWyrownanieOpisuVer(wvGorne);
    for (TOs* os : {&w.OsX, &w.OsY}) {
        os->Siatka.UstawLinieSiatki(lsGlowne);
        os->Siatka.UstawKolor(KolorSrebrny);
        os->Siatka.UstawStylLiniiGlownych(psSolid);
    }
}

} // namespace

TPanelWanien::TPanelWanien(QWidget* rodzic) : QGroupBox(TTekst::tr(" Wanny BER (z rozkładów poziomów, log₁₀ BER) "), rodzic)
{
    setObjectName(QStringLiteral("WannyGroupBox"));
    WannaFazy = new TWykres(this);
    WannaFazy->setObjectName(QStringLiteral("WannaFazyWykres"));
    WannaProgu = new TWykres(this);
    WannaProgu->setObjectName(QStringLiteral("WannaProguWykres"));
    SzablonWanny(*WannaFazy);
    SzablonWanny(*WannaProgu);
    WannaFazy->OsX.UstawMin(0.0f);
    WannaFazy->OsX.UstawMax(1.0f);
    WannaFazy->OsX.UstawSkala(0.25f);
    WannaFazy->OsX.Znaczniki.UstawPrecyzjaOpisu(2);
    WannaProgu->OsX.Znaczniki.UstawPrecyzjaOpisu(2);

    auto* uklad = new QGridLayout(this);
    // Captions that wrap rather than widen the window.
    const auto opis = [this](const QString& tekst) {
        auto* etykieta = new QLabel(tekst, this);
        etykieta->setWordWrap(true);
        return etykieta;
    };
    uklad->addWidget(opis(TTekst::tr("BER a faza próbkowania [UI], chwila próbkowania w środku; × BER zliczony")), 0, 0);
    uklad->addWidget(opis(TTekst::tr("BER a próg decyzji [V] w chwili próbkowania")), 0, 1);
    uklad->addWidget(WannaFazy, 1, 0);
    uklad->addWidget(WannaProgu, 1, 1);
    uklad->setRowStretch(1, 1);
    setMinimumHeight(160);
}

void TPanelWanien::Pokaz(const TWynikSymulacji& w)
{
    for (TWykres* wykres : {WannaFazy, WannaProgu})
        while (wykres->LiczbaSerii() > 0)
            wykres->UsunSerie(wykres->LiczbaSerii() - 1);
    Krzywe.clear();
    const auto dodaj = [&](TWykres& wykres, std::unique_ptr<TFltFltStrumien> s, TColor kolor, TPenStyle styl) {
        wykres.DodajSerie(s.get(), kolor, styl);
        Krzywe.push_back(std::move(s));
    };
    const auto cel = static_cast<float>(std::log10(BERSzerokosciOka));
    dodaj(*WannaFazy, Odcinek(0.0f, cel, 1.0f, cel), KolorSzary, psDash);
    dodaj(*WannaFazy, Odcinek(0.5f, static_cast<float>(NajnizszyWykladnikWanny), 0.5f, 0.0f), 0x000000, psDash);

    double progMin = std::numeric_limits<double>::infinity();
    double progMax = -progMin;
    for (std::size_t t = 0; t < w.Tory.size(); ++t) {
        const TOkoToru& oko = w.Tory[t].Oko;
        const TColor kolor = KoloryTorow[t % std::size(KoloryTorow)];
        // Phases relative to the sampling instant, which lands in the middle.
        dodaj(*WannaFazy, Krzywa(oko.FazyWanny, oko.Wanna, 0.5 - oko.Faza), kolor, psSolid);
        dodaj(*WannaProgu, Krzywa(oko.ProgiWanny, oko.WannaPionowa, 0.0), kolor, psSolid);
        for (const double p : oko.ProgiWanny) {
            progMin = std::min(progMin, p);
            progMax = std::max(progMax, p);
        }
    }
    if (w.Zliczone.Bledy > 0) {
        const auto y = static_cast<float>(std::log10(w.Zliczone.BER));
        dodaj(*WannaFazy, Odcinek(0.5f - PolowaKrzyzyka, y - 0.5f, 0.5f + PolowaKrzyzyka, y + 0.5f), 0x000000, psSolid);
        dodaj(*WannaFazy, Odcinek(0.5f - PolowaKrzyzyka, y + 0.5f, 0.5f + PolowaKrzyzyka, y - 0.5f), 0x000000, psSolid);
    }
    if (progMax > progMin) {
        WannaProgu->OsX.UstawMin(static_cast<float>(progMin));
        WannaProgu->OsX.UstawPrzeciecie(static_cast<float>(progMin));
        WannaProgu->OsX.UstawMax(static_cast<float>(progMax));
        WannaProgu->OsX.UstawSkala(static_cast<float>((progMax - progMin) / 4.0));
    }
    WannaFazy->update();
    WannaProgu->update();
}

void TPanelWanien::Zwolnij()
{
    WannaFazy->OdlaczSerie();
    WannaProgu->OdlaczSerie();
}
