// The result pages of the analysis window (inputs; outputs with the decoded sequences;
// the eye diagram; the error analysis): how they are laid out for the window's options,
// how the first run builds their charts from its streams and later runs refresh them,
// and their zoom boxes, legends, tab sets and tab highlighting.
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>

#include "Standardy.h"
#include "TLegenda.h"
#include "TObszarPasm.h"
#include "TPageControl.h"
#include "TPanelRozkladow.h"
#include "TSimChildForm.h"
#include "Vartostream.h"
#include "Wykres.h"

namespace {

constexpr TColor Czerwony = 0x0000FF;
constexpr TColor Zielony = 0x008000;
constexpr TColor Bordowy = 0x000080;
constexpr TColor Niebieski = 0xFF0000;
constexpr TColor Srebrny = 0xC0C0C0;

constexpr int SzerokoscPaneluNazwy = 90;
constexpr int SzerokoscNazwy = 80;
constexpr int WysokoscLegendyZRegeneracja = 80;
constexpr int WysokoscLegendyBezRegeneracji = 63;
constexpr int WysokoscLegendyZdekodowanych = 42;
constexpr int SzerokoscLegendy = 330;
constexpr int OkresPodswietlaniaMs = 100;
constexpr int TykniecPodswietlania = 15;

// The stream's name on a white panel at the left of a description chart, as high as
// the chart whatever its strip's height.
class TPanelNazwy : public QWidget {
public:
    TPanelNazwy(const QString& nazwa, TWykres* wykres) : QWidget(wykres)
    {
        setObjectName(QStringLiteral("PanelNazwy"));
        setAutoFillBackground(true);
        QPalette paleta = palette();
        paleta.setColor(QPalette::Window, Qt::white);
        setPalette(paleta);
        Etykieta = new QLabel(nazwa, this);
        Etykieta->setObjectName(QStringLiteral("EtykietaNazwy"));
        Etykieta->setTextFormat(Qt::PlainText);
        Etykieta->setAlignment(Qt::AlignCenter);
        Etykieta->setWordWrap(true);
        QFont pogrubiona = Etykieta->font();
        pogrubiona.setBold(true);
        Etykieta->setFont(pogrubiona);
        wykres->installEventFilter(this);
        Dopasuj();
        show();
    }

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override
    {
        if (zdarzenie->type() == QEvent::Resize)
            Dopasuj();
        return QWidget::eventFilter(obiekt, zdarzenie);
    }

private:
    void Dopasuj()
    {
        setGeometry(0, 0, SzerokoscPaneluNazwy, parentWidget()->height());
        Etykieta->setGeometry(SzerokoscPaneluNazwy - SzerokoscNazwy, 0, SzerokoscNazwy, height());
    }

