// The run of a simulation as the analysis window drives it: the window's steps before
// the worker starts, the worker's own copy of the settings, and the hand-over of the
// worker's result (or failure) back on the GUI thread.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cmath>

#include "Liczby.h"
#include "OpisBER.h"
#include "PostepQt.h"
#include "TObszarPasm.h"
#include "TPageControl.h"
#include "TPanelRozkladow.h"
#include "TSimChildForm.h"
#include "UslugiQt.h"
#include "Vartostream.h"
#include "Wykres.h"

namespace {

// Every series of the chart keeps its place but lets go of its stream.
void OdlaczSerie(TWykres* wykres)
{
    if (!wykres)
        return;
    for (std::int32_t i = 0; i < wykres->LiczbaSerii(); ++i)
        wykres->ModyfikujSerie(i, nullptr, 0, psSolid);
}

} // namespace

TUstawieniaSymulacji TSimChildForm::UstawieniaSymulacji() const
{
    TUstawieniaSymulacji u;
    // The channel switches count only where the options offer the effect.
    u.Przesluchy = Ustawienia.Przesluchy != 0 && PrzesluchyCheckBox->isChecked();
    u.Echo = Ustawienia.Echo != 0 && EchoCheckBox->isChecked();
    u.Regeneracja = Ustawienia.Regeneracja != 0 && WzmocnienieCheckBox->isChecked();
    u.Dekoder = Ustawienia.Dekoder != 0;
    u.Adaptacyjny = TrybAdaptacyjny();
    u.Standard = Standard;
    u.LiczbaBitow =
        static_cast<std::int32_t>(std::trunc(ParsujLiczbe(LiczbaBitowEdit->text().toStdString()).value_or(0.0)));
    u.Szybkosc = ParsujCalkowita(SzybkoscEdit->text().toStdString()).value_or(0);
    u.Nachylenie = static_cast<float>(ParsujLiczbe(NachylenieEdit->text().toStdString()).value_or(0.0));
    u.PrzesuniecieEcha = ParsujCalkowita(EchoEdit1->text().toStdString()).value_or(0);
    u.Zrodlo = static_cast<TZrodloBitow>(GenComboBox->currentIndex());
    u.Ziarno = Ziarno;
    u.Charakterystyki = {PunktyStrumienia(*CharTlumienie), PunktyStrumienia(*CharPrzesluchy),
                         PunktyStrumienia(*CharEcho), PunktyStrumienia(*CharWzmocnienie)};
    return u;
}

void TSimChildForm::UruchomSymulacje()
{
    // The worker gets its own copy: the window may close, and its point lists change,
    // while the run goes on.
    TUstawieniaSymulacji ustawienia = UstawieniaSymulacji();

    KursorPrzedSymulacja = KursorEkranu();
    UstawKursorEkranu(TKursorEkranu::Uruchamianie);
    SimBut->setEnabled(false);
    SimBut->hide();
    for (QWidget* strona : {TabSheetWejsciowe, TabSheetWyjsciowe, TabSheetOkowy, ErrorTabSheet})
        PageControl1->setTabVisible(PageControl1->indexOf(strona), false);
    ZoomWejscioweCombo->setCurrentIndex(2);
    ZoomWyjscioweCombo->setCurrentIndex(2);
    if (ZoomZdekodowaneCombo)
        ZoomZdekodowaneCombo->setCurrentIndex(2);
    ZablokujKontrolki();
    ZwolnijWyniki();

    const TKontrolkiPostepuQt postep = WyzerujPostep();

    SymulacjaTrwa = true;
    auto* watek = new TSimThread(std::move(ustawienia), postep, Przebieg);
    connect(watek, &TSimThread::Gotowe, this,
            [this, watek](std::shared_ptr<TWynikSymulacji> wynik) { SymulacjaZakonczona(watek, std::move(wynik)); });
    connect(watek, &TSimThread::Blad, this,
            [this, watek](const QString& komunikat) { SymulacjaPrzerwana(watek, komunikat); });
    WatekSymulacji = watek;
    watek->start();
}

