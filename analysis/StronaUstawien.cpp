#include "StronaUstawien.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "FiltrKlawiszy.h"
#include "JezykQt.h"
#include "Kontrolki.h"
#include "Liczby.h"
#include "PostepQt.h"
#include "RzadGrup.h"
#include "Standardy.h"
#include "TKabelForm.h"
#include "TKanalPageControl.h"
#include "TStatToolBar.h"
#include "UslugiQt.h"
#include "Vartostream.h"
#include "Wykres.h"
#include "ZrodlaBitow.h"
#include "ZrodlaCharakterystyk.h"

namespace {

constexpr int DlugoscPola = 4;  // characters of every whole-number field
constexpr int SzerokoscPola = 56;
constexpr int SzerokoscZrodla = 360; // pixels of the cable's or file's name beside the tabs
constexpr int SzerokoscPolaDziesietnego = 64;

// The noise choices in the order of SzumComboBox, with the unit of the field beside it.
constexpr int SzumWylaczony = 0;
constexpr int SzumSnr = 1;
constexpr int SzumNapiecie = 2;

QString Tekst(std::string_view tekst)
{
    return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

QString Calkowita(std::int64_t wartosc)
{
    return QString::fromStdString(FormatujCalkowita(wartosc));
}

// The whole number a numeric field holds, or none.
std::optional<std::int32_t> Wartosc(const QLineEdit* pole)
{
    return ParsujCalkowita(pole->text().toStdString());
}

// The number a decimal field holds; not a number when it holds none, which no limit takes.
double Liczba(const QLineEdit* pole)
{
    return ParsujLiczbe(pole->text().toStdString()).value_or(std::numeric_limits<double>::quiet_NaN());
}

QString JednostkaSzumu(int rodzaj)
{
    switch (rodzaj) {
    case SzumSnr:
        return QStringLiteral("dB");
    case SzumNapiecie:
        return QStringLiteral("mV");
    default:
        return QString();
    }
}

constexpr int PierwszyCiagPrbs = static_cast<int>(TZrodloBitow::Prbs7);

// A pseudo-random source's item, "Ciąg PRBS7", with its polynomial as the item's tip
// ("Wielomian x⁷+x⁶+1"), so the list stays as narrow as its first items; in the language
// in use.
void NazwijPrbs(QComboBox& lista, TZrodloBitow zrodlo)
{
    const TWielomianPrbs w = WielomianPrbs(zrodlo);
    const int i = static_cast<int>(zrodlo);
    lista.setItemText(i, TTekst::tr("Ciąg PRBS%1").arg(w.Stopien));
    lista.setItemData(i,
                      TTekst::tr("Wielomian x%1+x%2+1")
                          .arg(Tekst(FormatujWykladnik(w.Stopien)), Tekst(FormatujWykladnik(w.Odczep))),
                      Qt::ToolTipRole);
}

bool TeSamePunkty(const TCharakterystyka& a, const TCharakterystyka& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const TPunkt& p, const TPunkt& q) { return p.X == q.X && p.Y == q.Y; });
}

} // namespace

