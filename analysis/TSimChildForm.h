// One analysis: a child window of the main window for one standard. Its first page
// holds the settings of the input signal and the channel model, and the strip with
// the simulation button; the result pages follow, hidden until a run fills them.
#pragma once

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "Symulacja.h"
#include "TPageControl.h"
#include "TSimThread.h"
#include "UslugiQt.h"
#include "UstawieniaStandardu.h"
#include "ZakladkaCharakterystyki.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTimer;
class TKanalPageControl;
class TLegenda;
class TObszarPasm;
class TPanelRozkladow;
class TPostepQt;
class TStatToolBar;
class TWatek;
class TWykres;

// The main window's save and print commands that analysis windows switch on and off;
// the tool buttons follow their commands.
struct TPoleceniaWynikow {
    QAction* Zapisz1 = nullptr;
    QAction* Drukuj1 = nullptr;

    void Wlacz(bool wlaczone) const;
};

class TSimChildForm : public QWidget {
    Q_OBJECT

public:
    // The window with its members cleared and the default characteristics' charts set
    // up; ustawienia is copied, later changes of the options do not reach it.
    TSimChildForm(const UstawieniaStandardu& ustawienia, TPoleceniaWynikow polecenia, QWidget* oknoGlowne,
                  QWidget* rodzic = nullptr);
    ~TSimChildForm() override;

    // Applies Ustawienia to the window: which channel tabs and check boxes exist and how
    // they start. Called once, right after creation.
    void UstawOpcje(int standard);
    // The standard's texts and limits and the default characteristics. Called once, as
    // the last step of the creation.
    void UstawStandard();
    // Disables every control that could start background work, remembering each one's
    // own state; PrzywrocKontrolki gives each its state back.
    void ZablokujKontrolki();
    void PrzywrocKontrolki();
    // The four default characteristics into their streams, lists and charts.
    void UstawDomyslneCharakterystyki();

    // Validates the fields in order; a bad one shows "Nieprawidłowa wartość" and gets the
    // focus. With every field within its limits it starts a run and returns true.
    bool SimButClick();
    // Cancels the simulation or recalculation in progress and restores the controls.
    void AnulujButClick();
    // The window became the active one: the main window's save and print commands
    // follow whether it shows results.
    void FormActivate();

    // The characteristic editor, each on the tab it is given: the point dialog on the
    // selected row, the list read back into its stream, the model files, the recalculation.
    void DodajPunkt(TZakladkaCharakterystyki& zakladka);
    void EdytujPunkt(TZakladkaCharakterystyki& zakladka);
    void UsunPunkt(TZakladkaCharakterystyki& zakladka);
    void OdczytajListe(TZakladkaCharakterystyki& zakladka);
    void WczytajBtnClick(TZakladkaCharakterystyki& zakladka);
    void ZapiszBtnClick(TZakladkaCharakterystyki& zakladka);
    void RekalkulacjaBtnClick(TZakladkaCharakterystyki& zakladka);
    // "Wzmacniacz adaptacyjny": the regenerator's list becomes the mirror of the line's.
    void WzmAdaptCheckBoxClick(bool zaznaczone);

    // The BER estimate of a run into BERLabel, its superscript exponent ExpBERLabel and
    // the sentence BERLabel2.
    void PokazBER(double ber);
    // One tick of the tab highlighting that follows a run (every 100 ms, 15 ticks).
    void TimerTimer();
    // The page control's page is about to change: the highlighting stops.
    void PageControl1Change();
    // The output page switched between the signals (0) and the decoded sequences (1).
    void TabSetWyjscioweChange(int indeks);
    // The error page switched between the distribution (0) and the cumulative one (1).
    void BledyTabSetChange(int indeks);

