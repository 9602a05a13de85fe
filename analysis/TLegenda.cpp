#include "TLegenda.h"

#include <QHeaderView>
#include <QPainter>

#include <array>

#include "KoloryWykresow.h"
#include "PlotnoQt.h"

namespace {

constexpr int WysokoscWiersza = 19;
constexpr int RolaSerii = Qt::UserRole;
constexpr int RolaObrazu = Qt::UserRole + 1;

constexpr int BokObrazu = 16;
constexpr std::array<TColor, 4> KoloryObrazow = {KolorCzerwony, KolorZielony, KolorNiebieski, KolorBordowy};

QPixmap Probka(int indeks)
{
    QPixmap obraz(BokObrazu, BokObrazu);
    obraz.fill(Qt::white);
    QPainter malarz(&obraz);
    TPlotnoQt plotno(malarz);
    RysujObrazLegendy(plotno, indeks, 0, 0);
    return obraz;
}

} // namespace

void RysujObrazLegendy(TPlotno& plotno, int indeks, int x, int y)
{
    const int koniec = BokObrazu - 1;
    const std::array<TPunktPlotna, 4> rogi = {{{x, y}, {x + koniec, y}, {x + koniec, y + koniec}, {x, y + koniec}}};
    plotno.UstawStylPiora(psSolid);
    plotno.UstawKolorPiora(KolorSzary);
    plotno.UstawGruboscPiora(1);
    plotno.UstawKolorPedzla(KoloryObrazow.at(static_cast<std::size_t>(indeks)));
    plotno.Wielokat(rogi);
}

const QPixmap& ObrazLegendy(int indeks)
{
    static const std::array<QPixmap, 4> obrazy = {Probka(0), Probka(1), Probka(2), Probka(3)};
    return obrazy.at(static_cast<std::size_t>(indeks));
}

TLegenda::TLegenda(const QString& nazwa, QWidget* rodzic) : QTableWidget(0, 1, rodzic)
{
    setObjectName(nazwa);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(WysokoscWiersza);
    verticalHeader()->setDefaultSectionSize(WysokoscWiersza);
    setShowGrid(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setIconSize(QSize(16, 16));
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* pozycja) {
        if (!signalsBlocked())
            emit SeriaPrzelaczona(Seria(pozycja->row()), pozycja->checkState() == Qt::Checked);
    });
}

void TLegenda::Wyczysc()
{
    setRowCount(0);
}

void TLegenda::DodajWiersz(const QString& podpis, int seria, int obraz)
{
    auto* pozycja = new QTableWidgetItem(QIcon(ObrazLegendy(obraz)), podpis);
    pozycja->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    pozycja->setCheckState(Qt::Checked);
    pozycja->setData(RolaSerii, seria);
    pozycja->setData(RolaObrazu, obraz);
    const QSignalBlocker cisza(this);
    const int wiersz = rowCount();
    insertRow(wiersz);
    setItem(wiersz, 0, pozycja);
}

int TLegenda::Seria(int wiersz) const
{
    return item(wiersz, 0)->data(RolaSerii).toInt();
}

int TLegenda::Obraz(int wiersz) const
{
    return item(wiersz, 0)->data(RolaObrazu).toInt();
}

bool TLegenda::Zaznaczony(int wiersz) const
{
    return item(wiersz, 0)->checkState() == Qt::Checked;
}

void TLegenda::resizeEvent(QResizeEvent* zdarzenie)
{
    QTableWidget::resizeEvent(zdarzenie);
    setColumnWidth(0, width() - 4);
}