TStronaUstawien::TStronaUstawien(const UstawieniaStandardu& opcje, QWidget* rodzic)
    : QWidget(rodzic), Opcje(opcje), CharTlumienie(std::make_unique<TFltFltStrumien>()),
      CharPrzesluchy(std::make_unique<TFltFltStrumien>()), CharEcho(std::make_unique<TFltFltStrumien>()),
      CharWzmocnienie(std::make_unique<TFltFltStrumien>())
{
    setObjectName(QStringLiteral("TabSheetUstawienia"));

    auto* sygnal = new QGroupBox(TTekst::tr(" Parametry sygnału wejściowego "), this);
    sygnal->setObjectName(QStringLiteral("SygnalGroupBox"));
    LiczbaBitowEdit = PoleLiczbowe(QStringLiteral("LiczbaBitowEdit"), sygnal);
    LiczbaBitowEdit->setText(QStringLiteral("100"));
    SzybkoscEdit = PoleLiczbowe(QStringLiteral("SzybkoscEdit"), sygnal);
    NachylenieEdit = PoleLiczbowe(QStringLiteral("NachylenieEdit"), sygnal);
    GenComboBox = new QComboBox(sygnal);
    GenComboBox->setObjectName(QStringLiteral("GenComboBox"));
    GenComboBox->addItems({TTekst::tr("Ciąg losowy"), TTekst::tr("Ciąg zer"), TTekst::tr("Ciąg jedynek")});
    for (int zrodlo = PierwszyCiagPrbs; zrodlo < LiczbaZrodelBitow; ++zrodlo) {
        GenComboBox->addItem(QString());
        NazwijPrbs(*GenComboBox, static_cast<TZrodloBitow>(zrodlo));
    }
    GenComboBox->setCurrentIndex(0);
    GenComboBox->installEventFilter(new TFiltrKlawiszy(TFiltrKlawiszy::TRodzaj::BezZnakow, GenComboBox));

    auto* pola = new QGridLayout(sygnal);
    pola->setHorizontalSpacing(6);
    pola->setVerticalSpacing(6);
    pola->addWidget(Etykieta(TTekst::tr("Liczba bitów: "), sygnal), 0, 0);
    pola->addWidget(LiczbaBitowEdit, 0, 1);
    pola->addWidget(Etykieta(TTekst::tr("Nachylenie zbocza impulsu:"), sygnal), 1, 0);
    pola->addWidget(NachylenieEdit, 1, 1);
    pola->addWidget(Etykieta(QStringLiteral("mV/ns"), sygnal), 1, 2);
    pola->setColumnMinimumWidth(3, 24);
    pola->addWidget(Etykieta(TTekst::tr("Szybkość:"), sygnal), 0, 4);
    pola->addWidget(SzybkoscEdit, 0, 5);
    pola->addWidget(Etykieta(QStringLiteral("Mbps"), sygnal), 0, 6);
    pola->addWidget(Etykieta(TTekst::tr("Źródło bitów:"), sygnal), 1, 4);
    pola->addWidget(GenComboBox, 1, 5, 1, 2);
    pola->setColumnStretch(7, 1);
    auto* wiersz = new TRzadGrup(sygnal, ZbudujZaklocenia(), this);
    wiersz->setObjectName(QStringLiteral("WierszSygnalu"));

    auto* kanal = new QGroupBox(TTekst::tr(" Model kanału i regeneratora "), this);
    kanal->setObjectName(QStringLiteral("KanalGroupBox"));
    auto* ukladKanalu = new QVBoxLayout(kanal);
    ZbudujModelKanalu(kanal);
    ukladKanalu->addWidget(KanalPageControl);

    StatToolBar = new TStatToolBar(this);
    PostepQt = new TPostepQt(StatToolBar->ProgLabel, StatToolBar->CGaugePart, StatToolBar->CGaugeTotal, this);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(6, 6, 6, 6);
    uklad->setSpacing(6);
    uklad->addWidget(wiersz);
    uklad->addWidget(kanal, 1);
    uklad->addWidget(StatToolBar);

    // The controls that background work locks, in the order it locks them. The page
    // control is locked through its tab bar, so the point lists stay browsable.
    KontrolkiBlokowane = {KanalPageControl->PasekZakladek(), LiczbaBitowEdit, SzybkoscEdit, NachylenieEdit, EchoEdit1,
                          PrzesluchyCheckBox, EchoCheckBox, WzmocnienieCheckBox};
    const std::array zakladki{&Tlumienie, &Przesluchy, &Echo, &Wzmocnienie};
    for (const TZakladkaCharakterystyki* z : zakladki)
        KontrolkiBlokowane.push_back(z->WczytajBtn);
    for (const TZakladkaCharakterystyki* z : zakladki)
        KontrolkiBlokowane.push_back(z->ZapiszBtn);
    for (const TZakladkaCharakterystyki* z : zakladki)
        if (z->ImportujBtn)
            KontrolkiBlokowane.push_back(z->ImportujBtn);
    KontrolkiBlokowane.push_back(KabelBtn);
    for (const TZakladkaCharakterystyki* z : zakladki)
        KontrolkiBlokowane.insert(KontrolkiBlokowane.end(), {z->DodajBtn, z->EdytujBtn, z->UsunBtn});
    for (const TZakladkaCharakterystyki* z : zakladki)
        KontrolkiBlokowane.push_back(z->RekalkulacjaBtn);
    KontrolkiBlokowane.insert(KontrolkiBlokowane.end(), {StatToolBar->SimBut, WzmAdaptCheckBox, GenComboBox,
                                                          SzumComboBox, SzumEdit, DrzenieEdit});
    StanyPrzedBlokada.assign(KontrolkiBlokowane.size(), true);

    connect(LiczbaBitowEdit, &QLineEdit::textChanged, this, &TStronaUstawien::ZmianaUstawien);
    connect(SzybkoscEdit, &QLineEdit::textChanged, this, &TStronaUstawien::ZmianaUstawien);
    connect(NachylenieEdit, &QLineEdit::textChanged, this, &TStronaUstawien::ZmianaUstawien);
    connect(GenComboBox, &QComboBox::currentIndexChanged, this, &TStronaUstawien::ZmianaUstawien);
    connect(SzumComboBox, &QComboBox::currentIndexChanged, this, &TStronaUstawien::ZmianaRodzajuSzumu);
    connect(SzumEdit, &QLineEdit::textChanged, this, &TStronaUstawien::ZmianaUstawien);
    connect(DrzenieEdit, &QLineEdit::textChanged, this, &TStronaUstawien::ZmianaUstawien);
    connect(EchoEdit1, &QLineEdit::textChanged, StatToolBar->SimBut, [this] { StatToolBar->SimBut->setEnabled(true); });
    connect(PrzesluchyCheckBox, &QCheckBox::toggled, this, &TStronaUstawien::PrzesluchyCheckBoxClick);
    connect(EchoCheckBox, &QCheckBox::toggled, this, &TStronaUstawien::EchoCheckBoxClick);
    connect(WzmocnienieCheckBox, &QCheckBox::toggled, this, &TStronaUstawien::WzmocnienieCheckBoxClick);
    connect(KanalPageControl->PasekZakladek(), &TKanalTabBar::MyszNaZakladce, this,
            &TStronaUstawien::KanalPageControlMouseDown);
    connect(KanalPageControl, &QTabWidget::currentChanged, this,
            [this](int indeks) { PokazStrone(KanalPageControl->widget(indeks)); });
    for (QLineEdit* pole : {LiczbaBitowEdit, SzybkoscEdit, NachylenieEdit, EchoEdit1, SzumEdit, DrzenieEdit})
        connect(pole, &QLineEdit::textChanged, this, &TStronaUstawien::Zmiana);
    for (QComboBox* pole : {GenComboBox, SzumComboBox})
        connect(pole, &QComboBox::currentIndexChanged, this, &TStronaUstawien::Zmiana);
    for (QCheckBox* pole : {PrzesluchyCheckBox, EchoCheckBox, WzmocnienieCheckBox, WzmAdaptCheckBox})
        connect(pole, &QCheckBox::toggled, this, &TStronaUstawien::Zmiana);
    connect(this, &TStronaUstawien::CharakterystykaZmieniona, this, &TStronaUstawien::Zmiana);
    connect(StatToolBar->SimBut, &QPushButton::clicked, this, &TStronaUstawien::SymulacjaZadana);
    connect(StatToolBar->AnulujBut, &QPushButton::clicked, this, &TStronaUstawien::AnulowanieZadane);
    PolaczEdytor();
}