    bool SymulacjaTrwa = false;
    bool RekalkulacjaTrwa = false;
    QPointer<TWatek> WatekSymulacji;
    QPointer<TWatek> WatekRekalkulacji;
    // The "Rekalkulacja" button whose recalculation is running.
    QPointer<QPushButton> PrzyciskRekalkulacji;
    bool WynikiGotowe = false;
    std::int32_t SzybkoscMin = 0, SzybkoscMax = 0;       // Mbps
    std::int32_t NachylenieMin = 0, NachylenieMax = 0;   // mV/ns
    std::int32_t EchoMin = 0, EchoMax = 0;               // ns
    UstawieniaStandardu Ustawienia;
    int Standard = 0;
    QWidget* OknoGlowne;
    TPoleceniaWynikow Polecenia;

    // Characteristics: x in MHz, y in dB (losses negative, the regenerator's gains positive).
    std::unique_ptr<TFltFltStrumien> CharTlumienie;
    std::unique_ptr<TFltFltStrumien> CharPrzesluchy;
    std::unique_ptr<TFltFltStrumien> CharEcho;
    std::unique_ptr<TFltFltStrumien> CharWzmocnienie;

    TPageControl* PageControl1;
    QWidget* TabSheetUstawienia;
    QWidget* TabSheetWejsciowe;
    QWidget* TabSheetWyjsciowe;
    QWidget* TabSheetOkowy;
    QWidget* ErrorTabSheet;

    QLineEdit* LiczbaBitowEdit;
    QLineEdit* SzybkoscEdit;
    QLineEdit* NachylenieEdit;
    QComboBox* GenComboBox;

    TKanalPageControl* KanalPageControl;
    TZakladkaCharakterystyki Tlumienie;
    TZakladkaCharakterystyki Przesluchy;
    TZakladkaCharakterystyki Echo;
    TZakladkaCharakterystyki Wzmocnienie;
    QCheckBox* PrzesluchyCheckBox;
    QCheckBox* EchoCheckBox;
    QCheckBox* WzmocnienieCheckBox;
    QLineEdit* EchoEdit1;
    QLabel* PrzesuniecieLabel;
    QLabel* NsLabel;
    QCheckBox* WzmAdaptCheckBox;

    TStatToolBar* StatToolBar;
    QPushButton* SimBut;
    QPushButton* AnulujBut;
    QLabel* ProgLabel;
    QProgressBar* CGaugePart;
    QProgressBar* CGaugeTotal;
    // ProgLabel, CGaugePart and CGaugeTotal as the libraries are lent them.
    TPostepQt* Postep;

    // Results of the last completed run: every stream the views show. None before the
    // first run, and from the start of a run until it completes.
    std::shared_ptr<TWynikSymulacji> Wyniki;
    // The run itself; tests lend another to see how a failing run is handled.
    TSimThread::TPrzebieg Przebieg = Symuluj;
    // Runs from now on draw their random bits from this seed instead of the clock, so
    // that they repeat bit for bit.
    void UstawZiarno(std::uint32_t ziarno) { Ziarno = ziarno; }

    // Input page.
    QComboBox* ZoomWejscioweCombo;
    TObszarPasm* PasmaWejsciowe;
    // Output page: the signals, and over them with the decoder option the decoded sequences.
    QComboBox* ZoomWyjscioweCombo;
    QWidget* Panel14; // holds the output legend
    TLegenda* LegendaWyjsciowe;
    TObszarPasm* PasmaWyjsciowe;
    QStackedWidget* StronyWyjsciowe;
    QWidget* PanelWyjsciowe;
    QWidget* PanelZdekodowane; // none without the decoder option
    QComboBox* ZoomZdekodowaneCombo;
    TLegenda* LegendaZdekodowane;
    TObszarPasm* PasmaZdekodowane;
    QTabBar* TabSetWyjsciowe;
    // Eye diagram page.
    TWykres* WykresOkowy;
    // Error page; Panel3 and BledyTabSet are none without the distributions option.
    TPanelRozkladow* Panel3;
    QTabBar* BledyTabSet;
    QGroupBox* GroupBox2;
    QLabel* Label6;
    QLabel* BERLabel;
    QLabel* ExpBERLabel;
    QLabel* BERLabel2;
    QGroupBox* GroupBox3;
    QLabel* TimeErrorLabel;
    // Tab highlighting after a run, and its tick count.
    QTimer* Timer;
    int LicznikTimera = 0;

    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;

private:
    QWidget* ZbudujStroneUstawien();
    // The result pages, whole; UstawOpcje then takes away what the options leave out.
    void ZbudujStronyWynikow();
    QWidget* ZbudujStronePasm(const QString& nazwa, QComboBox*& zoom, TObszarPasm*& pasma, int mieszczace,
                              int naEkranie, QWidget* legenda);
    void ZbudujStroneBledow();
    void UstawOpcjeWynikow();
    // The page shows: its strips laid out and scrolled to their origin.
    void PokazStronePasm(QWidget* strona);

