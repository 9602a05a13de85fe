// One tab of the channel model: the point list of a characteristic with its buttons,
// its chart on a logarithmic frequency axis with the standard's limit and the tab strip
// under it, and the impulse-response view that a recalculation fills.
#pragma once

#include <QString>

#include <cstdint>
#include <filesystem>
#include <memory>

#include "Charakterystyki.h"
#include "PlikModelu.h"
#include "VartoChannel.h"

class QCheckBox;
class QGridLayout;
class QPushButton;
class QScrollArea;
class QTabBar;
class QTreeWidget;
class QVBoxLayout;
class QWidget;
class TFltFltStrumien;
class TWykres;

// Where a tab keeps its model files and how its file dialogs read.
struct TOpisModelu {
    QString Folder;       // under the program's folder
    QString Rozszerzenie; // without the dot
    QString FiltrZapisu;
    QString FiltrOdczytu;
    QString TytulZapisu;
    QString TytulOdczytu;
};

// The series of a characteristic chart, always in this order: the user's points in green,
// the recalculated response in red (no stream until a recalculation), the standard's limit
// dashed (no stream where the standard sets none or the user switched it off).
inline constexpr std::int32_t SeriaPunktow = 0;
inline constexpr std::int32_t SeriaOdpowiedzi = 1;
inline constexpr std::int32_t SeriaLimitu = 2;

struct TZakladkaCharakterystyki {
    QWidget* TabSheet = nullptr;
    QTreeWidget* ListView = nullptr;
    QPushButton* DodajBtn = nullptr;
    QPushButton* EdytujBtn = nullptr;
    QPushButton* UsunBtn = nullptr;
    QPushButton* RekalkulacjaBtn = nullptr;
    QPushButton* WczytajBtn = nullptr;
    QPushButton* ZapiszBtn = nullptr;
    // "Importuj Touchstone…"; none on the regeneration tab, which no measurement gives.
    QPushButton* ImportujBtn = nullptr;
    TWykres* CharWykres = nullptr;
    // The legend entry "Limit" under the chart, which also shows or hides the limit;
    // hidden where the standard sets none.
    QCheckBox* LimitCheckBox = nullptr;
    // The standard's limit as the chart draws it, named "Limit".
    std::unique_ptr<TFltFltStrumien> Limit;
    // Starts with "Charakterystyka"; a recalculation adds the impulse-response tab.
    QTabBar* TabSet = nullptr;
    QScrollArea* ScrollBox = nullptr;
    TWykres* OdpowiedzWykres = nullptr;
    // Room under the buttons for the tab's own options (echo delay, adaptive amplifier).
    QVBoxLayout* KolumnaListy = nullptr;
    // The regeneration list shows gains as they are stored; the others show losses.
    bool Regeneracja = false;
    // The window's point stream that this tab edits.
    TFltFltStrumien* Strumien = nullptr;
    // The last completed recalculation, which the charts may show; none before the first.
    std::shared_ptr<WynikRekalkulacji> Wynik;
    TOpisModelu Model;
};

// Builds the tab's page. nazwa is the characteristic's part of the component names
// ("Tlumienie" gives TlumienieTabSheet, TlumienieListView, WczytajTlumienieBtn, ...).
TZakladkaCharakterystyki ZbudujZakladke(const QString& nazwa, bool regeneracja, QWidget* rodzic);

// The standard's limit for this characteristic (gains, losses negative) onto the chart,
// shown unless the user switched it off; an empty list takes the limit and its legend
// entry away. standard: the standard's name for the legend's hint.
void UstawLimit(TZakladkaCharakterystyki& zakladka, const TCharakterystyka& limit, const QString& standard);
// The limit's hint, naming the standard, in the language in use.
void OpiszLimit(TZakladkaCharakterystyki& zakladka, const QString& standard);

// Scrolls the impulse-response view so that 0 µs stands in the middle.
void WysrodkujOdpowiedz(QScrollArea* box);

// The stream into the list (frequency and level with three decimals, row 0 focused) and
// onto the chart as its points; the impulse-response view and the recalculated curve go.
void PokazCharakterystyke(TZakladkaCharakterystyki& zakladka, TFltFltStrumien& strumien);

// The list read back: frequencies and levels of its rows as stored (losses negated).
TCharakterystyka PunktyListy(const TZakladkaCharakterystyki& zakladka);
// The chart's points become the stream, the recalculated curve goes; repaints.
void PokazPunktyNaWykresie(TZakladkaCharakterystyki& zakladka, TFltFltStrumien& strumien);
// The tab's last recalculation, Wynik: its realised response over the points, its
// impulse response, and the tab that turns to the latter.
void PokazWynikRekalkulacji(TZakladkaCharakterystyki& zakladka);
// Takes away the impulse-response tab of the strip and hides its view.
void UkryjOdpowiedz(TZakladkaCharakterystyki& zakladka);
// The selected row, or -1.
int WybranyWiersz(const TZakladkaCharakterystyki& zakladka);
// Gives row wiersz the focus mark, and with zaznacz also the selection.
void UstawWiersz(TZakladkaCharakterystyki& zakladka, int wiersz, bool zaznacz);
// The frequency of a row, MHz.
float CzestotliwoscWiersza(const TZakladkaCharakterystyki& zakladka, int wiersz);

// Which of "Dodaj", "Edytuj" and "Usuń" a selection allows. The first two points and the
// last one keep their frequencies: nothing is inserted before them and they stay.
// staleWiersze: every row is fixed (the amplifier mirrors the line).
struct TPrzyciskiWyboru {
    bool Dodaj = false;
    bool Edytuj = false;
    bool Usun = false;
};
TPrzyciskiWyboru PrzyciskiWyboru(int wiersz, int liczbaWierszy, bool staleWiersze);

// A file the user chose, as the engine opens it.
std::filesystem::path SciezkaPliku(const QString& plik);

// Model files of a characteristic; on an error the stream stays as it was.
TBladModelu ZapiszCharakterystyke(const QString& plik, TFltFltStrumien& strumien);
TBladModelu WczytajCharakterystyke(const QString& plik, TFltFltStrumien& strumien);