    QLabel* Etykieta;
};

QString Nazwa(const TFltFltStrumien& strumien)
{
    return QString::fromStdString(strumien.ZwrocNazwe());
}

// A stream's hint of decimals: truncated, and kept within what a label can show.
int Precyzja(float wskazowka)
{
    return std::isfinite(wskazowka) ? static_cast<int>(std::clamp(wskazowka, 0.0f, 9.0f)) : 0;
}

void SiatkaWStrzepach(TSiatka& siatka)
{
    siatka.UstawLinieSiatki(lsGlowne);
    siatka.UstawStylLiniiGlownych(psSolid);
    siatka.UstawLinieNaMarginesieOsi(true);
    siatka.UstawKolor(Srebrny);
}

// A waveform chart: curves on a grid of the X divisions (and of the Y divisions when
// asked), no tick marks, no labels, no Y axis line.
void SzablonPrzebiegu(TWykres& w, bool siatkaY)
{
    SiatkaWStrzepach(w.OsX.Siatka);
    w.OsX.Znaczniki.UstawZnaczniki(zBrak);
    w.OsX.Znaczniki.UstawOpisyZnacznikow(zBrak);
    if (siatkaY)
        SiatkaWStrzepach(w.OsY.Siatka);
    else
        w.OsY.Siatka.UstawLinieSiatki(lsBrak);
    w.OsY.Znaczniki.UstawZnaczniki(zBrak);
    w.OsY.Znaczniki.UstawOpisyZnacznikow(zBrak);
    w.OsY.UstawWyswietlOs(false);
    w.UstawMarginesLewy(0);
}

// A description chart: only the Y axis, standing at the right edge with its labels to
// its left.
void SzablonOpisu(TWykres& w)
{
    w.OsX.Siatka.UstawLinieSiatki(lsBrak);
    w.OsX.Znaczniki.UstawZnaczniki(zBrak);
    w.OsX.Znaczniki.UstawOpisyZnacznikow(zBrak);
    w.OsY.Siatka.UstawLinieSiatki(lsBrak);
    w.OsY.Znaczniki.UstawZnaczniki(zGlowne);
    w.OsY.Znaczniki.UstawOpisyZnacznikow(zGlowne);
    w.UstawMarginesLewy(0);
    w.UstawMarginesPrawy(1);
    w.OsX.UstawWyswietlOs(false);
    w.OsX.UstawMin(-1.0f);
    w.OsX.UstawPrzeciecie(0.0f);
    w.OsX.UstawMax(0.0f);
}

void UstawZakresY(TWykres& w, float min, float max, float skala)
{
    w.OsY.UstawMin(min);
    w.OsY.UstawMax(max);
    w.OsY.UstawSkala(skala);
}

// The X axis runs over the stream's visible points and is crossed at the first.
void UstawZakresX(TWykres& w, TFltFltStrumien& s)
{
    const std::int32_t n = s.ZwrocDlugosc();
    if (n == 0)
        return;
    const float pierwszy = s.Zwroc(0).X;
    const float ostatni = s.Zwroc(n - 1).X;
    w.OsX.UstawMin(pierwszy);
    w.OsX.UstawPrzeciecie(pierwszy);
    w.OsX.UstawMax(ostatni);
}

void ZastapLubDodaj(TWykres& w, std::int32_t indeks, TFltFltStrumien* s, TColor kolor)
{
    if (w.ModyfikujSerie(indeks, s, kolor, psSolid) < 0)
        w.DodajSerie(s, kolor, psSolid);
}

QTabBar* ZestawZakladek(const QString& nazwa, const QStringList& zakladki, QWidget* rodzic)
{
    auto* zestaw = new QTabBar(rodzic);
    zestaw->setObjectName(nazwa);
    zestaw->setShape(QTabBar::RoundedSouth);
    zestaw->setDrawBase(false);
    zestaw->setExpanding(false);
    for (const QString& z : zakladki)
        zestaw->addTab(z);
    return zestaw;
}

QWidget* PanelLegendy(const QString& nazwa, TLegenda* legenda, int wysokosc)
{
    auto* panel = new QWidget;
    panel->setObjectName(nazwa);
    panel->setFixedSize(SzerokoscLegendy, wysokosc);
    auto* uklad = new QVBoxLayout(panel);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(legenda);
    return panel;
}

QLabel* Etykieta(const QString& tekst, const QString& nazwa, QWidget* rodzic)
{
    auto* etykieta = new QLabel(tekst, rodzic);
    etykieta->setObjectName(nazwa);
    etykieta->setTextFormat(Qt::PlainText);
    etykieta->adjustSize();
    return etykieta;
}

} // namespace