// The charts point at the characteristics' streams: they go first.
TStronaUstawien::~TStronaUstawien()
{
    delete KanalPageControl;
}

void TStronaUstawien::ZbudujModelKanalu(QWidget* rodzic)
{
    KanalPageControl = new TKanalPageControl(rodzic);
    KanalPageControl->setObjectName(QStringLiteral("KanalPageControl"));
    Tlumienie = ZbudujZakladke(QStringLiteral("Tlumienie"), false, KanalPageControl);
    Przesluchy = ZbudujZakladke(QStringLiteral("Przesluchy"), false, KanalPageControl);
    Echo = ZbudujZakladke(QStringLiteral("Echo"), false, KanalPageControl);
    Wzmocnienie = ZbudujZakladke(QStringLiteral("Wzmocnienie"), true, KanalPageControl);
    KanalPageControl->addTab(Tlumienie.TabSheet, TTekst::tr(" Tłumienie "));
    KanalPageControl->addTab(Przesluchy.TabSheet, TTekst::tr("      Przesłuchy "));
    KanalPageControl->addTab(Echo.TabSheet, TTekst::tr("      Echo "));
    KanalPageControl->addTab(Wzmocnienie.TabSheet, TTekst::tr("      Regeneracja"));
    PrzesluchyCheckBox = PoleNaZakladce(QStringLiteral("PrzesluchyCheckBox"), Przesluchy.TabSheet);
    EchoCheckBox = PoleNaZakladce(QStringLiteral("EchoCheckBox"), Echo.TabSheet);
    WzmocnienieCheckBox = PoleNaZakladce(QStringLiteral("WzmocnienieCheckBox"), Wzmocnienie.TabSheet);
    KanalPageControl->setCornerWidget(ZbudujPrzyciskKabla(KanalPageControl), Qt::TopRightCorner);

    // The attenuation, crosstalk and echo charts show losses up to 0 dB.
    for (TWykres* wykres : {Tlumienie.CharWykres, Przesluchy.CharWykres, Echo.CharWykres})
        wykres->OsY.UstawMax(0.0f);

    PrzesuniecieLabel = Etykieta(TTekst::tr("Przesunięcie:"), Echo.TabSheet, QStringLiteral("PrzesuniecieLabel"));
    EchoEdit1 = PoleLiczbowe(QStringLiteral("EchoEdit1"), Echo.TabSheet);
    EchoEdit1->setText(QStringLiteral("0"));
    NsLabel = Etykieta(QStringLiteral("ns"), Echo.TabSheet, QStringLiteral("NsLabel"));
    auto* opoznienie = new QHBoxLayout;
    opoznienie->addWidget(PrzesuniecieLabel);
    opoznienie->addWidget(EchoEdit1);
    opoznienie->addWidget(NsLabel);
    opoznienie->addStretch(1);
    Echo.KolumnaListy->addLayout(opoznienie);

    WzmAdaptCheckBox = new QCheckBox(TTekst::tr("Wzmacniacz adaptacyjny"), Wzmocnienie.TabSheet);
    WzmAdaptCheckBox->setObjectName(QStringLiteral("WzmAdaptCheckBox"));
    Wzmocnienie.KolumnaListy->addWidget(WzmAdaptCheckBox);
}

QWidget* TStronaUstawien::ZbudujPrzyciskKabla(QWidget* rodzic)
{
    auto* naroznik = new QWidget(rodzic);
    ZrodloLabel = Etykieta(QString(), naroznik, QStringLiteral("ZrodloLabel"));
    KabelBtn = new QPushButton(TTekst::tr("Kabel…"), naroznik);
    KabelBtn->setObjectName(QStringLiteral("KabelBtn"));
    KabelBtn->setAutoDefault(false);
    KabelBtn->setToolTip(TTekst::tr("Tłumienie, przesłuchy i echo kabla danej kategorii, długości i temperatury"));
    auto* uklad = new QHBoxLayout(naroznik);
    uklad->setContentsMargins(0, 0, 2, 2);
    uklad->setSpacing(8);
    uklad->addWidget(ZrodloLabel);
    uklad->addWidget(KabelBtn);
    return naroznik;
}

