#include "StronaOkowa.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Liczby.h"
#include "Oko.h"
#include "JezykQt.h"
#include "SzablonyWykresow.h"
#include "Wykres.h"

namespace {

// Pixels of the table at most; more rows scroll.
constexpr int NajwyzszaTabela = 220;

// What a run could not measure.
const QString Brak = QStringLiteral("—");
const char* const Zamkniete = QT_TRANSLATE_NOOP("TTekst", "zamknięte");

QString Liczba(const std::optional<double>& x, double mnoznik, int miejsca)
{
    return x ? QString::fromStdString(FormatujStalo(*x * mnoznik, miejsca)) : Brak;
}

// An opening: 0 reads as closed, never as a size.
QString Otwarcie(const std::optional<double>& x, double mnoznik, int miejsca)
{
    if (x && *x <= 0.0)
        return TTekst::tr(Zamkniete);
    return Liczba(x, mnoznik, miejsca);
}

QString Poziom(const TPoziomOka& p, double wartosc, double mnoznik, int miejsca)
{
    return p.Liczba > 0 ? QString::fromStdString(FormatujStalo(wartosc * mnoznik, miejsca)) : Brak;
}

} // namespace

TStronaOkowa::TStronaOkowa(QWidget* rodzic) : TStronaWynikow(rodzic)
{
    setObjectName(QStringLiteral("TabSheetOkowy"));
    auto* pasek = new QHBoxLayout;
    auto* etykieta = new QLabel(TTekst::tr("Widok:"), this);
    WidokCombo = new QComboBox(this);
    WidokCombo->setObjectName(QStringLiteral("WidokOkaCombo"));
    WidokCombo->addItem(TTekst::tr("Przebiegi nałożone"));
    WidokCombo->addItem(TTekst::tr("Gęstość"));
    etykieta->setBuddy(WidokCombo);
    LogarytmicznaCheck = new QCheckBox(TTekst::tr("Skala logarytmiczna"), this);
    LogarytmicznaCheck->setObjectName(QStringLiteral("LogarytmicznaCheck"));
    LogarytmicznaCheck->setChecked(true);
    LogarytmicznaCheck->setEnabled(false);
    pasek->addWidget(etykieta);
    pasek->addWidget(WidokCombo);
    pasek->addSpacing(12);
    pasek->addWidget(LogarytmicznaCheck);
    ZnacznikiCheck = new QCheckBox(TTekst::tr("Znaczniki pomiarów"), this);
    ZnacznikiCheck->setObjectName(QStringLiteral("ZnacznikiOkaCheck"));
    ZnacznikiCheck->setChecked(true);
    pasek->addSpacing(12);
    pasek->addWidget(ZnacznikiCheck);
    pasek->addStretch(1);

    WykresOkowy = new TWykres(this);
    WykresOkowy->setObjectName(QStringLiteral("WykresOkowy"));
    SzablonOka(*WykresOkowy);

    TabelaOka = new QTableWidget(0, 14, this);
    TabelaOka->setObjectName(QStringLiteral("TabelaOka"));
    TabelaOka->setHorizontalHeaderLabels(
        {TTekst::tr("Tor"), TTekst::tr("Oko"), TTekst::tr("Wysokość\n[mV]"),
         TTekst::tr("Wysokość 3σ\n[mV]"), TTekst::tr("Szerokość\n[UI]"), TTekst::tr("Szerokość\n[ns]"),
         TTekst::tr("Szerokość przy\nBER 10⁻¹² [UI]"), TTekst::tr("Próg\n[V]"), TTekst::tr("Poziom dolny\n[V]"),
         TTekst::tr("σ dolny\n[mV]"), TTekst::tr("Poziom górny\n[V]"), TTekst::tr("σ górny\n[mV]"),
         TTekst::tr("Amplituda\n[mV]"), TTekst::tr("Przecięcie\n[%]")});
    TabelaOka->verticalHeader()->hide();
    TabelaOka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TabelaOka->setSelectionMode(QAbstractItemView::NoSelection);
    TabelaOka->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    UstawWysokoscTabeli();

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(6, 6, 6, 6);
    uklad->addLayout(pasek);
    uklad->addWidget(WykresOkowy, 1);
    uklad->addWidget(TabelaOka);

    connect(WidokCombo, &QComboBox::currentIndexChanged, this, [this] {
        LogarytmicznaCheck->setEnabled(Widok() == TWidokOka::Gestosc);
        Odswiez();
    });
    connect(LogarytmicznaCheck, &QCheckBox::toggled, this, [this] { Odswiez(); });
    connect(ZnacznikiCheck, &QCheckBox::toggled, this, [this] { Odswiez(); });
}