void TSimChildForm::ZbudujStronyWynikow()
{
    const auto dodajStrone = [this](const QString& nazwa, const QString& tytul) {
        auto* strona = new QWidget(PageControl1);
        strona->setObjectName(nazwa);
        PageControl1->setTabVisible(PageControl1->addTab(strona, tytul), false);
        return strona;
    };
    TabSheetWejsciowe = dodajStrone(QStringLiteral("TabSheetWejsciowe"), QStringLiteral(" Ciągi i sygnały wejściowe "));
    TabSheetWyjsciowe = dodajStrone(QStringLiteral("TabSheetWyjsciowe"), QStringLiteral(" Ciągi i sygnały wyjściowe "));
    TabSheetOkowy = dodajStrone(QStringLiteral("TabSheetOkowy"), QStringLiteral("Wykres okowy"));
    ErrorTabSheet = dodajStrone(QStringLiteral("ErrorTabSheet"), QStringLiteral("Analiza błędów"));

    auto* wejsciowe = new QVBoxLayout(TabSheetWejsciowe);
    wejsciowe->setContentsMargins(6, 6, 6, 6);
    wejsciowe->addWidget(
        ZbudujStronePasm(QStringLiteral("Wejsciowe"), ZoomWejscioweCombo, PasmaWejsciowe, 5, 3, nullptr));

    LegendaWyjsciowe = new TLegenda(QStringLiteral("LegendaWyjsciowe"), nullptr);
    Panel14 = PanelLegendy(QStringLiteral("Panel14"), LegendaWyjsciowe, WysokoscLegendyZRegeneracja);
    PanelWyjsciowe = ZbudujStronePasm(QStringLiteral("Wyjsciowe"), ZoomWyjscioweCombo, PasmaWyjsciowe, 1, 2, Panel14);
    LegendaZdekodowane = new TLegenda(QStringLiteral("LegendaZdekodowane"), nullptr);
    PanelZdekodowane =
        ZbudujStronePasm(QStringLiteral("Zdekodowane"), ZoomZdekodowaneCombo, PasmaZdekodowane, 1, 2,
                         PanelLegendy(QStringLiteral("PanelLegendyZdekodowane"), LegendaZdekodowane,
                                      WysokoscLegendyZdekodowanych));
    StronyWyjsciowe = new QStackedWidget(TabSheetWyjsciowe);
    StronyWyjsciowe->setObjectName(QStringLiteral("StronyWyjsciowe"));
    StronyWyjsciowe->addWidget(PanelWyjsciowe);
    StronyWyjsciowe->addWidget(PanelZdekodowane);
    TabSetWyjsciowe = ZestawZakladek(
        QStringLiteral("TabSetWyjsciowe"),
        {QStringLiteral("Sygnały po przejściu przez kanał i regenracji"), QStringLiteral("Ciągi zdekodowane")},
        TabSheetWyjsciowe);
    auto* wyjsciowe = new QVBoxLayout(TabSheetWyjsciowe);
    wyjsciowe->setContentsMargins(6, 6, 6, 0);
    wyjsciowe->setSpacing(0);
    wyjsciowe->addWidget(StronyWyjsciowe, 1);
    wyjsciowe->addWidget(TabSetWyjsciowe, 0, Qt::AlignLeft);
    connect(LegendaWyjsciowe, &TLegenda::SeriaPrzelaczona, this,
            [this](int seria, bool widoczna) { PrzelaczSerie(PasmaWyjsciowe, seria, widoczna); });
    connect(LegendaZdekodowane, &TLegenda::SeriaPrzelaczona, this,
            [this](int seria, bool widoczna) { PrzelaczSerie(PasmaZdekodowane, seria, widoczna); });
    connect(TabSetWyjsciowe, &QTabBar::currentChanged, this, &TSimChildForm::TabSetWyjscioweChange);

    WykresOkowy = new TWykres(TabSheetOkowy);
    WykresOkowy->setObjectName(QStringLiteral("WykresOkowy"));
    WykresOkowy->OsX.UstawTypOsi(toOkowa);
    WykresOkowy->OsX.UstawKolor(Srebrny);
    WykresOkowy->OsX.Siatka.UstawKolor(Srebrny);
    WykresOkowy->OsX.Znaczniki.UstawZnaczniki(zBrak);
    WykresOkowy->OsX.Znaczniki.UstawOpisyZnacznikow(zBrak);
    WykresOkowy->OsY.Znaczniki.UstawZnaczniki(zGlowne);
    WykresOkowy->OsY.Znaczniki.UstawOpisyZnacznikow(zGlowne);
    WykresOkowy->OsY.Znaczniki.UstawPrecyzjaOpisu(3);
    WykresOkowy->OsY.Siatka.UstawLinieSiatki(lsGlowne);
    WykresOkowy->UstawMarginesLewy(40);
    auto* okowy = new QVBoxLayout(TabSheetOkowy);
    okowy->setContentsMargins(6, 6, 6, 6);
    okowy->addWidget(WykresOkowy);

    ZbudujStroneBledow();

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(OkresPodswietlaniaMs);
    connect(Timer, &QTimer::timeout, this, &TSimChildForm::TimerTimer);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int indeks) {
        PageControl1Change();
        PokazStronePasm(PageControl1->widget(indeks));
    });
}