QGroupBox* TStronaUstawien::ZbudujZaklocenia()
{
    auto* grupa = new QGroupBox(TTekst::tr(" Szum i drżenie "), this);
    grupa->setObjectName(QStringLiteral("SzumGroupBox"));
    SzumComboBox = new QComboBox(grupa);
    SzumComboBox->setObjectName(QStringLiteral("SzumComboBox"));
    SzumComboBox->addItems({TTekst::tr("Brak"), QStringLiteral("S/N"), QStringLiteral("RMS")});
    SzumComboBox->setItemData(SzumSnr, TTekst::tr("Stosunek mocy sygnału do mocy szumu w każdym torze"),
                              Qt::ToolTipRole);
    SzumComboBox->setItemData(SzumNapiecie, TTekst::tr("Napięcie skuteczne szumu"), Qt::ToolTipRole);
    SzumComboBox->installEventFilter(new TFiltrKlawiszy(TFiltrKlawiszy::TRodzaj::BezZnakow, SzumComboBox));
    SzumEdit = PoleDziesietne(QStringLiteral("SzumEdit"), grupa);
    SzumEdit->setEnabled(false);
    SzumJednostka = Etykieta(QString(), grupa, QStringLiteral("SzumJednostkaLabel"));
    SzumJednostka->setMinimumWidth(SzumJednostka->fontMetrics().horizontalAdvance(QStringLiteral("mV")));
    DrzenieEdit = PoleDziesietne(QStringLiteral("DrzenieEdit"), grupa);
    DrzenieEdit->setText(QStringLiteral("0"));

    auto* pola = new QGridLayout(grupa);
    pola->setHorizontalSpacing(6);
    pola->setVerticalSpacing(6);
    pola->addWidget(Etykieta(TTekst::tr("Szum odbiornika:"), grupa), 0, 0, Qt::AlignRight);
    pola->addWidget(SzumComboBox, 0, 1);
    pola->addWidget(SzumEdit, 0, 2);
    pola->addWidget(SzumJednostka, 0, 3);
    pola->addWidget(Etykieta(TTekst::tr("Drżenie zboczy (RMS):"), grupa), 1, 0, 1, 2, Qt::AlignRight);
    pola->addWidget(DrzenieEdit, 1, 2);
    pola->addWidget(Etykieta(QStringLiteral("ps"), grupa), 1, 3);
    pola->setColumnStretch(4, 1);
    return grupa;
}

QLineEdit* TStronaUstawien::PoleDziesietne(const QString& nazwa, QWidget* rodzic)
{
    auto* pole = new QLineEdit(rodzic);
    pole->setObjectName(nazwa);
    pole->setFixedWidth(SzerokoscPolaDziesietnego);
    pole->setAlignment(Qt::AlignRight);
    pole->installEventFilter(new TFiltrKlawiszy(TFiltrKlawiszy::TRodzaj::Dziesietna, pole));
    return pole;
}

QLineEdit* TStronaUstawien::PoleLiczbowe(const QString& nazwa, QWidget* rodzic)
{
    auto* pole = new QLineEdit(rodzic);
    pole->setObjectName(nazwa);
    pole->setMaxLength(DlugoscPola);
    pole->setFixedWidth(SzerokoscPola);
    pole->setAlignment(Qt::AlignRight);
    pole->installEventFilter(new TFiltrKlawiszy(TFiltrKlawiszy::TRodzaj::Cyfry, pole));
    return pole;
}

QCheckBox* TStronaUstawien::PoleNaZakladce(const QString& nazwa, QWidget* zakladka)
{
    auto* pole = new QCheckBox(KanalPageControl->PasekZakladek());
    pole->setObjectName(nazwa);
    pole->setChecked(true);
    pole->setFocusPolicy(Qt::NoFocus);
    KanalPageControl->PasekZakladek()->setTabButton(KanalPageControl->indexOf(zakladka), QTabBar::LeftSide, pole);
    return pole;
}

void TStronaUstawien::UstawEfekt(QWidget* zakladka, QCheckBox* pole, std::int32_t wartosc)
{
    KanalPageControl->setTabVisible(KanalPageControl->indexOf(zakladka), wartosc != 0);
    pole->setVisible(wartosc != 0);
    pole->setChecked(wartosc == MaksEfektuKanalu);
}

void TStronaUstawien::UstawOpcje(int standard)
{
    Standard = standard;
    UstawEfekt(Wzmocnienie.TabSheet, WzmocnienieCheckBox, Opcje.Regeneracja);
    UstawEfekt(Echo.TabSheet, EchoCheckBox, Opcje.Echo);
    UstawEfekt(Przesluchy.TabSheet, PrzesluchyCheckBox, Opcje.Przesluchy);
    const TLinieStandardu limity = LinieGraniczneStandardu(standard);
    const QString nazwa = PrzetlumaczTekstBiblioteki(Tekst(Standardy.at(static_cast<std::size_t>(standard)).Nazwa));
    UstawLimit(Tlumienie, limity.Tlumienie, nazwa);
    UstawLimit(Przesluchy, limity.Przesluchy, nazwa);
    UstawLimit(Echo, limity.Echo, nazwa);
}

