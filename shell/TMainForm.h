// The main window: a multiple-document area of analyses with the "Symulacja" and
// "Okno" menus, the tool bar and the options table kept in varto.cfg.
#pragma once

#include <QMainWindow>
#include <QSet>

#include "UstawieniaStandardu.h"
#include "WatekOdczytuAnalizy.h"

class QAction;
class QMdiArea;
class QMenu;
class QToolBar;
class QToolButton;
class TSimChildForm;

class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* rodzic = nullptr);
    // Cuts the analysis area off first: the windows it deletes in QWidget's destructor
    // would otherwise report the active window to this class's members, gone by then.
    ~TMainForm() override;

    // Creates an analysis window for the standard (0 to 3) with a copy of its options.
    TSimChildForm* NowaAnaliza(int standard);

    // "Otwórz…": the open dialog, then every file picked as OtworzAnalize opens it.
    void Otworz();
    // Opens the analysis file in a new window: it is read and checked on a worker, and
    // the window appears once it arrives. A file that cannot be opened gives a message
    // and opens nothing; a file already open brings its window forward. AnalizaOtwarta
    // tells the outcome either way.
    void OtworzAnalize(const QString& plik);
    // Files named on the command line: opened at start-up instead of the start dialog.
    void OtworzPlikiStartowe(const QStringList& pliki);
    // "Zapisz analizę" (to the window's file, the results as the last save had them, or
    // as "jako" without a file) and "Zapisz analizę jako…" (the save dialog with its
    // results check box). False when nothing was saved: cancelled, or the file could not
    // be written (a message says why, and the file that was there stays as it was).
    bool ZapiszAnalize(TSimChildForm& analiza, bool jako);
    // Whether an analysis may close: unchanged, or the user saved it or let the changes
    // go when asked; false when the user cancelled or the save failed.
    bool PytajOZapis(TSimChildForm& analiza);
    // The active analysis window, or null.
    TSimChildForm* AktywnaAnaliza() const;
    // The window showing the file, or null.
    TSimChildForm* AnalizaPliku(const QString& plik) const;
    // The start dialog; pokazOtworz also offers "Otwórz analizę z dysku". OK with a
    // standard chosen creates an analysis.
    void UruchomStart(bool pokazOtworz);
    // The options dialog over TabelaUstawien.
    void Opcje();
    // Reads varto.cfg into TabelaUstawien when the file exists.
    void WczytajUstawienia();
    // Called by the splash window when the user dismisses it: the start dialog follows.
    void UstawPokazStart();

    // "Zapisz" and "Drukuj": the active analysis's results as a bitmap or PDF file, or on
    // the default printer (or, with none, as PDF); nothing happens unless it shows results.
    void ZapiszWyniki();
    void DrukujWyniki();
    // The active analysis when it shows results, or null.
    TSimChildForm* AnalizaZWynikami() const;

    // The analyses laid out one above the other or side by side, filling the area.
    void UstawWPoziomie();
    void UstawWPionie();

    TTabelaUstawien TabelaUstawien;
    bool PokazStart = false;

    QMdiArea* ClientArea;
    QToolBar* ToolBar1;
    QMenu* Symulacja1;
    QMenu* Okno1;
    QAction* Nowa1;
    QAction* Otworz1;
    QAction* ZapiszAnalize1;
    QAction* ZapiszAnalizeJako1;
    QAction* Zapisz1;
    QAction* Drukuj1;
    QAction* Opcje1;
    QAction* Zakoncz1;
    QAction* Kaskada1;
    QAction* UstawWPoziomie1;
    QAction* UstawWPionie1;
    QToolButton* NewButton;
    QToolButton* SaveButton;
    QToolButton* PrintButton;
    QToolButton* OpenButton;
    QToolButton* CloseButton;

signals:
    // An analysis file was opened in analiza, or (analiza null) could not be.
    void AnalizaOtwarta(const QString& plik, TSimChildForm* analiza);

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;
    // A file dropped on the window opens.
    void dragEnterEvent(QDragEnterEvent* zdarzenie) override;
    void dropEvent(QDropEvent* zdarzenie) override;
    // An analysis window about to close asks whether to save its changes.
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    TSimChildForm* UtworzAnalize(int standard, const UstawieniaStandardu& opcje);
    void AnalizaWczytana(const TWatekOdczytuAnalizy::TOdczyt& odczyt);
    void ZbudujMenuSymulacja();
    void PolecenieAnalizy(bool jako);
    QAction* DodajPolecenie(const QString& tekst, const QString& nazwa, const QIcon& ikona, QKeySequence skrot);
    QToolButton* DodajPrzycisk(QAction* polecenie, const QString& nazwa);
    void ZbudujMenuOkno();
    void PokazStartJesliTrzeba();

    // Files being read, by their absolute paths, so that one is never opened twice.
    QSet<QString> Wczytywane;
    // Files were named on the command line: the start dialog is not offered.
    bool PlikiStartowe = false;
};
