#include "TStatToolBar.h"

#include "JezykQt.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int Wysokosc = 34;
constexpr int SzerokoscProgLabel = 240;
constexpr int SzerokoscAnuluj = 80;
constexpr int Odstep = 6;   // between neighbours; with the two edges 32 pixels in all
constexpr int Brzeg = 4;

QProgressBar* Wskaznik(const QString& nazwa, QWidget* rodzic)
{
    auto* wskaznik = new QProgressBar(rodzic);
    wskaznik->setObjectName(nazwa);
    wskaznik->setRange(0, 100);
    wskaznik->setValue(0);
    wskaznik->setTextVisible(true);
    wskaznik->setAlignment(Qt::AlignCenter);
    return wskaznik;
}

} // namespace

TStatToolBar::TStatToolBar(QWidget* rodzic) : QWidget(rodzic)
{
    setObjectName(QStringLiteral("StatToolBar"));
    ProgLabel = new QLabel(this);
    ProgLabel->setObjectName(QStringLiteral("ProgLabel"));
    ProgLabel->setTextFormat(Qt::PlainText);
    CGaugePart = Wskaznik(QStringLiteral("CGaugePart"), this);
    Label7 = new QLabel(TTekst::tr("Postęp całkowity"), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    CGaugeTotal = Wskaznik(QStringLiteral("CGaugeTotal"), this);
    AnulujBut = new QPushButton(TTekst::tr("Anuluj"), this);
    AnulujBut->setObjectName(QStringLiteral("AnulujBut"));

    SimBut = new QPushButton(TTekst::tr("Przeprowadź symulację"), this);
    SimBut->setObjectName(QStringLiteral("SimBut"));
    QFont pogrubiona = SimBut->font();
    pogrubiona.setBold(true);
    SimBut->setFont(pogrubiona);
    SimBut->raise();
}

QSize TStatToolBar::sizeHint() const
{
    return {SzerokoscProgLabel + Label7->sizeHint().width() + SzerokoscAnuluj + 200, Wysokosc};
}

QSize TStatToolBar::minimumSizeHint() const
{
    return {SzerokoscProgLabel + Label7->sizeHint().width() + SzerokoscAnuluj + 32, Wysokosc};
}

void TStatToolBar::resizeEvent(QResizeEvent* zdarzenie)
{
    QWidget::resizeEvent(zdarzenie);
    SimBut->setGeometry(rect());

    const int wysokoscPaska = height() - 2 * Brzeg;
    const int label7 = Label7->sizeHint().width();
    const int wskaznik = std::max(0, (width() - label7 - SzerokoscProgLabel - SzerokoscAnuluj - 32) / 2);
    int x = Brzeg;
    ProgLabel->setGeometry(x, Brzeg, SzerokoscProgLabel, wysokoscPaska);
    x += SzerokoscProgLabel + Odstep;
    CGaugePart->setGeometry(x, Brzeg + 3, wskaznik, wysokoscPaska - 6);
    x += wskaznik + Odstep;
    Label7->setGeometry(x, Brzeg, label7, wysokoscPaska);
    x += label7 + Odstep;
    CGaugeTotal->setGeometry(x, Brzeg + 3, wskaznik, wysokoscPaska - 6);
    x += wskaznik + Odstep;
    AnulujBut->setGeometry(x, Brzeg, SzerokoscAnuluj, wysokoscPaska);
}
