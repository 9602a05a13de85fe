// The Qt Designer plugin as Designer and QUiLoader meet it: loaded from the build
// folder, its description, every published setting as a property with its name, type
// and default in the stored order, and a form (as Designer wrote it) that brings its
// settings back, loaded at run time and compiled by uic alike.
#include <cmath>

#include <QFile>
#include <QFileInfo>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QTest>
#include <QUiLoader>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include "PomocnikiWykresu.h"
#include "ui_FormularzWykresu.h"

namespace {

// A property's value as a form would write it: enumerations by key, colours by name,
// fonts by their point size and weight.
QString Tekst(const QMetaProperty& p, const QVariant& v)
{
    if (p.isEnumType())
        return QString::fromLatin1(p.enumerator().valueToKey(v.toInt()));
    if (v.metaType() == QMetaType::fromType<QColor>())
        return v.value<QColor>().name();
    if (v.metaType() == QMetaType::fromType<QFont>()) {
        const QFont f = v.value<QFont>();
        return QString::number(f.pointSize()) + (f.bold() ? QStringLiteral(" bold") : QString());
    }
    if (v.metaType() == QMetaType::fromType<bool>())
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return v.toString();
}

struct TWlasciwosc {
    QString Nazwa;
    QByteArray Typ;
    QString Domyslna;
};

// Every published setting in the order a form stores it, with the chart's defaults.
QList<TWlasciwosc> Opublikowane()
{
    QList<TWlasciwosc> wynik;
    for (const QString& os : { QStringLiteral("OsX"), QStringLiteral("OsY") }) {
        const bool x = os == QStringLiteral("OsX");
        const QList<TWlasciwosc> osi {
            { QStringLiteral("TypOsi"), "TypyWykresu::TTypOsi", QStringLiteral("toLiniowa") },
            { QStringLiteral("Min"), "double", QStringLiteral("0") },
            { QStringLiteral("Max"), "double", QStringLiteral("1") },
            { QStringLiteral("MinLog"), "double", QStringLiteral("0") },
            { QStringLiteral("MaxLog"), "double", QStringLiteral("0") },
            { QStringLiteral("AutoMinMax"), "bool", QStringLiteral("false") },
            { QStringLiteral("Przeciecie"), "double", QStringLiteral("0") },
            { QStringLiteral("Skala"), "double", QStringLiteral("2") },
            { QStringLiteral("SkalaPiksele"), "double", QStringLiteral("-1") },
            { QStringLiteral("SkalaPom"), "double", QStringLiteral("1") },
            { QStringLiteral("Strzalka"), "bool", QStringLiteral("false") },
            { QStringLiteral("WyswietlOs"), "bool", QStringLiteral("true") },
            { QStringLiteral("LogZero"), "bool", QStringLiteral("true") },
            { QStringLiteral("Kolor"), "QColor", QStringLiteral("#000000") },
            { QStringLiteral("Opis"), "QString", QString() },
            { QStringLiteral("CzcionkaOpisu"), "QFont", QStringLiteral("8") },
            { QStringLiteral("WyrownanieOpisuHor"), "TypyWykresu::TWyrownanieHor", QStringLiteral("whCenter") },
            { QStringLiteral("WyrownanieOpisuVer"), "TypyWykresu::TWyrownanieVer", QStringLiteral("wvCenter") },
            { QStringLiteral("Znaczniki_Znaczniki"), "TypyWykresu::TZnaczniki", QStringLiteral("zWszystkie") },
            { QStringLiteral("Znaczniki_OpisyZnacznikow"), "TypyWykresu::TZnaczniki", QStringLiteral("zWszystkie") },
            { QStringLiteral("Znaczniki_ZnacznikiGlowne"), "TypyWykresu::TStylZnacznikow",
                QStringLiteral("szZewnetrzne") },
            { QStringLiteral("Znaczniki_ZnacznikiPom"), "TypyWykresu::TStylZnacznikow",
                QStringLiteral("szZewnetrzne") },
            { QStringLiteral("Znaczniki_CzcionkaOpisuZnacznikowGlow"), "QFont", QStringLiteral("8") },
            { QStringLiteral("Znaczniki_CzcionkaOpisuZnacznikowPom"), "QFont", QStringLiteral("8") },
            { QStringLiteral("Znaczniki_WyrownanieOpisuHor"), "TypyWykresu::TWyrownanieHor",
                x ? QStringLiteral("whCenter") : QStringLiteral("whPrawe") },
            { QStringLiteral("Znaczniki_WyrownanieOpisuVer"), "TypyWykresu::TWyrownanieVer",
                x ? QStringLiteral("wvGorne") : QStringLiteral("wvCenter") },
            { QStringLiteral("Znaczniki_OpisWPrzecieciu"), "TypyWykresu::TOpisWPrzecieciu",
                QStringLiteral("owpNormalny") },
            { QStringLiteral("Znaczniki_PozycjaOpisu"), "TypyWykresu::TPozycjaOpisu", QStringLiteral("poZewnatrz") },
            { QStringLiteral("Znaczniki_PrecyzjaOpisu"), "int", QStringLiteral("2") },
            { QStringLiteral("Znaczniki_RozmiarZnacznikowGlow"), "int", QStringLiteral("5") },
            { QStringLiteral("Znaczniki_RozmiarZnacznikowPom"), "int", QStringLiteral("3") },
            { QStringLiteral("Siatka_LinieNaMarginesieOsi"), "bool", QStringLiteral("false") },
            { QStringLiteral("Siatka_LinieSiatki"), "TypyWykresu::TLinieSiatki", QStringLiteral("lsWszystkie") },
            { QStringLiteral("Siatka_Kolor"), "QColor", QStringLiteral("#808080") },
            { QStringLiteral("Siatka_StylLiniiGlownych"), "Qt::PenStyle", QStringLiteral("DashLine") },
            { QStringLiteral("Siatka_StylLiniiPom"), "Qt::PenStyle", QStringLiteral("DashLine") },
            { QStringLiteral("MarginesMin"), "int", QStringLiteral("0") },
            { QStringLiteral("MarginesMax"), "int", QStringLiteral("0") },
        };
        for (const TWlasciwosc& w : osi)
            wynik.append({ os + QLatin1Char('_') + w.Nazwa, w.Typ, w.Domyslna });
    }
    wynik.append({ QStringLiteral("Color"), "QColor", QStringLiteral("#ffffff") });
    for (const char* margines : { "MarginesGorny", "MarginesDolny", "MarginesLewy", "MarginesPrawy" })
        wynik.append({ QString::fromLatin1(margines), "int", QStringLiteral("10") });
    return wynik;
}

// The settings of the form kept beside this test, as the form holds them.
const QList<QPair<QString, QString>> UstawieniaFormularza {
    { QStringLiteral("OsX_TypOsi"), QStringLiteral("toLog") },
    { QStringLiteral("OsX_Max"), QStringLiteral("200") },
    { QStringLiteral("OsX_Skala"), QStringLiteral("1") },
    { QStringLiteral("OsX_Opis"), QStringLiteral("Częstotliwość [MHz]") },
    { QStringLiteral("OsX_Znaczniki_CzcionkaOpisuZnacznikowGlow"), QStringLiteral("10 bold") },
    { QStringLiteral("OsX_Znaczniki_PrecyzjaOpisu"), QStringLiteral("0") },
    { QStringLiteral("OsX_Siatka_StylLiniiGlownych"), QStringLiteral("DotLine") },
    { QStringLiteral("OsY_Min"), QStringLiteral("-40") },
    { QStringLiteral("OsY_Max"), QStringLiteral("0") },
    { QStringLiteral("OsY_Przeciecie"), QStringLiteral("-40") },
    { QStringLiteral("OsY_Skala"), QStringLiteral("10") },
    { QStringLiteral("OsY_SkalaPom"), QStringLiteral("5") },
    { QStringLiteral("OsY_Strzalka"), QStringLiteral("true") },
    { QStringLiteral("OsY_Kolor"), QStringLiteral("#0000a0") },
    { QStringLiteral("OsY_Znaczniki_PrecyzjaOpisu"), QStringLiteral("0") },
    { QStringLiteral("OsY_Siatka_LinieSiatki"), QStringLiteral("lsGlowne") },
    { QStringLiteral("Color"), QStringLiteral("#ffffe0") },
    { QStringLiteral("MarginesLewy"), QStringLiteral("40") },
    { QStringLiteral("MarginesDolny"), QStringLiteral("30") },
};

// The same chart as the form's, set up in code.
void UstawJakFormularz(TWykres& w)
{
    w.resize(400, 280);
    w.OsX.UstawTypOsi(toLog);
    w.OsX.UstawMax(200.0f);
    w.OsX.UstawSkala(1.0f);
    w.OsX.UstawOpis("Częstotliwość [MHz]");
    w.OsX.Znaczniki.CzcionkaOpisuZnacznikowGlow.Rozmiar = 10;
    w.OsX.Znaczniki.CzcionkaOpisuZnacznikowGlow.Pogrubiona = true;
    w.OsX.Znaczniki.UstawPrecyzjaOpisu(0);
    w.OsX.Siatka.UstawStylLiniiGlownych(psDot);
    w.OsY.UstawMin(-40.0f);
    w.OsY.UstawMax(0.0f);
    w.OsY.UstawPrzeciecie(-40.0f);
    w.OsY.UstawSkala(10.0f);
    w.OsY.UstawSkalaPom(5.0f);
    w.OsY.UstawStrzalka(true);
    w.OsY.UstawKolor(0xA00000);
    w.OsY.Znaczniki.UstawPrecyzjaOpisu(0);
    w.OsY.Siatka.UstawLinieSiatki(lsGlowne);
    w.UstawColor(0xE0FFFF);
    w.UstawMarginesLewy(40);
    w.UstawMarginesDolny(30);
}

} // namespace

