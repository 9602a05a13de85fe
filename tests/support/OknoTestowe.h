// The analysis window as the GUI tests drive it: the controls a user clicks, types into
// and looks at, found once by their names, and a window that carries them along.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QtGlobal>

#include "StronaUstawien.h"
#include "StrumienieTestowe.h"
#include "TKanalPageControl.h"
#include "TLegenda.h"
#include "TObszarPasm.h"
#include "TPageControl.h"
#include "TPanelRozkladow.h"
#include "TSimChildForm.h"
#include "WatekQt.h"
#include "Wykres.h"
#include "ZakladkaCharakterystyki.h"

// The control of class T named nazwa under okno; the test stops when there is none.
template <class T>
T* Kontrolka(const QObject& okno, const QString& nazwa)
{
    T* kontrolka = okno.findChild<T*>(nazwa);
    if (kontrolka == nullptr)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(nazwa));
    return kontrolka;
}

// The same for a control the options may leave out: null then.
template <class T>
T* KontrolkaLubBrak(const QObject& okno, const QString& nazwa)
{
    return okno.findChild<T*>(nazwa);
}

// How long a test waits for a run or a file read: a generous bound for the sanitizer build.
inline constexpr int CzasRunuMs = 120000;

// Runs the analysis as a user does, with its simulation button; true once the run has
// ended and its worker has gone.
inline bool Przeprowadz(TSimChildForm& okno)
{
    auto* simBut = Kontrolka<QPushButton>(okno, QStringLiteral("SimBut"));
    simBut->setEnabled(true);
    QTest::mouseClick(simBut, Qt::LeftButton);
    QPointer<TWatek> watek = okno.WatekObliczen();
    return QTest::qWaitFor([&] { return !okno.SymulacjaTrwa() && watek.isNull(); }, CzasRunuMs);
}

// Whether the stream a chart plots holds exactly the points.
inline bool TeSamePunkty(const TFltFltStrumien* strumien, const TCharakterystyka& punkty)
{
    // Reads go through the stream's scratch element, which is not const.
    return strumien != nullptr && Odczytaj(const_cast<TFltFltStrumien&>(*strumien)) == punkty;
}