void TStronaUstawien::UstawStandard()
{
    if (Tlumienie.ListView->topLevelItemCount() > 0) {
        Tlumienie.ListView->selectionModel()->setCurrentIndex(Tlumienie.ListView->model()->index(0, 0),
                                                              QItemSelectionModel::NoUpdate);
    }
    ZablokujKontrolki();
    const TStandard& s = Standardy.at(static_cast<std::size_t>(Standard));
    SzybkoscEdit->setText(Tekst(s.SzybkoscDomyslna));
    NachylenieEdit->setText(Tekst(s.NachylenieDomyslne));
    const TCharakterystykiKanalu domyslne = DomyslneCharakterystyki();
    UstawPunkty(*CharTlumienie, domyslne.Tlumienie);
    UstawPunkty(*CharPrzesluchy, domyslne.Przesluchy);
    UstawPunkty(*CharEcho, domyslne.Echo);
    UstawPunkty(*CharWzmocnienie, domyslne.Wzmocnienie);
    for (TZakladkaCharakterystyki* z : {&Tlumienie, &Przesluchy, &Echo, &Wzmocnienie})
        PokazCharakterystyke(*z, *z->Strumien);
    PrzywrocKontrolki();
}

std::vector<std::pair<TPoleUstawien, QLineEdit*>> TStronaUstawien::PolaLiczbowe() const
{
    return {{TPoleUstawien::LiczbaBitow, LiczbaBitowEdit},
            {TPoleUstawien::Szybkosc, SzybkoscEdit},
            {TPoleUstawien::Nachylenie, NachylenieEdit},
            {TPoleUstawien::PrzesuniecieEcha, EchoEdit1}};
}

TUstawieniaSymulacji TStronaUstawien::UstawieniaSymulacji() const
{
    TUstawieniaSymulacji u;
    u.Standard = Standard;
    u.LiczbaBitow = Wartosc(LiczbaBitowEdit).value_or(0);
    u.Szybkosc = Wartosc(SzybkoscEdit).value_or(0);
    u.Nachylenie = static_cast<float>(Wartosc(NachylenieEdit).value_or(0));
    u.PrzesuniecieEcha = Wartosc(EchoEdit1).value_or(0);
    u.Zrodlo = static_cast<TZrodloBitow>(GenComboBox->currentIndex());
    u.Ziarno = Ziarno;
    u.Przesluchy = Opcje.Przesluchy != 0 && PrzesluchyCheckBox->isChecked();
    u.Echo = Opcje.Echo != 0 && EchoCheckBox->isChecked();
    u.Regeneracja = Opcje.Regeneracja != 0 && WzmocnienieCheckBox->isChecked();
    u.Dekoder = Opcje.Dekoder != 0;
    u.Adaptacyjny = TrybAdaptacyjny();
    u.Charakterystyki = {PunktyStrumienia(*CharTlumienie), PunktyStrumienia(*CharPrzesluchy),
                         PunktyStrumienia(*CharEcho), PunktyStrumienia(*CharWzmocnienie)};
    u.Bity = Bity;
    u.BityZaklocen = BityZaklocen;
    u.Pochodzenie = Pochodzenie;
    if (SzumComboBox->currentIndex() == SzumSnr)
        u.SzumIDrzenie.SnrDb = Liczba(SzumEdit);
    else if (SzumComboBox->currentIndex() == SzumNapiecie)
        u.SzumIDrzenie.SzumMv = Liczba(SzumEdit);
    u.SzumIDrzenie.DrzeniePs = Liczba(DrzenieEdit);
    return u;
}

void TStronaUstawien::Zastosuj(const TUstawieniaSymulacji& u)
{
    const QString bity = Calkowita(u.LiczbaBitow);
    LiczbaBitowEdit->setMaxLength(std::max(DlugoscPola, static_cast<int>(bity.size())));
    LiczbaBitowEdit->setText(bity);
    SzybkoscEdit->setText(Calkowita(u.Szybkosc));
    NachylenieEdit->setText(Calkowita(static_cast<std::int64_t>(std::trunc(u.Nachylenie))));
    EchoEdit1->setText(Calkowita(u.PrzesuniecieEcha));
    GenComboBox->setCurrentIndex(static_cast<int>(u.Zrodlo));
    const TSzumIDrzenie& z = u.SzumIDrzenie;
    const int rodzaj = z.SnrDb ? SzumSnr : (z.SzumMv ? SzumNapiecie : SzumWylaczony);
    if (rodzaj != SzumWylaczony) {
        const QString tekst = Tekst(FormatujDokladnie(z.SnrDb ? *z.SnrDb : *z.SzumMv));
        if (rodzaj == SzumComboBox->currentIndex())
            SzumEdit->setText(tekst);
        else
            TekstySzumu[static_cast<std::size_t>(rodzaj)] = tekst;
    }
    SzumComboBox->setCurrentIndex(rodzaj);
    DrzenieEdit->setText(Tekst(FormatujDokladnie(z.DrzeniePs)));
    if (Opcje.Przesluchy != 0)
        PrzesluchyCheckBox->setChecked(u.Przesluchy);
    if (Opcje.Echo != 0)
        EchoCheckBox->setChecked(u.Echo);
    if (Opcje.Regeneracja != 0)
        WzmocnienieCheckBox->setChecked(u.Regeneracja);

    // The adaptive amplifier's list is the mirror of the line, whatever u holds for it.
    const bool adaptacyjny = Opcje.Regeneracja != 0 && u.Adaptacyjny;
    const bool zmiana = ZastosujCharakterystyki(u.Charakterystyki, adaptacyjny);
    if (Opcje.Regeneracja != 0)
        WzmAdaptCheckBox->setChecked(adaptacyjny);

    Ziarno = u.Ziarno;
    Bity = u.Bity;
    BityZaklocen = u.BityZaklocen;
    Pochodzenie = u.Pochodzenie;
    PokazZrodlo();
    if (zmiana) {
        StatToolBar->SimBut->setEnabled(true);
        emit CharakterystykaZmieniona();
    }
}

