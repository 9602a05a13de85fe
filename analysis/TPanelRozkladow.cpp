#include "TPanelRozkladow.h"

#include <QLabel>
#include <QPainter>

#include "JezykQt.h"
#include "SzablonyWykresow.h"
#include "Wykres.h"

namespace {

constexpr int OdstepEtykiety = 2;        // between an axis label and the panel's edge
constexpr int WysokoscCzcionkiEtykiety = 11; // pixels: the labels fit under the tick labels

QLabel* EtykietaOsi(const QString& tekst, const QString& nazwa, QWidget* rodzic)
{
    auto* etykieta = new QLabel(tekst, rodzic);
    etykieta->setObjectName(nazwa);
    etykieta->setTextFormat(Qt::PlainText);
    etykieta->setAutoFillBackground(true);
    QPalette paleta = etykieta->palette();
    paleta.setColor(QPalette::Window, Qt::white);
    etykieta->setPalette(paleta);
    QFont czcionka = etykieta->font();
    czcionka.setPixelSize(WysokoscCzcionkiEtykiety);
    etykieta->setFont(czcionka);
    etykieta->adjustSize();
    return etykieta;
}

} // namespace

TPanelRozkladow::TPanelRozkladow(QWidget* rodzic) : QFrame(rodzic)
{
    setObjectName(QStringLiteral("Panel3"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::white);
    setPalette(paleta);

    RozkladBledowWykres = new TWykres(this);
    RozkladBledowWykres->setObjectName(QStringLiteral("RozkladBledowWykres"));
    SzablonRozkladuBledow(*RozkladBledowWykres);
    DystrBledowWykres = new TWykres(this);
    DystrBledowWykres->setObjectName(QStringLiteral("DystrBledowWykres"));
    SzablonDystrybuanty(*DystrBledowWykres);
    Panel15 = EtykietaOsi(QStringLiteral("P"), QStringLiteral("Panel15"), this);
    Panel18 = EtykietaOsi(TTekst::tr("błąd [V]"), QStringLiteral("Panel18"), this);
    PokazWykresy(false);
}

void TPanelRozkladow::PokazWykresy(bool widoczne)
{
    for (QWidget* w : std::initializer_list<QWidget*>{RozkladBledowWykres, DystrBledowWykres, Panel15, Panel18})
        w->setVisible(widoczne);
    Panel15->raise();
    Panel18->raise();
}

void TPanelRozkladow::paintEvent(QPaintEvent* zdarzenie)
{
    QFrame::paintEvent(zdarzenie);
    QPainter malarz(this);
    malarz.drawText(contentsRect(), Qt::AlignCenter,
                    TTekst::tr("Charakterystyki niedostępne ( błąd maksymalny równy 0 )"));
}

void TPanelRozkladow::resizeEvent(QResizeEvent* zdarzenie)
{
    QFrame::resizeEvent(zdarzenie);
    const QRect wnetrze = contentsRect();
    RozkladBledowWykres->setGeometry(wnetrze);
    DystrBledowWykres->setGeometry(wnetrze);
    Panel15->move(wnetrze.left() + OdstepEtykiety, wnetrze.top() + OdstepEtykiety);
    Panel18->move(wnetrze.right() + 1 - OdstepEtykiety - Panel18->width(),
                  wnetrze.bottom() + 1 - OdstepEtykiety - Panel18->height());
}