QWidget* TSimChildForm::ZbudujStronePasm(const QString& nazwa, QComboBox*& zoom, TObszarPasm*& pasma, int mieszczace,
                                         int naEkranie, QWidget* legenda)
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel") + nazwa);

    auto* grupa = new QGroupBox(QStringLiteral(" Skalowanie osi czasu "), panel);
    grupa->setObjectName(QStringLiteral("GroupBoxZoom") + nazwa);
    zoom = new QComboBox(grupa);
    zoom->setObjectName(QStringLiteral("Zoom") + nazwa + QStringLiteral("Combo"));
    zoom->addItems({QStringLiteral("50%"), QStringLiteral("75%"), QStringLiteral("100%"), QStringLiteral("125%"),
                    QStringLiteral("150%")});
    zoom->setCurrentIndex(2);
    auto* ukladGrupy = new QHBoxLayout(grupa);
    ukladGrupy->addWidget(zoom);
    ukladGrupy->addStretch(1);
    grupa->setFixedWidth(170);

    pasma = new TObszarPasm(nazwa, mieszczace, naEkranie, zoom, panel);
    TObszarPasm* obszar = pasma;
    // The charts take the new scale on their next paint; the same item again changes nothing.
    connect(zoom, &QComboBox::currentIndexChanged, obszar, [obszar] { obszar->Powieksz(); });

    auto* gorny = new QHBoxLayout;
    gorny->setSpacing(8);
    gorny->addWidget(grupa, 0, Qt::AlignTop);
    if (legenda)
        gorny->addWidget(legenda, 0, Qt::AlignTop);
    gorny->addStretch(1);
    auto* uklad = new QVBoxLayout(panel);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(6);
    uklad->addLayout(gorny);
    uklad->addWidget(pasma, 1);
    return panel;
}

void TSimChildForm::ZbudujStroneBledow()
{
    Panel3 = new TPanelRozkladow(ErrorTabSheet);
    BledyTabSet = ZestawZakladek(QStringLiteral("BledyTabSet"),
                                 {QStringLiteral("Rozkład błędów"), QStringLiteral("Dystrybuanta")}, ErrorTabSheet);
    BledyTabSet->hide();
    connect(BledyTabSet, &QTabBar::currentChanged, this, &TSimChildForm::BledyTabSetChange);

    QFont pogrubiona = font();
    pogrubiona.setBold(true);
    const int wiersz = fontMetrics().height();
    const int lewy = 12;
    const int gora = wiersz + 10;

    GroupBox2 = new QGroupBox(QStringLiteral(" Estymacja błędów funkcją ERF "), ErrorTabSheet);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setFixedHeight(gora + 3 * wiersz + 10);
    Label6 = Etykieta(QStringLiteral("Bitowa stopa błędu (BER):"), QStringLiteral("Label6"), GroupBox2);
    Label6->move(lewy, gora);
    BERLabel = Etykieta(QString(), QStringLiteral("BERLabel"), GroupBox2);
    BERLabel->setFont(pogrubiona);
    BERLabel->move(Label6->x() + Label6->width() + 8, gora);
    ExpBERLabel = Etykieta(QString(), QStringLiteral("ExpBERLabel"), GroupBox2);
    QFont wykladnik = pogrubiona;
    wykladnik.setPixelSize(9);
    ExpBERLabel->setFont(wykladnik);
    BERLabel2 = Etykieta(QString(), QStringLiteral("BERLabel2"), GroupBox2);
    BERLabel2->move(lewy, gora + 2 * wiersz);

    GroupBox3 = new QGroupBox(QStringLiteral(" Poprawność ciągu zdekodowanego "), ErrorTabSheet);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setFixedHeight(gora + 2 * wiersz);
    TimeErrorLabel = Etykieta(QString(), QStringLiteral("TimeErrorLabel"), GroupBox3);
    TimeErrorLabel->move(lewy, gora);
    TimeErrorLabel->setMinimumWidth(400);

    auto* uklad = new QVBoxLayout(ErrorTabSheet);
    uklad->setContentsMargins(6, 6, 6, 6);
    uklad->setSpacing(0);
    uklad->addWidget(Panel3, 1);
    uklad->addWidget(BledyTabSet, 0, Qt::AlignLeft);
    uklad->addSpacing(6);
    uklad->addWidget(GroupBox2);
    uklad->addSpacing(6);
    uklad->addWidget(GroupBox3);
}

