// One tab of the channel model: the point list of a characteristic with its buttons,
// its chart on a logarithmic frequency axis with the tab strip under it, and the
// impulse-response view that a recalculation fills.
#pragma once

#include <QString>

class QGridLayout;
class QPushButton;
class QScrollArea;
class QTabBar;
class QTreeWidget;
class QVBoxLayout;
class QWidget;
class TFltFltStrumien;
class TWykres;

struct TZakladkaCharakterystyki {
    QWidget* TabSheet = nullptr;
    QTreeWidget* ListView = nullptr;
    QPushButton* DodajBtn = nullptr;
    QPushButton* EdytujBtn = nullptr;
    QPushButton* UsunBtn = nullptr;
    QPushButton* RekalkulacjaBtn = nullptr;
    QPushButton* WczytajBtn = nullptr;
    QPushButton* ZapiszBtn = nullptr;
    TWykres* CharWykres = nullptr;
    // Starts with "Charakterystyka"; a recalculation adds the impulse-response tab.
    QTabBar* TabSet = nullptr;
    QScrollArea* ScrollBox = nullptr;
    TWykres* OdpowiedzWykres = nullptr;
    // Room under the buttons for the tab's own options (echo delay, adaptive amplifier).
    QVBoxLayout* KolumnaListy = nullptr;
    // The regeneration list shows gains as they are stored; the others show losses.
    bool Regeneracja = false;
};

// Builds the tab's page. nazwa is the characteristic's part of the component names
// ("Tlumienie" gives TlumienieTabSheet, TlumienieListView, WczytajTlumienieBtn, ...).
TZakladkaCharakterystyki ZbudujZakladke(const QString& nazwa, bool regeneracja, QWidget* rodzic);

// The stream into the list (frequency and level with three decimals, row 0 focused) and
// onto the chart as series 0 in green; the impulse-response view and the recalculated
// series go away.
void PokazCharakterystyke(TZakladkaCharakterystyki& zakladka, TFltFltStrumien& strumien);