bool TStronaUstawien::ZastosujCharakterystyki(const TCharakterystykiKanalu& c, bool adaptacyjny)
{
    const TCharakterystyka wzmocnienie = adaptacyjny ? Lustro(c.Tlumienie) : c.Wzmocnienie;
    bool zmiana = false;
    const std::pair<TZakladkaCharakterystyki*, const TCharakterystyka*> listy[] = {
        {&Tlumienie, &c.Tlumienie},
        {&Przesluchy, &c.Przesluchy},
        {&Echo, &c.Echo},
        {&Wzmocnienie, &wzmocnienie},
    };
    for (const auto& [z, punkty] : listy) {
        if (TeSamePunkty(PunktyStrumienia(*z->Strumien), *punkty))
            continue;
        UstawPunkty(*z->Strumien, *punkty);
        PokazCharakterystyke(*z, *z->Strumien);
        UstawDostepnosc(z->RekalkulacjaBtn, true);
        zmiana = true;
    }
    return zmiana;
}

void TStronaUstawien::ZastosujKanal(const TUstawieniaSymulacji& u)
{
    const bool zmiana = ZastosujCharakterystyki(u.Charakterystyki, TrybAdaptacyjny());
    Pochodzenie = u.Pochodzenie;
    PokazZrodlo();
    if (zmiana) {
        StatToolBar->SimBut->setEnabled(true);
        emit CharakterystykaZmieniona();
    }
}

TListyZrodla TStronaUstawien::OferowaneListy() const
{
    return {true, Opcje.Przesluchy != 0, Opcje.Echo != 0};
}

void TStronaUstawien::PokazZrodlo()
{
    // The lists a source gave, named only when it did not give all the page has.
    const auto listy = [this](const TListyZrodla& l) {
        return l == OferowaneListy() ? QString() : QStringLiteral(" (") + NazwyList(l) + QStringLiteral(")");
    };
    QStringList zrodla;
    if (const auto& k = Pochodzenie.Kabel)
        zrodla << TTekst::tr("Kabel %1").arg(OpisKabla(k->Kabel)) + listy(k->Listy);
    if (const auto& t = Pochodzenie.Touchstone) {
        const std::filesystem::path plik(t->Plik);
        zrodla << QString::fromStdString(plik.filename().string()) + listy(t->Listy);
    }
    // Long names are cut short beside the tabs; the hint holds them whole.
    const QString tekst = zrodla.join(QStringLiteral("; "));
    ZrodloLabel->setToolTip(tekst);
    ZrodloLabel->setText(ZrodloLabel->fontMetrics().elidedText(tekst, Qt::ElideMiddle, SzerokoscZrodla));
}

QString TStronaUstawien::NazwyList(const TListyZrodla& listy)
{
    QStringList nazwy;
    if (listy.Tlumienie)
        nazwy << TTekst::tr("tłumienie");
    if (listy.Przesluchy)
        nazwy << TTekst::tr("przesłuchy");
    if (listy.Echo)
        nazwy << TTekst::tr("echo");
    return nazwy.join(QStringLiteral(", "));
}

std::optional<std::int32_t> TStronaUstawien::SprawdzonaSzybkosc()
{
    const std::optional<std::int32_t> mbps = Wartosc(SzybkoscEdit);
    const TZakres zakres = ZakresPola(TPoleUstawien::Szybkosc, Standard);
    if (mbps && *mbps >= zakres.Min && *mbps <= zakres.Max)
        return mbps;
    PokazKomunikat(SzybkoscEdit, TTekst::tr("Nieprawidłowa wartość"));
    return std::nullopt;
}

QWidget* TStronaUstawien::PolePoprawiane(TPoleUstawien pole)
{
    for (const auto& [p, edycja] : PolaLiczbowe())
        if (p == pole)
            return edycja;
    switch (pole) {
    case TPoleUstawien::Tlumienie:
    case TPoleUstawien::Przesluchy:
    case TPoleUstawien::Echo:
    case TPoleUstawien::Wzmocnienie:
        return Zakladka(pole).ListView;
    case TPoleUstawien::Snr:
    case TPoleUstawien::SzumMv:
        return SzumEdit;
    case TPoleUstawien::DrzeniePs:
        return DrzenieEdit;
    default:
        return nullptr;
    }
}