void TSimChildForm::UstawOpcjeWynikow()
{
    if (Ustawienia.Dekoder == 0) {
        delete PanelZdekodowane;
        PanelZdekodowane = nullptr;
        ZoomZdekodowaneCombo = nullptr;
        LegendaZdekodowane = nullptr;
        PasmaZdekodowane = nullptr;
        // One page of signals needs no tabs to switch between.
        TabSetWyjsciowe->hide();
        GroupBox3->hide();
    }
    if (Ustawienia.BerErf == 0)
        GroupBox2->hide();
    if (Ustawienia.RozkladyBledow == 0) {
        delete Panel3;
        delete BledyTabSet;
        Panel3 = nullptr;
        BledyTabSet = nullptr;
        // The estimate, or else the decoded sequence's correctness, takes the whole page.
        auto* uklad = static_cast<QVBoxLayout*>(ErrorTabSheet->layout());
        QGroupBox* wypelnia = Ustawienia.BerErf != 0 ? GroupBox2 : GroupBox3;
        wypelnia->setMaximumHeight(QWIDGETSIZE_MAX);
        uklad->setStretchFactor(wypelnia, 1);
    }
}

void TSimChildForm::BudujPasmaWejsciowe()
{
    TWynikSymulacji& w = *Wyniki;
    TObszarPasm& pasma = *PasmaWejsciowe;
    const auto liczbaTypow = static_cast<std::int32_t>(w.Wejsciowe.size());
    pasma.UtworzPasma(liczbaTypow);
    for (std::int32_t k = 0; k < liczbaTypow; ++k) {
        TFltFltStrumien& s = *w.Wejsciowe[static_cast<std::size_t>(k)];
        TWykres& opis = *pasma.Panele[static_cast<std::size_t>(k)];
        SzablonOpisu(opis);
        new TPanelNazwy(Nazwa(s), &opis);
        opis.OsY.Znaczniki.UstawPrecyzjaOpisu(Precyzja(s.PrecyzjaY));
        UstawZakresY(opis, s.MinY, s.MaxY, s.SkalaY);
        opis.show();

        TWykres& przebieg = *pasma.Wykresy[static_cast<std::size_t>(k)];
        SzablonPrzebiegu(przebieg, false);
        przebieg.OsX.UstawWyswietlOs(k == liczbaTypow - 1);
        przebieg.OsX.UstawSkalaPiksele(pasma.SkalaPikseli());
        UstawZakresY(przebieg, s.MinY, s.MaxY, s.SkalaY);
        UstawZakresX(przebieg, s);
        przebieg.OsX.UstawSkala(s.SkalaX);
        przebieg.DodajSerie(&s, Czerwony, psSolid);
        przebieg.show();
    }
}

void TSimChildForm::OdswiezPasmaWejsciowe()
{
    TWynikSymulacji& w = *Wyniki;
    for (std::size_t k = 0; k < w.Wejsciowe.size(); ++k) {
        TFltFltStrumien& s = *w.Wejsciowe[k];
        TWykres& przebieg = *PasmaWejsciowe->Wykresy[static_cast<std::size_t>(k)];
        przebieg.ModyfikujSerie(0, &s, Czerwony, psSolid);
        UstawZakresX(przebieg, s);
    }
}