struct TKontrolkiOkna {
    explicit TKontrolkiOkna(const QWidget& okno)
        : LiczbaBitowEdit(Kontrolka<QLineEdit>(okno, QStringLiteral("LiczbaBitowEdit"))),
          SzybkoscEdit(Kontrolka<QLineEdit>(okno, QStringLiteral("SzybkoscEdit"))),
          NachylenieEdit(Kontrolka<QLineEdit>(okno, QStringLiteral("NachylenieEdit"))),
          EchoEdit1(Kontrolka<QLineEdit>(okno, QStringLiteral("EchoEdit1"))),
          GenComboBox(Kontrolka<QComboBox>(okno, QStringLiteral("GenComboBox"))),
          SzumGroupBox(Kontrolka<QGroupBox>(okno, QStringLiteral("SzumGroupBox"))),
          SzumComboBox(Kontrolka<QComboBox>(okno, QStringLiteral("SzumComboBox"))),
          SzumEdit(Kontrolka<QLineEdit>(okno, QStringLiteral("SzumEdit"))),
          SzumJednostkaLabel(Kontrolka<QLabel>(okno, QStringLiteral("SzumJednostkaLabel"))),
          DrzenieEdit(Kontrolka<QLineEdit>(okno, QStringLiteral("DrzenieEdit"))),
          KanalPageControl(static_cast<TKanalPageControl*>(Kontrolka<QTabWidget>(okno, QStringLiteral("KanalPageControl")))),
          Tlumienie(Zakladka(okno, QStringLiteral("Tlumienie"), false)),
          Przesluchy(Zakladka(okno, QStringLiteral("Przesluchy"), false)),
          Echo(Zakladka(okno, QStringLiteral("Echo"), false)),
          Wzmocnienie(Zakladka(okno, QStringLiteral("Wzmocnienie"), true)),
          PrzesluchyCheckBox(Kontrolka<QCheckBox>(okno, QStringLiteral("PrzesluchyCheckBox"))),
          EchoCheckBox(Kontrolka<QCheckBox>(okno, QStringLiteral("EchoCheckBox"))),
          WzmocnienieCheckBox(Kontrolka<QCheckBox>(okno, QStringLiteral("WzmocnienieCheckBox"))),
          WzmAdaptCheckBox(Kontrolka<QCheckBox>(okno, QStringLiteral("WzmAdaptCheckBox"))),
          KabelBtn(Kontrolka<QPushButton>(okno, QStringLiteral("KabelBtn"))),
          ZrodloLabel(Kontrolka<QLabel>(okno, QStringLiteral("ZrodloLabel"))),
          SimBut(Kontrolka<QPushButton>(okno, QStringLiteral("SimBut"))),
          AnulujBut(Kontrolka<QPushButton>(okno, QStringLiteral("AnulujBut"))),
          ProgLabel(Kontrolka<QLabel>(okno, QStringLiteral("ProgLabel"))),
          CGaugeTotal(Kontrolka<QProgressBar>(okno, QStringLiteral("CGaugeTotal"))),
          PageControl1(static_cast<TPageControl*>(Kontrolka<QTabWidget>(okno, QStringLiteral("PageControl1")))),
          TabSheetUstawienia(Kontrolka<QWidget>(okno, QStringLiteral("TabSheetUstawienia"))),
          TabSheetWejsciowe(Kontrolka<QWidget>(okno, QStringLiteral("TabSheetWejsciowe"))),
          TabSheetWyjsciowe(Kontrolka<QWidget>(okno, QStringLiteral("TabSheetWyjsciowe"))),
          TabSheetOkowy(Kontrolka<QWidget>(okno, QStringLiteral("TabSheetOkowy"))),
          ErrorTabSheet(Kontrolka<QWidget>(okno, QStringLiteral("ErrorTabSheet"))),
          PasmaWejsciowe(static_cast<TObszarPasm*>(Kontrolka<QWidget>(okno, QStringLiteral("PasmaWejsciowe")))),
          PasmaWyjsciowe(static_cast<TObszarPasm*>(Kontrolka<QWidget>(okno, QStringLiteral("PasmaWyjsciowe")))),
          PasmaZdekodowane(static_cast<TObszarPasm*>(KontrolkaLubBrak<QWidget>(okno, QStringLiteral("PasmaZdekodowane")))),
          ZoomWejscioweCombo(Kontrolka<QComboBox>(okno, QStringLiteral("ZoomWejscioweCombo"))),
          LegendaWyjsciowe(Kontrolka<TLegenda>(okno, QStringLiteral("LegendaWyjsciowe"))),
          LegendaZdekodowane(KontrolkaLubBrak<TLegenda>(okno, QStringLiteral("LegendaZdekodowane"))),
          Panel14(Kontrolka<QWidget>(okno, QStringLiteral("Panel14"))),
          StronyWyjsciowe(Kontrolka<QStackedWidget>(okno, QStringLiteral("StronyWyjsciowe"))),
          PanelWyjsciowe(Kontrolka<QWidget>(okno, QStringLiteral("PanelWyjsciowe"))),
          PanelZdekodowane(KontrolkaLubBrak<QWidget>(okno, QStringLiteral("PanelZdekodowane"))),
          TabSetWyjsciowe(Kontrolka<QTabBar>(okno, QStringLiteral("TabSetWyjsciowe"))),
          WykresOkowy(static_cast<TWykres*>(Kontrolka<QWidget>(okno, QStringLiteral("WykresOkowy")))),
          Panel3(static_cast<TPanelRozkladow*>(KontrolkaLubBrak<QFrame>(okno, QStringLiteral("Panel3")))),
          BledyTabSet(KontrolkaLubBrak<QTabBar>(okno, QStringLiteral("BledyTabSet"))),
          GroupBox2(Kontrolka<QGroupBox>(okno, QStringLiteral("GroupBox2"))),
          GroupBox3(Kontrolka<QGroupBox>(okno, QStringLiteral("GroupBox3"))),
          Label6(Kontrolka<QLabel>(okno, QStringLiteral("Label6"))),
          BERLabel(Kontrolka<QLabel>(okno, QStringLiteral("BERLabel"))),
          ExpBERLabel(Kontrolka<QLabel>(okno, QStringLiteral("ExpBERLabel"))),
          BERLabel2(Kontrolka<QLabel>(okno, QStringLiteral("BERLabel2"))),
          TimeErrorLabel(Kontrolka<QLabel>(okno, QStringLiteral("TimeErrorLabel"))),
          ZliczoneGroupBox(Kontrolka<QGroupBox>(okno, QStringLiteral("ZliczoneGroupBox"))),
          ZliczoneLabel(Kontrolka<QLabel>(okno, QStringLiteral("ZliczoneLabel"))),
          BERZliczonyLabel(Kontrolka<QLabel>(okno, QStringLiteral("BERZliczonyLabel"))),
          EstymacjaLabel(Kontrolka<QLabel>(okno, QStringLiteral("EstymacjaLabel"))),
          WykazanieLabel(Kontrolka<QLabel>(okno, QStringLiteral("WykazanieLabel"))),
          FazaLabel(Kontrolka<QLabel>(okno, QStringLiteral("FazaLabel"))),
          Timer(Kontrolka<QTimer>(okno, QStringLiteral("Timer")))
    {
    }