std::optional<TUstawieniaSymulacji> TStronaUstawien::SprawdzoneUstawienia()
{
    const TUstawieniaSymulacji u = UstawieniaSymulacji();
    std::vector<TPoleUstawien> wadliwe;
    for (const auto& [pole, edycja] : PolaLiczbowe())
        if (!Wartosc(edycja))
            wadliwe.push_back(pole);
    for (const TNaruszenie& n : SprawdzUstawienia(u, LiczbaBitowMax))
        wadliwe.push_back(n.Pole);
    if (wadliwe.empty())
        return u;

    const TPoleUstawien pierwsze = *std::min_element(wadliwe.begin(), wadliwe.end());
    // The echo delay and the point lists live on their own tabs: bring the tab forward
    // when it may open, so the focus can reach the field.
    if (pierwsze == TPoleUstawien::PrzesuniecieEcha)
        PokazZakladke(TPoleUstawien::Echo);
    else if (pierwsze >= TPoleUstawien::Tlumienie && pierwsze <= TPoleUstawien::Wzmocnienie)
        PokazZakladke(pierwsze);
    PokazKomunikat(PolePoprawiane(pierwsze), TTekst::tr("Nieprawidłowa wartość"));
    return std::nullopt;
}

float TStronaUstawien::SzybkoscLinii() const
{
    return static_cast<float>(SzybkoscSymboli(Standard, Wartosc(SzybkoscEdit).value_or(0)));
}

void TStronaUstawien::ZablokujKontrolki()
{
    // A control's own enabled flag, not the one inherited from its parent: the check
    // boxes sit on the tab bar, which is locked before them.
    for (std::size_t i = 0; i < KontrolkiBlokowane.size(); ++i) {
        StanyPrzedBlokada[i] = !KontrolkiBlokowane[i]->testAttribute(Qt::WA_ForceDisabled);
        KontrolkiBlokowane[i]->setEnabled(false);
    }
    Zablokowane = true;
    update();
}

void TStronaUstawien::PrzywrocKontrolki()
{
    for (std::size_t i = 0; i < KontrolkiBlokowane.size(); ++i)
        KontrolkiBlokowane[i]->setEnabled(StanyPrzedBlokada[i]);
    Zablokowane = false;
    update();
}

void TStronaUstawien::PokazPrzyciskSymulacji(bool widoczny)
{
    StatToolBar->SimBut->setVisible(widoczny);
}

void TStronaUstawien::WlaczSymulacje(bool wlaczona)
{
    StatToolBar->SimBut->setEnabled(wlaczona);
}

void TStronaUstawien::ZglosBlad(const QString& komunikat)
{
    PokazKomunikat(StatToolBar->SimBut, komunikat);
}

TZakladkaCharakterystyki& TStronaUstawien::Zakladka(TPoleUstawien charakterystyka)
{
    return const_cast<TZakladkaCharakterystyki&>(std::as_const(*this).Zakladka(charakterystyka));
}

const TZakladkaCharakterystyki& TStronaUstawien::Zakladka(TPoleUstawien charakterystyka) const
{
    switch (charakterystyka) {
    case TPoleUstawien::Przesluchy:
        return Przesluchy;
    case TPoleUstawien::Echo:
        return Echo;
    case TPoleUstawien::Wzmocnienie:
        return Wzmocnienie;
    default:
        return Tlumienie;
    }
}

void TStronaUstawien::PokazZakladke(TPoleUstawien charakterystyka)
{
    KanalPageControlMouseDown(KanalPageControl->indexOf(Zakladka(charakterystyka).TabSheet));
}

TCharakterystyka TStronaUstawien::PrzygotujRekalkulacje(TPoleUstawien charakterystyka)
{
    TZakladkaCharakterystyki& z = Zakladka(charakterystyka);
    // Disabled before the lock, it stays disabled after the unlock: only a change of the
    // points asks for another recalculation.
    z.RekalkulacjaBtn->setEnabled(false);
    StatToolBar->SimBut->setEnabled(true);
    ZablokujKontrolki();
    // Nothing may draw a released stream: the series let go of theirs first.
    z.OdpowiedzWykres->ModyfikujSerie(0, nullptr, 0, psSolid);
    z.CharWykres->ModyfikujSerie(SeriaOdpowiedzi, nullptr, 0, psSolid);
    z.Wynik.reset();
    // The worker gets its own copy of the points: the list stays browsable meanwhile.
    return PunktyStrumienia(*z.Strumien);
}

void TStronaUstawien::PokazRekalkulacje(TPoleUstawien charakterystyka, std::shared_ptr<WynikRekalkulacji> wynik)
{
    TZakladkaCharakterystyki& z = Zakladka(charakterystyka);
    z.Wynik = std::move(wynik);
    PokazWynikRekalkulacji(z);
}

void TStronaUstawien::WlaczRekalkulacje(TPoleUstawien charakterystyka)
{
    Zakladka(charakterystyka).RekalkulacjaBtn->setEnabled(true);
}

const WynikRekalkulacji* TStronaUstawien::Rekalkulacja(TPoleUstawien charakterystyka) const
{
    return Zakladka(charakterystyka).Wynik.get();
}