void TSimChildForm::BudujPasmaWyjsciowe()
{
    TWynikSymulacji& w = *Wyniki;
    const TStandard& st = Standardy[static_cast<std::size_t>(Standard)];
    const float minY = st.PoziomMin - st.MarginesDecyzji;
    const float maxY = st.PoziomMax + st.MarginesDecyzji;
    const auto liczbaTorow = static_cast<std::int32_t>(w.Tory.size());
    const bool nazwy = liczbaTorow > 1;
    TObszarPasm& wyjsciowe = *PasmaWyjsciowe;
    wyjsciowe.UtworzPasma(liczbaTorow);
    if (PasmaZdekodowane)
        PasmaZdekodowane->UtworzPasma(liczbaTorow);

    for (std::int32_t i = 0; i < liczbaTorow; ++i) {
        const auto t = static_cast<std::size_t>(i);
        const TTorWyniku& tor = w.Tory[t];
        TFltFltStrumien& poKanale = *tor.Odebrany;
        WykresOkowy->DodajSerie(tor.Wejscie(), Czerwony, psSolid);

        TWykres& opis = *wyjsciowe.Panele[t];
        SzablonOpisu(opis);
        if (nazwy)
            new TPanelNazwy(Nazwa(poKanale), &opis);
        UstawZakresY(opis, minY, maxY, st.MarginesDecyzji);
        opis.OsY.Znaczniki.UstawPrecyzjaOpisu(2);
        opis.show();

        TWykres& przebieg = *wyjsciowe.Wykresy[t];
        SzablonPrzebiegu(przebieg, true);
        przebieg.OsX.UstawSkala(1.0f);
        przebieg.OsX.UstawSkalaPiksele(wyjsciowe.SkalaPikseli());
        UstawZakresY(przebieg, minY, maxY, st.MarginesDecyzji);
        UstawZakresX(przebieg, poKanale);
        przebieg.DodajSerie(&poKanale, Czerwony, psSolid);
        przebieg.DodajSerie(tor.Wyslany, Zielony, psSolid);
        przebieg.DodajSerie(tor.Wzmocniony.get(), Bordowy, psSolid);
        if (tor.Zregenerowany)
            przebieg.DodajSerie(tor.Zregenerowany.get(), Niebieski, psSolid);
        przebieg.show();

        if (!PasmaZdekodowane)
            continue;
        TFltFltStrumien& zdekodowany = *tor.Zdekodowany;
        TWykres& opisZd = *PasmaZdekodowane->Panele[t];
        SzablonOpisu(opisZd);
        if (nazwy)
            new TPanelNazwy(Nazwa(poKanale), &opisZd);
        UstawZakresY(opisZd, static_cast<float>(st.SymbolMin), static_cast<float>(st.SymbolMax), 1.0f);
        // Symbols are whole numbers.
        opisZd.OsY.Znaczniki.UstawPrecyzjaOpisu(0);
        opisZd.show();

        TWykres& przebiegZd = *PasmaZdekodowane->Wykresy[t];
        SzablonPrzebiegu(przebiegZd, false);
        przebiegZd.OsX.UstawWyswietlOs(false);
        przebiegZd.OsX.UstawSkala(1.0f);
        przebiegZd.OsX.UstawSkalaPiksele(PasmaZdekodowane->SkalaPikseli());
        UstawZakresY(przebiegZd, static_cast<float>(st.SymbolMin), static_cast<float>(st.SymbolMax), 1.0f);
        UstawZakresX(przebiegZd, zdekodowany);
        przebiegZd.DodajSerie(&zdekodowany, Czerwony, psSolid);
        przebiegZd.DodajSerie(tor.Wzorzec, Zielony, psSolid);
        przebiegZd.show();
    }
}