    // The settings page.
    QLineEdit* LiczbaBitowEdit;
    QLineEdit* SzybkoscEdit;
    QLineEdit* NachylenieEdit;
    QLineEdit* EchoEdit1;
    QComboBox* GenComboBox;
    QGroupBox* SzumGroupBox;
    QComboBox* SzumComboBox;
    QLineEdit* SzumEdit;
    QLabel* SzumJednostkaLabel;
    QLineEdit* DrzenieEdit;
    TKanalPageControl* KanalPageControl;
    // The characteristic tabs' controls; their streams and results stay the page's own.
    TZakladkaCharakterystyki Tlumienie;
    TZakladkaCharakterystyki Przesluchy;
    TZakladkaCharakterystyki Echo;
    TZakladkaCharakterystyki Wzmocnienie;
    QCheckBox* PrzesluchyCheckBox;
    QCheckBox* EchoCheckBox;
    QCheckBox* WzmocnienieCheckBox;
    QCheckBox* WzmAdaptCheckBox;
    // "Kabel…" and the cable or file the lists came from, beside it.
    QPushButton* KabelBtn;
    QLabel* ZrodloLabel;
    QPushButton* SimBut;
    QPushButton* AnulujBut;
    QLabel* ProgLabel;
    QProgressBar* CGaugeTotal;

