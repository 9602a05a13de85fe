// One analysis: a child window of the main window for one standard. Its first page holds
// the settings of the input signal and the channel model with the simulation button; the
// result pages follow, hidden until a run fills them. The window drives the run and the
// recalculation through one controller and walks its pages for the report.
#pragma once

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

#include <nlohmann/json.hpp>

#include "JsonSymulacji.h"
#include "KontrolerObliczen.h"
#include "Raport.h"
#include "UslugiQt.h"
#include "UstawieniaStandardu.h"

class QAction;
class QTimer;
class TPageControl;
class TStronaBledow;
class TStronaOkowa;
class TStronaUstawien;
class TStronaWejsc;
class TStronaWyjsc;
class TStronaWynikow;

// The main window's save and print commands that analysis windows switch on and off;
// the tool buttons follow their commands.
struct TPoleceniaWynikow {
    QAction* Zapisz1 = nullptr;
    QAction* Drukuj1 = nullptr;

    void Wlacz(bool wlaczone) const;
};

// The features a window for the analysis u offers: the options of its standard, with every
// channel effect u switches on offered and the decoder as u has it, so that the page gives
// u back as it is.
UstawieniaStandardu OpcjeAnalizy(UstawieniaStandardu opcje, const TUstawieniaSymulacji& u);

class TSimChildForm : public QWidget {
    Q_OBJECT

public:
    // The window with its pages laid out for the options and the default characteristics'
    // charts set up; ustawienia is copied, later changes of the options do not reach it.
    TSimChildForm(const UstawieniaStandardu& ustawienia, TPoleceniaWynikow polecenia, QWidget* oknoGlowne,
                  QWidget* rodzic = nullptr);
    ~TSimChildForm() override;

    // Which channel tabs and check boxes exist and how they start. Called once, right
    // after creation.
    void UstawOpcje(int standard);
    // The standard's texts and the default characteristics. Called once, as the last
    // step of the creation.
    void UstawStandard();
    int Standard() const { return StandardOkna; }
    // The features the options offered for the standard when the window was created.
    const UstawieniaStandardu& Opcje() const { return OpcjeOkna; }

    // Validates the settings page; with every field within its limits it starts a run
    // and returns true.
    bool SimButClick();
    // Cancels the simulation or recalculation in progress and restores the controls.
    void AnulujButClick();
    // The window became the active one: the main window's save and print commands
    // follow whether it shows results.
    void FormActivate();
    // The run itself; Symuluj unless a test lends another.
    void UstawPrzebieg(TKontrolerObliczen::TPrzebieg przebieg);

    bool SymulacjaTrwa() const { return Obliczenia->Trwa() == TKontrolerObliczen::TRodzaj::Symulacja; }
    bool RekalkulacjaTrwa() const { return Obliczenia->Trwa() == TKontrolerObliczen::TRodzaj::Rekalkulacja; }
    // The worker of the computation under way, or null.
    TWatek* WatekObliczen() const { return Obliczenia->Watek(); }
    // The last completed run, which the result pages show; none before the first run and
    // from the start of a run until it completes.
    std::shared_ptr<const TWynikSymulacji> Wyniki() const { return WynikiRunu; }
    // A run has completed in this window.
    bool WynikiGotowe() const { return Gotowe; }

    // The analysis as a document. Its file (empty before the first save), whether it
    // differs from what was last saved or opened (a setting changed, or a run completed
    // since), and the title that says both: "Analiza dla <standard> – <file>[*]".
    const QString& Plik() const { return PlikAnalizy; }
    bool Zmodyfikowana() const;
    // The results on show belong to the settings on the page: they may be saved with them.
    bool WynikiAktualne() const;
    // Whether the last save took the results along; the next "Zapisz analizę" does the same.
    bool ZapisujWyniki() const { return ZWynikami; }
    // Shows an analysis read from plik: its settings on the page and, when it holds them,
    // its results on every page that can show them, without a run. The window counts as
    // saved to plik.
    void OtworzAnalize(TAnaliza analiza, const QString& plik);
    // Writes the analysis to plik through a temporary and an atomic rename, with the
    // results when zWynikami and they belong to the settings. Returns empty, or one
    // English line saying why not; the window counts as saved to plik only after success.
    std::string ZapiszAnalize(const QString& plik, bool zWynikami);
    // The document of the settings on the page and, with zWynikami, of the results.
    nlohmann::json Dokument(bool zWynikami) const;

    TPageControl& Strony() { return *PageControl1; }
    TStronaUstawien& StronaUstawien() { return *Ustawienia; }
    TStronaWejsc& StronaWejsc() { return *Wejscia; }
    TStronaWyjsc& StronaWyjsc() { return *Wyjscia; }
    const TStronaWyjsc& StronaWyjsc() const { return *Wyjscia; }
    TStronaOkowa& StronaOkowa() { return *Oko; }
    TStronaBledow& StronaBledow() { return *Bledy; }
    // Whether a result page's tab is shown.
    bool StronaWidoczna(const QWidget& strona) const;

    // The report of the results on show, section by section in order: the characteristics,
    // then each result page's sections (none before a run has completed). Printing and
    // the bitmap export both walk it.
    TSekcjeRaportu SekcjeRaportu();

    // One tick of the tab highlighting that follows a run (every 100 ms, 15 ticks), and
    // its start from the first tick.
    void TimerTimer();
    void UruchomPodswietlanie();

    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;
    // The title in the new language.
    void changeEvent(QEvent* zdarzenie) override;

private:
    void OdswiezDokument();
    // Whether a result page shows the result w: the options offer it and w has what it draws.
    static bool Pokazuje(const TStronaWynikow& strona, const TWynikSymulacji& w);
    void UruchomSymulacje(const TUstawieniaSymulacji& ustawienia);
    void SymulacjaZakonczona(std::shared_ptr<TWynikSymulacji> wynik);
    void UruchomRekalkulacje(TPoleUstawien charakterystyka);
    void RekalkulacjaZakonczona(std::shared_ptr<WynikRekalkulacji> wynik);
    void ObliczeniePrzerwane(const QString& komunikat);
    void PokazWyniki();
    void ZwolnijWyniki();
    void UkryjStronyWynikow();
    void UstawieniaZmienione();
    void ZmianaStrony(int indeks);
    void PodswietlZakladki(int licznik);

    const UstawieniaStandardu OpcjeOkna;
    int StandardOkna = 0;
    QWidget* OknoGlowne;
    TPoleceniaWynikow Polecenia;

    TPageControl* PageControl1;
    TStronaUstawien* Ustawienia;
    TStronaWejsc* Wejscia;
    TStronaWyjsc* Wyjscia;
    TStronaOkowa* Oko;
    TStronaBledow* Bledy;
    // The result pages in the order of their tabs and of the report.
    std::array<TStronaWynikow*, 4> StronyWynikow{};

    TKontrolerObliczen* Obliczenia;
    std::shared_ptr<TWynikSymulacji> WynikiRunu;
    bool Gotowe = false;
    // The characteristic whose recalculation is under way.
    TPoleUstawien Rekalkulowana = TPoleUstawien::Tlumienie;
    // The screen cursor before the run started.
    TKursorEkranu KursorPrzedSymulacja = TKursorEkranu::Domyslny;

    // Tab highlighting after a run, and its tick count.
    QTimer* Timer;
    int LicznikTimera = 0;

    // The document: its file, the settings as last saved or opened, whether a run has
    // completed since, and whether the last save took the results.
    QString PlikAnalizy;
    nlohmann::json ZapisaneUstawienia;
    bool WynikiNiezapisane = false;
    bool ZWynikami = true;
};