void TSimChildForm::OdswiezPasmaWyjsciowe()
{
    TWynikSymulacji& w = *Wyniki;
    for (std::size_t t = 0; t < w.Tory.size(); ++t) {
        const TTorWyniku& tor = w.Tory[t];
        TWykres& przebieg = *PasmaWyjsciowe->Wykresy[t];
        TWykres* przebiegZd = PasmaZdekodowane ? PasmaZdekodowane->Wykresy[t] : nullptr;
        if (przebiegZd) {
            przebiegZd->PokazUkryjSerie(0, true);
            przebiegZd->PokazUkryjSerie(1, true);
        }
        for (std::int32_t seria = 0; seria < 4; ++seria)
            przebieg.PokazUkryjSerie(seria, true);

        TFltFltStrumien& poKanale = *tor.Odebrany;
        przebieg.ModyfikujSerie(0, &poKanale, Czerwony, psSolid);
        przebieg.ModyfikujSerie(1, tor.Wyslany, Zielony, psSolid);
        przebieg.ModyfikujSerie(2, tor.Wzmocniony.get(), Bordowy, psSolid);
        if (tor.Zregenerowany)
            ZastapLubDodaj(przebieg, 3, tor.Zregenerowany.get(), Niebieski);
        else
            przebieg.UsunSerie(3);
        UstawZakresX(przebieg, poKanale);
        WykresOkowy->ModyfikujSerie(static_cast<std::int32_t>(t), tor.Wejscie(), Czerwony, psSolid);

        if (przebiegZd) {
            TFltFltStrumien& zdekodowany = *tor.Zdekodowany;
            przebiegZd->ModyfikujSerie(0, &zdekodowany, Czerwony, psSolid);
            przebiegZd->ModyfikujSerie(1, tor.Wzorzec, Zielony, psSolid);
            UstawZakresX(*przebiegZd, zdekodowany);
        }
    }
}

void TSimChildForm::UstawLegendy()
{
    const bool regeneracja = Wyniki->Ustawienia.Regeneracja;
    LegendaWyjsciowe->Wyczysc();
    LegendaWyjsciowe->DodajWiersz(QStringLiteral("Sygnał przed wprowadzeniem do kanału"), 1, 1);
    LegendaWyjsciowe->DodajWiersz(QStringLiteral("Sygnał po przeprowadzeniu przez kanał"), 0, 0);
    if (regeneracja)
        LegendaWyjsciowe->DodajWiersz(QStringLiteral("Sygnał po regeneracji"), 3, 2);
    LegendaWyjsciowe->DodajWiersz(QStringLiteral("Sygnał po wzmocnieniu"), 2, 3);
    Panel14->setFixedHeight(regeneracja ? WysokoscLegendyZRegeneracja : WysokoscLegendyBezRegeneracji);
    if (LegendaZdekodowane) {
        LegendaZdekodowane->Wyczysc();
        LegendaZdekodowane->DodajWiersz(QStringLiteral("Ciąg przed wprowadzeniem w kanał"), 1, 1);
        LegendaZdekodowane->DodajWiersz(QStringLiteral("Ciąg otrzymany w procesie dekodowania"), 0, 0);
    }
}

void TSimChildForm::UstawWykresOkowy()
{
    const TWynikSymulacji& w = *Wyniki;
    float maks = w.Tory[0].Wejscie()->MaxY;
    float min = w.Tory[0].Wejscie()->MinY;
    for (const TTorWyniku& tor : w.Tory) {
        maks = std::max(maks, tor.Wejscie()->MaxY);
        min = std::min(min, tor.Wejscie()->MinY);
    }
    // Labelled at its two ends only; a flat trace still gets a range to stand in.
    if (maks - min == 0.0f)
        UstawZakresY(*WykresOkowy, -0.01f, 0.01f, 0.02f);
    else
        UstawZakresY(*WykresOkowy, min, maks, maks - min);
    WykresOkowy->OsX.UstawMax(Standardy[static_cast<std::size_t>(Standard)].KodStandardu == 0 ? 0.5f : 1.0f);
}

void TSimChildForm::UstawWykresyBledow()
{
    if (!Panel3)
        return;
    const TWynikSymulacji& w = *Wyniki;
    const float m = w.NajwiekszyBlad;
    if (m != 0.0f) {
        const float margines = Standardy[static_cast<std::size_t>(Standard)].MarginesDecyzji;
        for (TWykres* wykres : {Panel3->RozkladBledowWykres, Panel3->DystrBledowWykres}) {
            wykres->OsX.UstawMax(m);
            wykres->OsX.UstawSkala(m);
            wykres->OsX.UstawSkalaPom(margines);
        }
        Panel3->RozkladBledowWykres->OsY.UstawMax(w.SzczytRozkladu);
        Panel3->RozkladBledowWykres->OsY.UstawSkala(w.SzczytRozkladu);
        ZastapLubDodaj(*Panel3->RozkladBledowWykres, 0, w.Rozklad.get(), Czerwony);
        ZastapLubDodaj(*Panel3->DystrBledowWykres, 0, w.Dystrybuanta.get(), Czerwony);
    }
    Panel3->PokazWykresy(m != 0.0f);
    BledyTabSet->setVisible(m != 0.0f);
}