TKontrolkiPostepuQt TSimChildForm::WyzerujPostep()
{
    const TKontrolkiPostepuQt postep = Postep->Kontrolki();
    postep.Etykieta()->UstawTekst({});
    for (TWskaznikPostepu* wskaznik : {postep.Czesciowy(), postep.Calkowity()}) {
        wskaznik->UstawMaksimum(0);
        wskaznik->UstawPozycje(0);
    }
    Postep->PokazTeraz();
    return postep;
}

void TSimChildForm::ZwolnijWyniki()
{
    // Nothing may draw a released stream: the series let go of theirs first.
    for (TObszarPasm* pasma : {PasmaWejsciowe, PasmaWyjsciowe, PasmaZdekodowane}) {
        if (pasma)
            for (TWykres* w : pasma->Wykresy)
                OdlaczSerie(w);
    }
    OdlaczSerie(WykresOkowy);
    if (Panel3) {
        OdlaczSerie(Panel3->RozkladBledowWykres);
        OdlaczSerie(Panel3->DystrBledowWykres);
    }
    Wyniki.reset();
    // No results, nothing to save or print, no result tab to point at.
    Polecenia.Wlacz(false);
    Timer->stop();
    PodswietlZakladki(0);
}

void TSimChildForm::SymulacjaZakonczona(const TSimThread* watek, std::shared_ptr<TWynikSymulacji> wynik)
{
    // A run that was cancelled, or that an error or a newer run has replaced, is
    // dropped: its result goes with the last copy of the pointer.
    if (!SymulacjaTrwa || WatekSymulacji != watek)
        return;
    Wyniki = std::move(wynik);
    PokazWyniki();
    SimBut->show();
    PrzywrocKontrolki();
    UstawKursorEkranu(KursorPrzedSymulacja);
    SymulacjaTrwa = false;
    WatekSymulacji = nullptr;
}

void TSimChildForm::SymulacjaPrzerwana(const TSimThread* watek, const QString& komunikat)
{
    if (!SymulacjaTrwa || WatekSymulacji != watek)
        return;
    // The window comes back as a cancel leaves it, then says why.
    AnulujButClick();
    PokazKomunikat(SimBut, komunikat);
}

void TSimChildForm::PokazWyniki()
{
    if (Wyniki->UdzialBledow)
        TimeErrorLabel->setText(QString::fromStdString(ZdaniePoprawnegoCzasu(*Wyniki->UdzialBledow)));
    PokazBER(Wyniki->BER);
    UstawWykresyBledow();

    PageControl1->setTabVisible(PageControl1->indexOf(TabSheetWejsciowe), true);
    if (PasmaWejsciowe->Wykresy.empty())
        BudujPasmaWejsciowe();
    else
        OdswiezPasmaWejsciowe();

    PageControl1->setTabVisible(PageControl1->indexOf(TabSheetWyjsciowe), true);
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheetOkowy), true);
    UstawWykresOkowy();
    UstawLegendy();
    if (PasmaWyjsciowe->Wykresy.empty())
        BudujPasmaWyjsciowe();
    else
        OdswiezPasmaWyjsciowe();
    ZakonczAktualizacjeWidokow();
}

void TSimChildForm::PokazBER(double ber)
{
    const TOpisBER opis = OpiszBER(ber, Standard, ParsujCalkowita(SzybkoscEdit->text().toStdString()).value_or(0));
    BERLabel->setText(QString::fromStdString(opis.Etykieta));
    BERLabel->adjustSize();
    ExpBERLabel->setText(QString::fromStdString(opis.Wykladnik));
    ExpBERLabel->adjustSize();
    // The exponent stands as a superscript just right of "x10".
    ExpBERLabel->move(BERLabel->x() + BERLabel->width() + 3, BERLabel->y() - 2);
    BERLabel2->setText(QString::fromStdString(opis.Zdanie));
    BERLabel2->adjustSize();
}
