#include "TLegenda.h"

#include <QHeaderView>
#include <QPainter>

#include <array>

#include "PlotnoQt.h"

namespace {

constexpr int WysokoscWiersza = 19;
constexpr int RolaSerii = Qt::UserRole;
constexpr int RolaObrazu = Qt::UserRole + 1;

QPixmap Probka(TColor kolor)
{
    QPixmap obraz(16, 16);
    obraz.fill(KolorQt(kolor));
    QPainter malarz(&obraz);
    malarz.setPen(QColor(0x80, 0x80, 0x80));
    malarz.drawRect(0, 0, 15, 15);
    return obraz;
}

} // namespace

const QPixmap& ObrazLegendy(int indeks)
{
    static const std::array<QPixmap, 4> obrazy = {Probka(0x0000FF), Probka(0x008000), Probka(0xFF0000),
                                                   Probka(0x000080)};
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