    // A run, as the window drives it: the window's part before the worker starts, the
    // worker's settings, and the hand-over of what it produced or of its failure.
    void UruchomSymulacje();
    TUstawieniaSymulacji UstawieniaSymulacji() const;
    void ZwolnijWyniki();
    void SymulacjaZakonczona(const TSimThread* watek, std::shared_ptr<TWynikSymulacji> wynik);
    void SymulacjaPrzerwana(const TSimThread* watek, const QString& komunikat);
    // The views of a completed run, built by the first one and refreshed by later ones.
    void PokazWyniki();
    void BudujPasmaWejsciowe();
    void OdswiezPasmaWejsciowe();
    void BudujPasmaWyjsciowe();
    void OdswiezPasmaWyjsciowe();
    void UstawLegendy();
    void UstawWykresOkowy();
    void UstawWykresyBledow();
    void ZakonczAktualizacjeWidokow();
    // Shows or hides one curve of every lane, as a legend row asks.
    void PrzelaczSerie(TObszarPasm* pasma, int seria, bool widoczna);
    void PodswietlZakladki(int licznik);
    QWidget* ZbudujModelKanalu(QWidget* rodzic);
    QLineEdit* PoleLiczbowe(const QString& nazwa, QWidget* rodzic);
    QCheckBox* PoleNaZakladce(const QString& nazwa, QWidget* zakladka);
    void UstawEfekt(QWidget* zakladka, QCheckBox* pole, std::int32_t wartosc);

    // A setting of the input signal changed: the run may start again and the results
    // on show no longer match the settings.
    void UstawieniaZmienione();
    void PrzesluchyCheckBoxClick(bool zaznaczone);
    void EchoCheckBoxClick(bool zaznaczone);
    void WzmocnienieCheckBoxClick(bool zaznaczone);
    void KanalPageControlMouseDown(int indeks);
    void KanalPageControlChange(int indeks);
    void PokazStrone(QWidget* zakladka);

    // Editor wiring (EdytorCharakterystyk.cpp) and its steps.
    void PolaczEdytor();
    void ZmianaPunktow(TZakladkaCharakterystyki& zakladka);
    void UkryjStronyWynikow();
    void ZaznaczenieListy(TZakladkaCharakterystyki& zakladka);
    bool TrybAdaptacyjny() const;
    QString FolderModelu(const TZakladkaCharakterystyki& zakladka) const;
    // Sets a control's enabled state, or while the window is locked the state that
    // PrzywrocKontrolki will give it.
    void UstawDostepnosc(QWidget* kontrolka, bool wlaczona);
    // The progress controls cleared and shown, for the worker about to start.
    TKontrolkiPostepuQt WyzerujPostep();
    void RekalkulacjaZakonczona(const TWatek* watek, TZakladkaCharakterystyki* zakladka,
                                std::shared_ptr<WynikRekalkulacji> wynik);
    void RekalkulacjaPrzerwana(const TWatek* watek, const QString& komunikat);

    std::optional<std::uint32_t> Ziarno;
    std::vector<QWidget*> KontrolkiBlokowane;
    std::vector<bool> StanyPrzedBlokada;
    bool Zablokowane = false;
    // The screen cursor before the run started.
    TKursorEkranu KursorPrzedSymulacja;
};
