#include "WtyczkaDesignera.h"

#include <iterator>

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "Wykres.h"

namespace {

// The widget box's picture of a chart: axes, a dashed grid and a curve.
QIcon IkonaWykresu()
{
    QPixmap obraz(32, 32);
    obraz.fill(Qt::white);
    QPainter malarz(&obraz);
    malarz.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DashLine));
    for (int i = 10; i < 32; i += 8) {
        malarz.drawLine(i, 2, i, 28);
        malarz.drawLine(4, 28 - i + 2, 30, 28 - i + 2);
    }
    malarz.setPen(QPen(Qt::black, 1));
    malarz.drawLine(3, 28, 30, 28);
    malarz.drawLine(4, 2, 4, 29);
    malarz.setRenderHint(QPainter::Antialiasing);
    malarz.setPen(QPen(QColor(0xC0, 0x00, 0x00), 2));
    const QPointF krzywa[] = { { 4, 26 }, { 9, 14 }, { 14, 8 }, { 19, 14 }, { 24, 20 }, { 30, 6 } };
    malarz.drawPolyline(krzywa, static_cast<int>(std::size(krzywa)));
    malarz.end();
    return QIcon(obraz);
}

} // namespace

TWtyczkaWykresu::TWtyczkaWykresu(QObject* rodzic)
    : QObject(rodzic)
{
}

QString TWtyczkaWykresu::name() const
{
    return QStringLiteral("TWykres");
}

QString TWtyczkaWykresu::group() const
{
    return QStringLiteral("Samples");
}

QString TWtyczkaWykresu::toolTip() const
{
    return QStringLiteral("Wykres liniowy z osiami, siatką i seriami punktów");
}

QString TWtyczkaWykresu::whatsThis() const
{
    return QStringLiteral("TWykres rysuje serie punktów jako linie łamane na osiach liniowych, logarytmicznych "
                          "lub osi diagramu oka, z siatką, znacznikami i ich opisami. Właściwości osi mają nazwy "
                          "w postaci OsX_Znaczniki_PrecyzjaOpisu (OsX.Znaczniki.PrecyzjaOpisu w kodzie); serie "
                          "dodaje program metodą DodajSerie.");
}

QString TWtyczkaWykresu::includeFile() const
{
    return QStringLiteral("Wykres.h");
}

QIcon TWtyczkaWykresu::icon() const
{
    return IkonaWykresu();
}

bool TWtyczkaWykresu::isContainer() const
{
    return false;
}

QWidget* TWtyczkaWykresu::createWidget(QWidget* rodzic)
{
    return new TWykres(rodzic);
}

bool TWtyczkaWykresu::isInitialized() const
{
    return Zainicjowana;
}

void TWtyczkaWykresu::initialize(QDesignerFormEditorInterface*)
{
    Zainicjowana = true;
}

// A new chart on a form is 300 × 200 pixels, room for its axes and labels.
QString TWtyczkaWykresu::domXml() const
{
    return QStringLiteral(R"(<ui language="c++">
 <widget class="TWykres" name="wykres">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>300</width><height>200</height></rect>
  </property>
 </widget>
</ui>
)");
}