class TestWtyczkiDesignera : public QObject {
    Q_OBJECT

    QPluginLoader Ladowarka { QStringLiteral(LINTAVOX_WTYCZKA_DESIGNERA) };
    QDesignerCustomWidgetInterface* Wtyczka = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY2(Ladowarka.load(), qPrintable(Ladowarka.errorString()));
        Wtyczka = qobject_cast<QDesignerCustomWidgetInterface*>(Ladowarka.instance());
        QVERIFY(Wtyczka);
    }

    void opisWtyczki()
    {
        QCOMPARE(Wtyczka->name(), QStringLiteral("TWykres"));
        QCOMPARE(Wtyczka->group(), QStringLiteral("Samples"));
        QVERIFY(!Wtyczka->isContainer());
        QCOMPARE(Wtyczka->includeFile(), QStringLiteral("Wykres.h"));
        QVERIFY(!Wtyczka->icon().isNull());
        QVERIFY(!Wtyczka->toolTip().isEmpty());
        QVERIFY(!Wtyczka->whatsThis().isEmpty());
        Wtyczka->initialize(nullptr);
        QVERIFY(Wtyczka->isInitialized());
        // A new chart on a form has a size that holds axes and labels.
        QXmlStreamReader xml(Wtyczka->domXml());
        QMap<QString, QString> opis;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QString nazwa = xml.name().toString();
            if (nazwa == QStringLiteral("widget"))
                opis[nazwa] = xml.attributes().value(QStringLiteral("class")).toString();
            else if (nazwa == QStringLiteral("width") || nazwa == QStringLiteral("height"))
                opis[nazwa] = xml.readElementText();
        }
        QVERIFY(!xml.hasError());
        QCOMPARE(opis[QStringLiteral("widget")], QStringLiteral("TWykres"));
        QCOMPARE(opis[QStringLiteral("width")], QStringLiteral("300"));
        QCOMPARE(opis[QStringLiteral("height")], QStringLiteral("200"));
    }

    // The widget the plugin creates paints its axes: black pixels on white.
    void tworzyDzialajacyWykres()
    {
        QWidget rodzic;
        QWidget* wykres = Wtyczka->createWidget(&rodzic);
        QVERIFY(wykres);
        QCOMPARE(QString::fromLatin1(wykres->metaObject()->className()), QStringLiteral("TWykres"));
        wykres->resize(300, 200);
        rodzic.show();
        const QImage obraz = wykres->grab().toImage();
        QCOMPARE(obraz.pixel(5, 5), qRgb(255, 255, 255));
        QCOMPARE(obraz.pixel(150, 190), qRgb(0, 0, 0)); // the X axis line at y = 0
    }

    void wlasciwosciOpublikowane()
    {
        std::unique_ptr<QWidget> wykres(Wtyczka->createWidget(nullptr));
        const QMetaObject* meta = wykres->metaObject();
        int poprzedni = -1;
        for (const TWlasciwosc& w : Opublikowane()) {
            const int indeks = meta->indexOfProperty(w.Nazwa.toLatin1().constData());
            QVERIFY2(indeks >= 0, qPrintable(w.Nazwa));
            QVERIFY2(indeks > poprzedni, qPrintable(w.Nazwa + QStringLiteral(" out of the stored order")));
            poprzedni = indeks;
            const QMetaProperty p = meta->property(indeks);
            QCOMPARE(QByteArray(p.typeName()), w.Typ);
            QVERIFY(p.isWritable() && p.isDesignable() && p.isStored());
            QCOMPARE(Tekst(p, p.read(wykres.get())), w.Domyslna);
        }
    }

    void formularzOddajeUstawienia()
    {
        QUiLoader ladowarka;
        ladowarka.clearPluginPaths();
        ladowarka.addPluginPath(QFileInfo(QStringLiteral(LINTAVOX_WTYCZKA_DESIGNERA)).absolutePath());
        QVERIFY(ladowarka.availableWidgets().contains(QStringLiteral("TWykres")));
        QFile plik(QStringLiteral(LINTAVOX_FORMULARZ_WYKRESU));
        QVERIFY(plik.open(QIODevice::ReadOnly));
        std::unique_ptr<QWidget> formularz(ladowarka.load(&plik));
        QVERIFY2(formularz, qPrintable(ladowarka.errorString()));
        auto* wykres = formularz->findChild<QWidget*>(QStringLiteral("wykres"));
        QVERIFY(wykres);
        QCOMPARE(QString::fromLatin1(wykres->metaObject()->className()), QStringLiteral("TWykres"));
        QVERIFY(wykres->dynamicPropertyNames().isEmpty());
        const QMetaObject* meta = wykres->metaObject();
        for (const auto& [nazwa, wartosc] : UstawieniaFormularza) {
            const QMetaProperty p = meta->property(meta->indexOfProperty(nazwa.toLatin1().constData()));
            QCOMPARE(Tekst(p, p.read(wykres)), wartosc);
        }
        // The chart the form made paints as the same chart set up in code.
        TWykres wzor;
        UstawJakFormularz(wzor);
        formularz->show();
        wzor.show();
        QCOMPARE(wykres->size(), wzor.size());
        QCOMPARE(wykres->grab().toImage(), wzor.grab().toImage());
    }

    // uic calls the set… accessors by name; the compiled form is the same chart.
    void formularzSkompilowany()
    {
        QWidget formularz;
        Ui::FormularzWykresu ui;
        ui.setupUi(&formularz);
        QCOMPARE(ui.wykres->OsX.TypOsi(), toLog);
        QCOMPARE(ui.wykres->OsX.Max(), static_cast<float>(std::log10(200.0)));
        QCOMPARE(ui.wykres->OsX.Opis(), std::string("Częstotliwość [MHz]"));
        QCOMPARE(ui.wykres->OsY.Kolor(), TColor { 0xA00000 });
        TWykres wzor;
        UstawJakFormularz(wzor);
        formularz.show();
        wzor.show();
        QCOMPARE(ui.wykres->grab().toImage(), wzor.grab().toImage());
    }
};

QTEST_MAIN(TestWtyczkiDesignera)
#include "TestWtyczkiDesignera.moc"