void TSimChildForm::ZakonczAktualizacjeWidokow()
{
    if (Panel3) {
        Panel3->DystrBledowWykres->hide();
        BledyTabSet->setCurrentIndex(0);
    }
    update();
    WynikiGotowe = true;
    for (QWidget* strona : {TabSheetWejsciowe, TabSheetWyjsciowe, TabSheetOkowy})
        PageControl1->setTabVisible(PageControl1->indexOf(strona), true);
    const bool bledy = Ustawienia.RozkladyBledow != 0 || Ustawienia.BerErf != 0 || Ustawienia.Dekoder != 0;
    PageControl1->setTabVisible(PageControl1->indexOf(ErrorTabSheet), bledy);
    StronyWyjsciowe->setCurrentWidget(PanelWyjsciowe);
    TabSetWyjsciowe->setCurrentIndex(0);
    // The strips at 100 %, for the boxes as they stand now.
    for (TObszarPasm* pasma : {PasmaWejsciowe, PasmaWyjsciowe, PasmaZdekodowane})
        if (pasma)
            pasma->Rozmiesc();
    Polecenia.Wlacz(true);
    LicznikTimera = 0;
    Timer->start();
}

void TSimChildForm::PrzelaczSerie(TObszarPasm* pasma, int seria, bool widoczna)
{
    for (TWykres* w : pasma->Wykresy)
        w->PokazUkryjSerie(seria, widoczna);
}

void TSimChildForm::PokazStronePasm(QWidget* strona)
{
    if (!WynikiGotowe)
        return;
    std::array<TObszarPasm*, 2> pasma{};
    if (strona == TabSheetWejsciowe)
        pasma = {PasmaWejsciowe, nullptr};
    else if (strona == TabSheetWyjsciowe)
        pasma = {PasmaWyjsciowe, PasmaZdekodowane};
    for (TObszarPasm* p : pasma) {
        if (p) {
            p->Rozmiesc();
            p->PrzewinDoPoczatku();
        }
    }
}

void TSimChildForm::TabSetWyjscioweChange(int indeks)
{
    if (PanelZdekodowane) {
        StronyWyjsciowe->setCurrentWidget(indeks == 1 ? PanelZdekodowane : PanelWyjsciowe);
        if (indeks == 1)
            PasmaZdekodowane->PrzewinDoPoczatku();
    }
    PasmaWyjsciowe->PrzewinDoPoczatku();
}

void TSimChildForm::BledyTabSetChange(int indeks)
{
    Panel3->DystrBledowWykres->setVisible(indeks == 1);
}

void TSimChildForm::PodswietlZakladki(int t)
{
    const bool bledy = Ustawienia.RozkladyBledow != 0 || Ustawienia.BerErf != 0 || Ustawienia.Dekoder != 0;
    PageControl1->UstawPodswietlenie(TabSheetWejsciowe, t % 5 == 1);
    PageControl1->UstawPodswietlenie(TabSheetWyjsciowe, (t - 1) % 5 == 1);
    PageControl1->UstawPodswietlenie(TabSheetOkowy, (t - 2) % 5 == 1);
    PageControl1->UstawPodswietlenie(ErrorTabSheet, bledy && (t - 3) % 5 == 1);
}

void TSimChildForm::TimerTimer()
{
    ++LicznikTimera;
    PodswietlZakladki(LicznikTimera);
    if (LicznikTimera >= TykniecPodswietlania)
        Timer->stop();
}

void TSimChildForm::PageControl1Change()
{
    Timer->stop();
    PodswietlZakladki(0);
}
