#include "TSimChildForm.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Charakterystyki.h"
#include "FiltrKlawiszy.h"
#include "Liczby.h"
#include "PostepQt.h"
#include "Standardy.h"
#include "TKanalPageControl.h"
#include "TPageControl.h"
#include "TStatToolBar.h"
#include "UslugiQt.h"
#include "Vartostream.h"
#include "WatekQt.h"
#include "Wykres.h"

namespace {

constexpr int DlugoscPola = 4;  // characters of every numeric field
constexpr int SzerokoscPola = 56;

QLabel* Etykieta(const QString& tekst, QWidget* rodzic)
{
    auto* etykieta = new QLabel(tekst, rodzic);
    etykieta->setTextFormat(Qt::PlainText);
    return etykieta;
}

} // namespace

void TPoleceniaWynikow::Wlacz(bool wlaczone) const
{
    if (Zapisz1)
        Zapisz1->setEnabled(wlaczone);
    if (Drukuj1)
        Drukuj1->setEnabled(wlaczone);
}

TSimChildForm::TSimChildForm(const UstawieniaStandardu& ustawienia, TPoleceniaWynikow polecenia, QWidget* oknoGlowne,
                             QWidget* rodzic)
    : QWidget(rodzic), Ustawienia(ustawienia), OknoGlowne(oknoGlowne), Polecenia(polecenia),
      CharTlumienie(std::make_unique<TFltFltStrumien>()), CharPrzesluchy(std::make_unique<TFltFltStrumien>()),
      CharEcho(std::make_unique<TFltFltStrumien>()), CharWzmocnienie(std::make_unique<TFltFltStrumien>())
{
    setObjectName(QStringLiteral("SimChildForm"));

    PageControl1 = new TPageControl(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheetUstawienia = ZbudujStroneUstawien();
    PageControl1->addTab(TabSheetUstawienia, QStringLiteral("Ustawienia analizy"));
    ZbudujStronyWynikow();

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(4, 4, 4, 4);
    uklad->addWidget(PageControl1);

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
        KontrolkiBlokowane.insert(KontrolkiBlokowane.end(), {z->DodajBtn, z->EdytujBtn, z->UsunBtn});
    for (const TZakladkaCharakterystyki* z : zakladki)
        KontrolkiBlokowane.push_back(z->RekalkulacjaBtn);
    KontrolkiBlokowane.insert(KontrolkiBlokowane.end(), {SimBut, WzmAdaptCheckBox, GenComboBox});
    StanyPrzedBlokada.assign(KontrolkiBlokowane.size(), true);

    connect(LiczbaBitowEdit, &QLineEdit::textChanged, this, &TSimChildForm::UstawieniaZmienione);
    connect(SzybkoscEdit, &QLineEdit::textChanged, this, &TSimChildForm::UstawieniaZmienione);
    connect(NachylenieEdit, &QLineEdit::textChanged, this, &TSimChildForm::UstawieniaZmienione);
    connect(GenComboBox, &QComboBox::currentIndexChanged, this, &TSimChildForm::UstawieniaZmienione);
    connect(EchoEdit1, &QLineEdit::textChanged, SimBut, [this] { SimBut->setEnabled(true); });
    connect(PrzesluchyCheckBox, &QCheckBox::toggled, this, &TSimChildForm::PrzesluchyCheckBoxClick);
    connect(EchoCheckBox, &QCheckBox::toggled, this, &TSimChildForm::EchoCheckBoxClick);
    connect(WzmocnienieCheckBox, &QCheckBox::toggled, this, &TSimChildForm::WzmocnienieCheckBoxClick);
    connect(KanalPageControl->PasekZakladek(), &TKanalTabBar::MyszNaZakladce, this,
            &TSimChildForm::KanalPageControlMouseDown);
    connect(KanalPageControl, &QTabWidget::currentChanged, this, &TSimChildForm::KanalPageControlChange);
    connect(SimBut, &QPushButton::clicked, this, &TSimChildForm::SimButClick);
    connect(AnulujBut, &QPushButton::clicked, this, &TSimChildForm::AnulujButClick);
    PolaczEdytor();
}

TSimChildForm::~TSimChildForm()
{
    // A window that goes without being closed still lets its worker go; the worker ends
    // by itself and its late result is dropped with the window's connections.
    if (SymulacjaTrwa || RekalkulacjaTrwa)
        AnulujButClick();
    // The charts point at the characteristics and the results; they go first.
    delete PageControl1;
}

QWidget* TSimChildForm::ZbudujStroneUstawien()
{
    auto* strona = new QWidget(PageControl1);
    strona->setObjectName(QStringLiteral("TabSheetUstawienia"));

    auto* sygnal = new QGroupBox(QStringLiteral(" Parametry sygnału wejściowego "), strona);
    sygnal->setObjectName(QStringLiteral("SygnalGroupBox"));
    LiczbaBitowEdit = PoleLiczbowe(QStringLiteral("LiczbaBitowEdit"), sygnal);
    LiczbaBitowEdit->setText(QStringLiteral("100"));
    SzybkoscEdit = PoleLiczbowe(QStringLiteral("SzybkoscEdit"), sygnal);
    NachylenieEdit = PoleLiczbowe(QStringLiteral("NachylenieEdit"), sygnal);
    GenComboBox = new QComboBox(sygnal);
    GenComboBox->setObjectName(QStringLiteral("GenComboBox"));
    GenComboBox->addItems({QStringLiteral("Ciąg losowy"), QStringLiteral("Ciąg zer"), QStringLiteral("Ciąg jedynek")});
    GenComboBox->setCurrentIndex(0);
    GenComboBox->installEventFilter(new TFiltrKlawiszy(TFiltrKlawiszy::TRodzaj::BezZnakow, GenComboBox));

    auto* pola = new QGridLayout(sygnal);
    pola->setHorizontalSpacing(6);
    pola->setVerticalSpacing(6);
    pola->addWidget(Etykieta(QStringLiteral("Liczba bitów: "), sygnal), 0, 0);
    pola->addWidget(LiczbaBitowEdit, 0, 1);
    pola->addWidget(Etykieta(QStringLiteral("Nachylenie zbocza impulsu:"), sygnal), 1, 0);
    pola->addWidget(NachylenieEdit, 1, 1);
    pola->addWidget(Etykieta(QStringLiteral("mV/ns"), sygnal), 1, 2);
    pola->setColumnMinimumWidth(3, 24);
    pola->addWidget(Etykieta(QStringLiteral("Szybkość:"), sygnal), 0, 4);
    pola->addWidget(SzybkoscEdit, 0, 5);
    pola->addWidget(Etykieta(QStringLiteral("Mbps"), sygnal), 0, 6);
    pola->addWidget(Etykieta(QStringLiteral("Źródło bitów:"), sygnal), 1, 4);
    pola->addWidget(GenComboBox, 1, 5, 1, 2);
    pola->setColumnStretch(7, 1);

    auto* kanal = new QGroupBox(QStringLiteral(" Model kanału i regeneratora "), strona);
    kanal->setObjectName(QStringLiteral("KanalGroupBox"));
    auto* ukladKanalu = new QVBoxLayout(kanal);
    ukladKanalu->addWidget(ZbudujModelKanalu(kanal));

    StatToolBar = new TStatToolBar(strona);
    SimBut = StatToolBar->SimBut;
    AnulujBut = StatToolBar->AnulujBut;
    ProgLabel = StatToolBar->ProgLabel;
    CGaugePart = StatToolBar->CGaugePart;
    CGaugeTotal = StatToolBar->CGaugeTotal;
    Postep = new TPostepQt(ProgLabel, CGaugePart, CGaugeTotal, this);

    auto* uklad = new QVBoxLayout(strona);
    uklad->setContentsMargins(6, 6, 6, 6);
    uklad->setSpacing(6);
    uklad->addWidget(sygnal);
    uklad->addWidget(kanal, 1);
    uklad->addWidget(StatToolBar);
    return strona;
}

QWidget* TSimChildForm::ZbudujModelKanalu(QWidget* rodzic)
{
    KanalPageControl = new TKanalPageControl(rodzic);
    KanalPageControl->setObjectName(QStringLiteral("KanalPageControl"));
    Tlumienie = ZbudujZakladke(QStringLiteral("Tlumienie"), false, KanalPageControl);
    Przesluchy = ZbudujZakladke(QStringLiteral("Przesluchy"), false, KanalPageControl);
    Echo = ZbudujZakladke(QStringLiteral("Echo"), false, KanalPageControl);
    Wzmocnienie = ZbudujZakladke(QStringLiteral("Wzmocnienie"), true, KanalPageControl);
    KanalPageControl->addTab(Tlumienie.TabSheet, QStringLiteral(" Tłumienie "));
    KanalPageControl->addTab(Przesluchy.TabSheet, QStringLiteral("      Przesłuchy "));
    KanalPageControl->addTab(Echo.TabSheet, QStringLiteral("      Echo "));
    KanalPageControl->addTab(Wzmocnienie.TabSheet, QStringLiteral("      Regeneracja"));
    PrzesluchyCheckBox = PoleNaZakladce(QStringLiteral("PrzesluchyCheckBox"), Przesluchy.TabSheet);
    EchoCheckBox = PoleNaZakladce(QStringLiteral("EchoCheckBox"), Echo.TabSheet);
    WzmocnienieCheckBox = PoleNaZakladce(QStringLiteral("WzmocnienieCheckBox"), Wzmocnienie.TabSheet);

    // The attenuation, crosstalk and echo charts show losses up to 0 dB.
    for (TWykres* wykres : {Tlumienie.CharWykres, Przesluchy.CharWykres, Echo.CharWykres})
        wykres->OsY.UstawMax(0.0f);

    PrzesuniecieLabel = Etykieta(QStringLiteral("Przesunięcie:"), Echo.TabSheet);
    PrzesuniecieLabel->setObjectName(QStringLiteral("PrzesuniecieLabel"));
    EchoEdit1 = PoleLiczbowe(QStringLiteral("EchoEdit1"), Echo.TabSheet);
    EchoEdit1->setText(QStringLiteral("0"));
    NsLabel = Etykieta(QStringLiteral("ns"), Echo.TabSheet);
    NsLabel->setObjectName(QStringLiteral("NsLabel"));
    auto* opoznienie = new QHBoxLayout;
    opoznienie->addWidget(PrzesuniecieLabel);
    opoznienie->addWidget(EchoEdit1);
    opoznienie->addWidget(NsLabel);
    opoznienie->addStretch(1);
    Echo.KolumnaListy->addLayout(opoznienie);

    WzmAdaptCheckBox = new QCheckBox(QStringLiteral("Wzmacniacz adaptacyjny"), Wzmocnienie.TabSheet);
    WzmAdaptCheckBox->setObjectName(QStringLiteral("WzmAdaptCheckBox"));
    Wzmocnienie.KolumnaListy->addWidget(WzmAdaptCheckBox);
    return KanalPageControl;
}

QLineEdit* TSimChildForm::PoleLiczbowe(const QString& nazwa, QWidget* rodzic)
{
    auto* pole = new QLineEdit(rodzic);
    pole->setObjectName(nazwa);
    pole->setMaxLength(DlugoscPola);
    pole->setFixedWidth(SzerokoscPola);
    pole->setAlignment(Qt::AlignRight);
    pole->installEventFilter(new TFiltrKlawiszy(TFiltrKlawiszy::TRodzaj::Cyfry, pole));
    return pole;
}

QCheckBox* TSimChildForm::PoleNaZakladce(const QString& nazwa, QWidget* zakladka)
{
    auto* pole = new QCheckBox(KanalPageControl->PasekZakladek());
    pole->setObjectName(nazwa);
    pole->setChecked(true);
    pole->setFocusPolicy(Qt::NoFocus);
    KanalPageControl->PasekZakladek()->setTabButton(KanalPageControl->indexOf(zakladka), QTabBar::LeftSide, pole);
    return pole;
}

QSize TSimChildForm::sizeHint() const
{
    return QSize(900, 620).expandedTo(minimumSizeHint());
}

void TSimChildForm::UstawEfekt(QWidget* zakladka, QCheckBox* pole, std::int32_t wartosc)
{
    KanalPageControl->setTabVisible(KanalPageControl->indexOf(zakladka), wartosc != 0);
    pole->setVisible(wartosc != 0);
    pole->setChecked(wartosc == MaksEfektuKanalu);
}

void TSimChildForm::UstawOpcje(int standard)
{
    Standard = standard;
    UstawEfekt(Wzmocnienie.TabSheet, WzmocnienieCheckBox, Ustawienia.Regeneracja);
    UstawEfekt(Echo.TabSheet, EchoCheckBox, Ustawienia.Echo);
    UstawEfekt(Przesluchy.TabSheet, PrzesluchyCheckBox, Ustawienia.Przesluchy);
    UstawOpcjeWynikow();
}

void TSimChildForm::UstawStandard()
{
    for (QWidget* strona : {TabSheetWejsciowe, TabSheetWyjsciowe, TabSheetOkowy, ErrorTabSheet})
        PageControl1->setTabVisible(PageControl1->indexOf(strona), false);
    if (Tlumienie.ListView->topLevelItemCount() > 0) {
        Tlumienie.ListView->selectionModel()->setCurrentIndex(Tlumienie.ListView->model()->index(0, 0),
                                                              QItemSelectionModel::NoUpdate);
    }
    ZablokujKontrolki();
    const TStandard& s = Standardy[static_cast<std::size_t>(Standard)];
    SzybkoscEdit->setText(QString::fromUtf8(s.SzybkoscDomyslna.data(), static_cast<qsizetype>(s.SzybkoscDomyslna.size())));
    NachylenieEdit->setText(
        QString::fromUtf8(s.NachylenieDomyslne.data(), static_cast<qsizetype>(s.NachylenieDomyslne.size())));
    SzybkoscMin = s.SzybkoscMin;
    SzybkoscMax = s.SzybkoscMax;
    NachylenieMin = s.NachylenieMin;
    NachylenieMax = s.NachylenieMax;
    EchoMin = s.EchoMin;
    EchoMax = s.EchoMax;
    UstawDomyslneCharakterystyki();
    PrzywrocKontrolki();
}

void TSimChildForm::UstawDomyslneCharakterystyki()
{
    const TCharakterystykiKanalu domyslne = DomyslneCharakterystyki();
    UstawPunkty(*CharTlumienie, domyslne.Tlumienie);
    UstawPunkty(*CharPrzesluchy, domyslne.Przesluchy);
    UstawPunkty(*CharEcho, domyslne.Echo);
    UstawPunkty(*CharWzmocnienie, domyslne.Wzmocnienie);
    PokazCharakterystyke(Tlumienie, *CharTlumienie);
    PokazCharakterystyke(Przesluchy, *CharPrzesluchy);
    PokazCharakterystyke(Echo, *CharEcho);
    PokazCharakterystyke(Wzmocnienie, *CharWzmocnienie);
}

void TSimChildForm::ZablokujKontrolki()
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

void TSimChildForm::PrzywrocKontrolki()
{
    for (std::size_t i = 0; i < KontrolkiBlokowane.size(); ++i)
        KontrolkiBlokowane[i]->setEnabled(StanyPrzedBlokada[i]);
    Zablokowane = false;
    update();
}

bool TSimChildForm::SimButClick()
{
    struct TPole {
        QLineEdit* Pole;
        std::int32_t Min;
        std::int32_t Max;
    };
    const TPole pola[] = {
        {LiczbaBitowEdit, LiczbaBitowMin, LiczbaBitowMax},
        {SzybkoscEdit, SzybkoscMin, SzybkoscMax},
        {NachylenieEdit, NachylenieMin, NachylenieMax},
        {EchoEdit1, EchoMin, EchoMax},
    };
    for (const TPole& p : pola) {
        const auto wartosc = ParsujCalkowita(p.Pole->text().toStdString());
        if (!wartosc || *wartosc < p.Min || *wartosc > p.Max) {
            // The echo delay lives on its own page: bring it forward when it may open,
            // so the focus can reach the field.
            if (p.Pole == EchoEdit1 && Ustawienia.Echo != 0 && EchoCheckBox->isChecked())
                KanalPageControl->setCurrentWidget(Echo.TabSheet);
            PokazKomunikat(p.Pole, QStringLiteral("Nieprawidłowa wartość"));
            return false;
        }
    }
    UruchomSymulacje();
    return true;
}

void TSimChildForm::AnulujButClick()
{
    if (SymulacjaTrwa) {
        SymulacjaTrwa = false;
        if (WatekSymulacji)
            WatekSymulacji->Zakoncz();
        SimBut->show();
        PrzywrocKontrolki();
        SimBut->setEnabled(true);
        UstawKursorEkranu(TKursorEkranu::Domyslny);
        WatekSymulacji = nullptr;
    } else if (RekalkulacjaTrwa) {
        RekalkulacjaTrwa = false;
        if (WatekRekalkulacji)
            WatekRekalkulacji->Zakoncz();
        SimBut->show();
        PrzywrocKontrolki();
        SimBut->setEnabled(true);
        if (PrzyciskRekalkulacji)
            PrzyciskRekalkulacji->setEnabled(true);
        UstawKursorEkranu(TKursorEkranu::Domyslny);
        WatekRekalkulacji = nullptr;
    }
}

void TSimChildForm::FormActivate()
{
    Polecenia.Wlacz(PageControl1->isTabVisible(PageControl1->indexOf(TabSheetWyjsciowe)));
}

void TSimChildForm::closeEvent(QCloseEvent* zdarzenie)
{
    AnulujButClick();
    const auto* okno = qobject_cast<QMdiSubWindow*>(parentWidget());
    const QMdiArea* obszar = okno ? okno->mdiArea() : nullptr;
    if (!obszar || obszar->subWindowList().size() <= 1)
        Polecenia.Wlacz(false);
    zdarzenie->accept();
}

void TSimChildForm::UstawieniaZmienione()
{
    SimBut->setEnabled(true);
    Polecenia.Wlacz(false);
}

void TSimChildForm::PrzesluchyCheckBoxClick(bool zaznaczone)
{
    SimBut->setEnabled(true);
    if (zaznaczone)
        KanalPageControl->setCurrentWidget(Przesluchy.TabSheet);
    else if (KanalPageControl->currentWidget() == Przesluchy.TabSheet)
        KanalPageControl->setCurrentWidget(Tlumienie.TabSheet);
}

void TSimChildForm::EchoCheckBoxClick(bool zaznaczone)
{
    for (QWidget* kontrolka : std::initializer_list<QWidget*>{EchoEdit1, PrzesuniecieLabel, NsLabel})
        kontrolka->setEnabled(zaznaczone);
    if (zaznaczone) {
        KanalPageControl->setCurrentWidget(Echo.TabSheet);
    } else if (KanalPageControl->currentWidget() == Echo.TabSheet) {
        KanalPageControl->setCurrentWidget(PrzesluchyCheckBox->isChecked() ? Przesluchy.TabSheet : Tlumienie.TabSheet);
    }
    SimBut->setEnabled(true);
}

void TSimChildForm::WzmocnienieCheckBoxClick(bool zaznaczone)
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
    SimBut->setEnabled(true);
}

void TSimChildForm::KanalPageControlMouseDown(int indeks)
{
    QWidget* strona = KanalPageControl->widget(indeks);
    const bool wolno = strona == Tlumienie.TabSheet || (strona == Przesluchy.TabSheet && PrzesluchyCheckBox->isChecked()) ||
                       (strona == Echo.TabSheet && EchoCheckBox->isChecked()) ||
                       (strona == Wzmocnienie.TabSheet && WzmocnienieCheckBox->isChecked());
    if (wolno)
        KanalPageControl->setCurrentWidget(strona);
}

void TSimChildForm::KanalPageControlChange(int indeks)
{
    PokazStrone(KanalPageControl->widget(indeks));
}

void TSimChildForm::PokazStrone(QWidget* zakladka)
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
