// The main window: a multiple-document area of analyses with the "Symulacja" and
// "Okno" menus, the tool bar and the options table kept in varto.cfg.
#pragma once

#include <QMainWindow>

#include "UstawieniaStandardu.h"

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

    // Creates an analysis window for the standard (0 to 3) with a copy of its options.
    TSimChildForm* NowaAnaliza(int standard);
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

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;

private:
    QAction* DodajPolecenie(const QString& tekst, const QString& nazwa, const QIcon& ikona, QKeySequence skrot);
    QToolButton* DodajPrzycisk(QAction* polecenie, const QString& nazwa);
    void ZbudujMenuOkno();
    void PokazStartJesliTrzeba();
};