TWidokOka TStronaOkowa::Widok() const
{
    return WidokCombo->currentIndex() == 1 ? TWidokOka::Gestosc : TWidokOka::Linie;
}

void TStronaOkowa::UstawWidok(TWidokOka widok)
{
    WidokCombo->setCurrentIndex(widok == TWidokOka::Gestosc ? 1 : 0);
}

void TStronaOkowa::UstawSkaleLogarytmiczna(bool logarytmiczna)
{
    LogarytmicznaCheck->setChecked(logarytmiczna);
}

void TStronaOkowa::UstawZnaczniki(bool widoczne)
{
    ZnacznikiCheck->setChecked(widoczne);
}

void TStronaOkowa::Pokaz(const TWynikSymulacji& w)
{
    Wynik = &w;
    Odswiez();
    WypelnijTabele(w);
}

void TStronaOkowa::Odswiez()
{
    if (Wynik)
        Zawartosc.Pokaz(*WykresOkowy, *Wynik, Widok(), LogarytmicznaCheck->isChecked(), ZnacznikiCheck->isChecked());
}

void TStronaOkowa::Zwolnij()
{
    Wynik = nullptr;
    TZawartoscOka::Zwolnij(*WykresOkowy);
}

void TStronaOkowa::WypelnijTabele(const TWynikSymulacji& w)
{
    const double okresNs = OkresSymboluNs(w);
    int wiersze = 0;
    for (const TTorWyniku& tor : w.Tory)
        wiersze += static_cast<int>(tor.Oko.Podoka.size());
    TabelaOka->setRowCount(wiersze);
    int r = 0;
    for (const TTorWyniku& tor : w.Tory) {
        const TOkoToru& oko = tor.Oko;
        for (const TPodoko& p : oko.Podoka) {
            const TPoziomOka& dolny = oko.Poziomy[static_cast<std::size_t>(p.Dolny)];
            const TPoziomOka& gorny = oko.Poziomy[static_cast<std::size_t>(p.Gorny)];
            const QString komorki[] = {
                PrzetlumaczTekstBiblioteki(QString::fromStdString(tor.Nazwa)),
                QStringLiteral("%1 / %2").arg(dolny.Symbol).arg(gorny.Symbol),
                Otwarcie(p.Wysokosc, 1000.0, 1),
                Otwarcie(p.Wysokosc3Sigma, 1000.0, 1),
                Otwarcie(p.Szerokosc, 1.0, 3),
                Otwarcie(p.Szerokosc, okresNs, 2),
                Otwarcie(p.SzerokoscBER, 1.0, 3),
                Liczba(p.Prog, 1.0, 3),
                Poziom(dolny, dolny.Srednia, 1.0, 3),
                Poziom(dolny, dolny.Sigma, 1000.0, 1),
                Poziom(gorny, gorny.Srednia, 1.0, 3),
                Poziom(gorny, gorny.Sigma, 1000.0, 1),
                Liczba(p.Amplituda, 1000.0, 1),
                Liczba(oko.Przeciecie, 1.0, 1),
            };
            for (int k = 0; k < static_cast<int>(std::size(komorki)); ++k) {
                auto* komorka = new QTableWidgetItem(komorki[k]);
                komorka->setTextAlignment(k < 2 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
                TabelaOka->setItem(r, k, komorka);
            }
            ++r;
        }
    }
    UstawWysokoscTabeli();
}

void TStronaOkowa::UstawWysokoscTabeli()
{
    // As tall as its rows, up to the limit from which it scrolls.
    TabelaOka->resizeRowsToContents();
    int wysokosc = TabelaOka->horizontalHeader()->sizeHint().height() + 2 * TabelaOka->frameWidth();
    for (int i = 0; i < TabelaOka->rowCount(); ++i)
        wysokosc += TabelaOka->rowHeight(i);
    TabelaOka->setFixedHeight(std::min(wysokosc, NajwyzszaTabela));
}