    // The pages and the result views; null where the options leave them out.
    TPageControl* PageControl1;
    QWidget* TabSheetUstawienia;
    QWidget* TabSheetWejsciowe;
    QWidget* TabSheetWyjsciowe;
    QWidget* TabSheetOkowy;
    QWidget* ErrorTabSheet;
    TObszarPasm* PasmaWejsciowe;
    TObszarPasm* PasmaWyjsciowe;
    TObszarPasm* PasmaZdekodowane;
    QComboBox* ZoomWejscioweCombo;
    TLegenda* LegendaWyjsciowe;
    TLegenda* LegendaZdekodowane;
    QWidget* Panel14;
    QStackedWidget* StronyWyjsciowe;
    QWidget* PanelWyjsciowe;
    QWidget* PanelZdekodowane;
    QTabBar* TabSetWyjsciowe;
    TWykres* WykresOkowy;
    TPanelRozkladow* Panel3;
    QTabBar* BledyTabSet;
    QGroupBox* GroupBox2;
    QGroupBox* GroupBox3;
    QLabel* Label6;
    QLabel* BERLabel;
    QLabel* ExpBERLabel;
    QLabel* BERLabel2;
    QLabel* TimeErrorLabel;
    QGroupBox* ZliczoneGroupBox;
    QLabel* ZliczoneLabel;
    QLabel* BERZliczonyLabel;
    QLabel* EstymacjaLabel;
    QLabel* WykazanieLabel;
    QLabel* FazaLabel;
    QTimer* Timer;

private:
    static TZakladkaCharakterystyki Zakladka(const QWidget& okno, const QString& nazwa, bool regeneracja)
    {
        TZakladkaCharakterystyki z;
        z.TabSheet = Kontrolka<QWidget>(okno, nazwa + QStringLiteral("TabSheet"));
        z.ListView = Kontrolka<QTreeWidget>(okno, nazwa + QStringLiteral("ListView"));
        z.DodajBtn = Kontrolka<QPushButton>(okno, QStringLiteral("Dodaj") + nazwa + QStringLiteral("Btn"));
        z.EdytujBtn = Kontrolka<QPushButton>(okno, QStringLiteral("Edytuj") + nazwa + QStringLiteral("Btn"));
        z.UsunBtn = Kontrolka<QPushButton>(okno, QStringLiteral("Usun") + nazwa + QStringLiteral("Btn"));
        z.RekalkulacjaBtn = Kontrolka<QPushButton>(okno, QStringLiteral("Rekalkulacja") + nazwa + QStringLiteral("Btn"));
        z.WczytajBtn = Kontrolka<QPushButton>(okno, QStringLiteral("Wczytaj") + nazwa + QStringLiteral("Btn"));
        z.ZapiszBtn = Kontrolka<QPushButton>(okno, QStringLiteral("Zapisz") + nazwa + QStringLiteral("Btn"));
        z.ImportujBtn = KontrolkaLubBrak<QPushButton>(okno, QStringLiteral("Importuj") + nazwa + QStringLiteral("Btn"));
        z.LimitCheckBox = Kontrolka<QCheckBox>(okno, QStringLiteral("Limit") + nazwa + QStringLiteral("CheckBox"));
        z.CharWykres = static_cast<TWykres*>(Kontrolka<QWidget>(okno, nazwa + QStringLiteral("CharWykres")));
        z.TabSet = Kontrolka<QTabBar>(okno, nazwa + QStringLiteral("TabSet"));
        z.ScrollBox = Kontrolka<QScrollArea>(okno, nazwa + QStringLiteral("ScrollBox"));
        z.OdpowiedzWykres = static_cast<TWykres*>(Kontrolka<QWidget>(okno, nazwa + QStringLiteral("OdpowiedzWykres")));
        z.Regeneracja = regeneracja;
        return z;
    }
};

// A window of the tests: the analysis window with its controls at hand.
class TOknoTestowe : public TSimChildForm, public TKontrolkiOkna {
public:
    explicit TOknoTestowe(const UstawieniaStandardu& opcje, TPoleceniaWynikow polecenia = {},
                          QWidget* rodzic = nullptr)
        : TSimChildForm(opcje, polecenia, nullptr, rodzic), TKontrolkiOkna(static_cast<const QWidget&>(*this))
    {
    }

    // The window keeps members of these names to itself; the tests mean the controls.
    using TKontrolkiOkna::PageControl1;
    using TKontrolkiOkna::Timer;

    // The points of a characteristic (Tlumienie, Przesluchy, Echo or Wzmocnienie), MHz and
    // dB as stored: losses negative, the regenerator's gains positive.
    TCharakterystyka Punkty(TPoleUstawien charakterystyka)
    {
        const TCharakterystykiKanalu c = StronaUstawien().UstawieniaSymulacji().Charakterystyki;
        switch (charakterystyka) {
        case TPoleUstawien::Przesluchy:
            return c.Przesluchy;
        case TPoleUstawien::Echo:
            return c.Echo;
        case TPoleUstawien::Wzmocnienie:
            return c.Wzmocnienie;
        default:
            return c.Tlumienie;
        }
    }
};