TSekcjeRaportu TStronaUstawien::SekcjeRaportu()
{
    const TUstawieniaSymulacji u = UstawieniaSymulacji();
    const std::pair<QString, TWykres*> wszystkie[] = {
        {TTekst::tr("Charakterystyka tłumienia"), Tlumienie.CharWykres},
        {TTekst::tr("Charakterystyka przesłuchów"), u.Przesluchy ? Przesluchy.CharWykres : nullptr},
        {TTekst::tr("Charakterystyka echa"), u.Echo ? Echo.CharWykres : nullptr},
        {TTekst::tr("Charakterystyka regenratora"), u.Regeneracja ? Wzmocnienie.CharWykres : nullptr},
    };
    // At most two characteristics to a printed page.
    constexpr std::size_t NaStronie = 2;
    TSekcjeRaportu sekcje;
    for (const auto& [tytul, wykres] : wszystkie) {
        if (wykres == nullptr)
            continue;
        const bool nowaStrona = sekcje.size() % NaStronie == 0;
        sekcje.push_back({nowaStrona ? TSekcjaRaportu::TMiejsce::NowaStrona : TSekcjaRaportu::TMiejsce::Ponizej,
                          [tytul, wykres](TPlotno& plotno, const TUkladRaportu& uklad, int gora) {
                              return RysujCharakterystyke(plotno, uklad, gora, tytul, *wykres);
                          }});
    }
    return sekcje;
}

void TStronaUstawien::changeEvent(QEvent* zdarzenie)
{
    QWidget::changeEvent(zdarzenie);
    if (zdarzenie->type() != QEvent::LanguageChange)
        return;
    for (int zrodlo = PierwszyCiagPrbs; zrodlo < LiczbaZrodelBitow; ++zrodlo)
        NazwijPrbs(*GenComboBox, static_cast<TZrodloBitow>(zrodlo));
    const QString nazwa = PrzetlumaczTekstBiblioteki(Tekst(Standardy.at(static_cast<std::size_t>(Standard)).Nazwa));
    for (TZakladkaCharakterystyki* z : {&Tlumienie, &Przesluchy, &Echo})
        OpiszLimit(*z, nazwa);
    PokazZrodlo();
}

void TStronaUstawien::ZmianaUstawien()
{
    StatToolBar->SimBut->setEnabled(true);
    emit UstawieniaZmienione();
}

void TStronaUstawien::ZmianaRodzajuSzumu(int rodzaj)
{
    // Each choice keeps its own value: 20 dB never turns into 20 mV.
    TekstySzumu[static_cast<std::size_t>(RodzajSzumu)] = SzumEdit->text();
    RodzajSzumu = rodzaj;
    SzumEdit->setText(TekstySzumu[static_cast<std::size_t>(rodzaj)]);
    SzumJednostka->setText(JednostkaSzumu(rodzaj));
    UstawDostepnosc(SzumEdit, rodzaj != SzumWylaczony);
    ZmianaUstawien();
}

void TStronaUstawien::PrzesluchyCheckBoxClick(bool zaznaczone)
{
    StatToolBar->SimBut->setEnabled(true);
    if (zaznaczone)
        KanalPageControl->setCurrentWidget(Przesluchy.TabSheet);
    else if (KanalPageControl->currentWidget() == Przesluchy.TabSheet)
        KanalPageControl->setCurrentWidget(Tlumienie.TabSheet);
}

void TStronaUstawien::EchoCheckBoxClick(bool zaznaczone)
{
    for (QWidget* kontrolka : std::initializer_list<QWidget*>{EchoEdit1, PrzesuniecieLabel, NsLabel})
        kontrolka->setEnabled(zaznaczone);
    if (zaznaczone) {
        KanalPageControl->setCurrentWidget(Echo.TabSheet);
    } else if (KanalPageControl->currentWidget() == Echo.TabSheet) {
        KanalPageControl->setCurrentWidget(PrzesluchyCheckBox->isChecked() ? Przesluchy.TabSheet : Tlumienie.TabSheet);
    }
    StatToolBar->SimBut->setEnabled(true);
}

void TStronaUstawien::WzmocnienieCheckBoxClick(bool zaznaczone)
{
    if (zaznaczone) {
        KanalPageControl->setCurrentWidget(Wzmocnienie.TabSheet);
    } else if (KanalPageControl->currentWidget() == Wzmocnienie.TabSheet) {
        if (EchoCheckBox->isChecked())
            KanalPageControl->setCurrentWidget(Echo.TabSheet);
        else if (PrzesluchyCheckBox->isChecked())
            KanalPageControl->setCurrentWidget(Przesluchy.TabSheet);
        else
            KanalPageControl->setCurrentWidget(Tlumienie.TabSheet);
    }
    StatToolBar->SimBut->setEnabled(true);
}

void TStronaUstawien::KanalPageControlMouseDown(int indeks)
{
    QWidget* strona = KanalPageControl->widget(indeks);
    const bool wolno = strona == Tlumienie.TabSheet || (strona == Przesluchy.TabSheet && PrzesluchyCheckBox->isChecked()) ||
                       (strona == Echo.TabSheet && EchoCheckBox->isChecked()) ||
                       (strona == Wzmocnienie.TabSheet && WzmocnienieCheckBox->isChecked());
    if (wolno)
        KanalPageControl->setCurrentWidget(strona);
}

void TStronaUstawien::PokazStrone(QWidget* zakladka)
{
    for (TZakladkaCharakterystyki* z : {&Tlumienie, &Przesluchy, &Echo, &Wzmocnienie}) {
        if (z->TabSheet != zakladka)
            continue;
        if (z->ListView->topLevelItemCount() > 0) {
            z->ListView->selectionModel()->setCurrentIndex(z->ListView->model()->index(0, 0),
                                                           QItemSelectionModel::NoUpdate);
        }
        z->CharWykres->update();
    }
}
