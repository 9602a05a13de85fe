// The recalculation of one characteristic as the analysis window drives it: the
// window's steps before the worker starts, and the realised response and impulse
// response shown once the worker hands them over.
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include "PostepQt.h"
#include "TRekalkThread.h"
#include "TSimChildForm.h"
#include "UslugiQt.h"
#include "Wykres.h"

namespace {

constexpr TColor KolorOdpowiedzi = 0x0000FF; // red

// Points series indeks of the chart at the stream, adding the series when it is missing.
void UstawSerie(TWykres* wykres, std::int32_t indeks, TFltFltStrumien* strumien)
{
    if (wykres->ModyfikujSerie(indeks, strumien, KolorOdpowiedzi, psSolid) < 0)
        wykres->DodajSerie(strumien, KolorOdpowiedzi, psSolid);
    wykres->update();
}

} // namespace

void TSimChildForm::RekalkulacjaBtnClick(TZakladkaCharakterystyki& z)
{
    if (SymulacjaTrwa || RekalkulacjaTrwa)
        return;
    // Disabled before the lock, it stays disabled after the unlock: only a change of the
    // points asks for another recalculation.
    z.RekalkulacjaBtn->setEnabled(false);
    SimBut->setEnabled(true);
    ZablokujKontrolki();

    // Nothing may draw a released stream: the series let go of theirs first.
    z.OdpowiedzWykres->ModyfikujSerie(0, nullptr, 0, psSolid);
    z.CharWykres->ModyfikujSerie(1, nullptr, 0, psSolid);
    z.Wynik.reset();

    const float R = TRekalkThread::SzybkoscLinii(SzybkoscEdit->text().toStdString(), Standard);
    const TKontrolkiPostepuQt postep = WyzerujPostep();
    RekalkulacjaTrwa = true;
    SimBut->hide();
    UstawKursorEkranu(TKursorEkranu::Uruchamianie);
    PrzyciskRekalkulacji = z.RekalkulacjaBtn;

    // The worker gets its own copy of the points: the list stays browsable meanwhile.
    auto* watek = new TRekalkThread(PunktyStrumienia(*z.Strumien), R, postep);
    TZakladkaCharakterystyki* zakladka = &z;
    connect(watek, &TRekalkThread::Gotowe, this, [this, watek, zakladka](std::shared_ptr<WynikRekalkulacji> wynik) {
        RekalkulacjaZakonczona(watek, zakladka, std::move(wynik));
    });
    connect(watek, &TRekalkThread::Blad, this,
            [this, watek](const QString& komunikat) { RekalkulacjaPrzerwana(watek, komunikat); });
    WatekRekalkulacji = watek;
    watek->start();
}

void TSimChildForm::RekalkulacjaZakonczona(const TWatek* watek, TZakladkaCharakterystyki* z,
                                           std::shared_ptr<WynikRekalkulacji> wynik)
{
    // A cancelled recalculation is dropped: its result goes with the last copy of the pointer.
    if (!RekalkulacjaTrwa || WatekRekalkulacji != watek)
        return;
    z->Wynik = std::move(wynik);
    UstawSerie(z->OdpowiedzWykres, 0, z->Wynik->OdpowiedzImpulsowa);
    // Series 0 stays the user's points.
    UstawSerie(z->CharWykres, 1, z->Wynik->Charakterystyka);
    if (z->TabSet->count() == 1)
        z->TabSet->addTab(QStringLiteral("Znormalizowana odpowiedź impulsowa"));
    SimBut->show();
    PrzywrocKontrolki();
    UstawKursorEkranu(TKursorEkranu::Domyslny);
    RekalkulacjaTrwa = false;
    WatekRekalkulacji = nullptr;
    PrzyciskRekalkulacji = nullptr;
}

void TSimChildForm::RekalkulacjaPrzerwana(const TWatek* watek, const QString& komunikat)
{
    if (!RekalkulacjaTrwa || WatekRekalkulacji != watek)
        return;
    // The window comes back as a cancel leaves it, then says why.
    AnulujButClick();
    PokazKomunikat(SimBut, komunikat);
}
