#include "TSimChildForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "JezykQt.h"
#include "StronaBledow.h"
#include "StronaOkowa.h"
#include "StronaUstawien.h"
#include "Standardy.h"
#include "StronyPasm.h"
#include "TPageControl.h"

namespace {

constexpr int OkresPodswietlaniaMs = 100;
constexpr int TykniecPodswietlania = 15;

} // namespace

UstawieniaStandardu OpcjeAnalizy(UstawieniaStandardu opcje, const TUstawieniaSymulacji& u)
{
    const auto oferuj = [](std::int32_t& efekt, bool wlaczony) {
        if (wlaczony && efekt == 0)
            efekt = 1;
    };
    oferuj(opcje.Przesluchy, u.Przesluchy);
    oferuj(opcje.Echo, u.Echo);
    oferuj(opcje.Regeneracja, u.Regeneracja || u.Adaptacyjny);
    opcje.Dekoder = u.Dekoder ? 1 : 0;
    return opcje;
}

void TPoleceniaWynikow::Wlacz(bool wlaczone) const
{
    if (Zapisz1)
        Zapisz1->setEnabled(wlaczone);
    if (Drukuj1)
        Drukuj1->setEnabled(wlaczone);
}

TSimChildForm::TSimChildForm(const UstawieniaStandardu& ustawienia, TPoleceniaWynikow polecenia, QWidget* oknoGlowne,
                             QWidget* rodzic)
    : QWidget(rodzic), OpcjeOkna(ustawienia), OknoGlowne(oknoGlowne), Polecenia(polecenia)
{
    setObjectName(QStringLiteral("SimChildForm"));

    PageControl1 = new TPageControl(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    Ustawienia = new TStronaUstawien(OpcjeOkna, PageControl1);
    PageControl1->addTab(Ustawienia, TTekst::tr("Ustawienia analizy"));
    Wejscia = new TStronaWejsc(PageControl1);
    Wyjscia = new TStronaWyjsc(OpcjeOkna.Dekoder != 0, PageControl1);
    Oko = new TStronaOkowa(PageControl1);
    Bledy = new TStronaBledow(OpcjeOkna, PageControl1);
    StronyWynikow = {Wejscia, Wyjscia, Oko, Bledy};
    const QString tytuly[] = {TTekst::tr(" Ciągi i sygnały wejściowe "), TTekst::tr(" Ciągi i sygnały wyjściowe "),
                              TTekst::tr("Wykres okowy"), TTekst::tr("Analiza błędów")};
    for (std::size_t i = 0; i < StronyWynikow.size(); ++i)
        PageControl1->setTabVisible(PageControl1->addTab(StronyWynikow[i], tytuly[i]), false);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(OkresPodswietlaniaMs);
    connect(Timer, &QTimer::timeout, this, &TSimChildForm::TimerTimer);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TSimChildForm::ZmianaStrony);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(4, 4, 4, 4);
    uklad->addWidget(PageControl1);

    Obliczenia = new TKontrolerObliczen(Ustawienia->Postep(), this);
    connect(Obliczenia, &TKontrolerObliczen::SymulacjaGotowa, this, &TSimChildForm::SymulacjaZakonczona);
    connect(Obliczenia, &TKontrolerObliczen::RekalkulacjaGotowa, this, &TSimChildForm::RekalkulacjaZakonczona);
    connect(Obliczenia, &TKontrolerObliczen::Blad, this, &TSimChildForm::ObliczeniePrzerwane);

    connect(Ustawienia, &TStronaUstawien::SymulacjaZadana, this, &TSimChildForm::SimButClick);
    connect(Ustawienia, &TStronaUstawien::AnulowanieZadane, this, &TSimChildForm::AnulujButClick);
    connect(Ustawienia, &TStronaUstawien::RekalkulacjaZadana, this, &TSimChildForm::UruchomRekalkulacje);
    connect(Ustawienia, &TStronaUstawien::UstawieniaZmienione, this, &TSimChildForm::UstawieniaZmienione);
    connect(Ustawienia, &TStronaUstawien::CharakterystykaZmieniona, this, &TSimChildForm::UkryjStronyWynikow);
    // A point list reaches its stream only after the signal of its change: the document is
    // looked at once the event loop runs again.
    connect(Ustawienia, &TStronaUstawien::Zmiana, this, &TSimChildForm::OdswiezDokument, Qt::QueuedConnection);
}

TSimChildForm::~TSimChildForm()
{
    // A window that goes without being closed still lets its worker go; the worker ends
    // by itself and its late result is dropped with the controller.
    AnulujButClick();
    // The charts point at the characteristics and the results; they go first.
    delete PageControl1;
}

QSize TSimChildForm::sizeHint() const
{
    return QSize(900, 620).expandedTo(minimumSizeHint());
}

void TSimChildForm::UstawOpcje(int standard)
{
    StandardOkna = standard;
    Ustawienia->UstawOpcje(standard);
}

void TSimChildForm::UstawStandard()
{
    for (TStronaWynikow* strona : StronyWynikow)
        PageControl1->setTabVisible(PageControl1->indexOf(strona), false);
    Ustawienia->UstawStandard();
    // A new analysis starts as its defaults: nothing to save yet.
    ZapisaneUstawienia = AnalizaJson(Ustawienia->UstawieniaSymulacji());
    OdswiezDokument();
}

nlohmann::json TSimChildForm::Dokument(bool zWynikami) const
{
    return AnalizaJson(Ustawienia->UstawieniaSymulacji(), zWynikami && WynikiAktualne() ? WynikiRunu.get() : nullptr);
}

bool TSimChildForm::WynikiAktualne() const
{
    return WynikiRunu && AnalizaJson(WynikiRunu->Ustawienia) == AnalizaJson(Ustawienia->UstawieniaSymulacji());
}

bool TSimChildForm::Zmodyfikowana() const
{
    return WynikiNiezapisane || AnalizaJson(Ustawienia->UstawieniaSymulacji()) != ZapisaneUstawienia;
}

void TSimChildForm::changeEvent(QEvent* zdarzenie)
{
    QWidget::changeEvent(zdarzenie);
    if (zdarzenie->type() == QEvent::LanguageChange)
        OdswiezDokument();
}

void TSimChildForm::OdswiezDokument()
{
    const std::string_view nazwa = Standardy.at(static_cast<std::size_t>(StandardOkna)).Nazwa;
    QString tytul = TTekst::tr("Analiza dla %1")
                        .arg(PrzetlumaczTekstBiblioteki(QString::fromUtf8(nazwa.data(), static_cast<qsizetype>(nazwa.size()))));
    if (!PlikAnalizy.isEmpty())
        tytul += QStringLiteral(" – ") + QFileInfo(PlikAnalizy).fileName();
    setWindowTitle(tytul + QStringLiteral("[*]"));
    setWindowModified(Zmodyfikowana());
}

void TSimChildForm::OtworzAnalize(TAnaliza analiza, const QString& plik)
{
    Ustawienia->Zastosuj(analiza.Ustawienia);
    if (analiza.Wynik) {
        ZwolnijWyniki();
        WynikiRunu = std::move(analiza.Wynik);
        PokazWyniki();
    }
    ZWynikami = WynikiRunu != nullptr;
    PlikAnalizy = plik;
    ZapisaneUstawienia = AnalizaJson(analiza.Ustawienia);
    WynikiNiezapisane = false;
    OdswiezDokument();
}

std::string TSimChildForm::ZapiszAnalize(const QString& plik, bool zWynikami)
{
    if (std::string blad = ::ZapiszAnalize(QFile::encodeName(plik).toStdString(), Dokument(zWynikami)); !blad.empty())
        return blad;
    PlikAnalizy = plik;
    ZapisaneUstawienia = AnalizaJson(Ustawienia->UstawieniaSymulacji());
    WynikiNiezapisane = false;
    ZWynikami = zWynikami;
    OdswiezDokument();
    return {};
}

void TSimChildForm::UstawPrzebieg(TKontrolerObliczen::TPrzebieg przebieg)
{
    Obliczenia->UstawPrzebieg(std::move(przebieg));
}

bool TSimChildForm::StronaWidoczna(const QWidget& strona) const
{
    return PageControl1->isTabVisible(PageControl1->indexOf(&strona));
}

bool TSimChildForm::SimButClick()
{
    const std::optional<TUstawieniaSymulacji> ustawienia = Ustawienia->SprawdzoneUstawienia();
    if (!ustawienia)
        return false;
    UruchomSymulacje(*ustawienia);
    return true;
}

void TSimChildForm::UruchomSymulacje(const TUstawieniaSymulacji& ustawienia)
{
    KursorPrzedSymulacja = KursorEkranu();
    UstawKursorEkranu(TKursorEkranu::Uruchamianie);
    Ustawienia->WlaczSymulacje(false);
    Ustawienia->PokazPrzyciskSymulacji(false);
    for (TStronaWynikow* strona : StronyWynikow)
        PageControl1->setTabVisible(PageControl1->indexOf(strona), false);
    Ustawienia->ZablokujKontrolki();
    ZwolnijWyniki();
    Obliczenia->UruchomSymulacje(ustawienia);
}

void TSimChildForm::ZwolnijWyniki()
{
    // Nothing may draw a released stream: the series let go of theirs first.
    for (TStronaWynikow* strona : StronyWynikow)
        strona->Zwolnij();
    WynikiRunu.reset();
    // No results, nothing to save or print, no result tab to point at.
    Polecenia.Wlacz(false);
    Timer->stop();
    PodswietlZakladki(0);
}

void TSimChildForm::SymulacjaZakonczona(std::shared_ptr<TWynikSymulacji> wynik)
{
    WynikiRunu = std::move(wynik);
    WynikiNiezapisane = true;
    OdswiezDokument();
    PokazWyniki();
    Ustawienia->PokazPrzyciskSymulacji(true);
    Ustawienia->PrzywrocKontrolki();
    UstawKursorEkranu(KursorPrzedSymulacja);
}

bool TSimChildForm::Pokazuje(const TStronaWynikow& strona, const TWynikSymulacji& w)
{
    return strona.Dostepna() && (w.MaPrzebiegi() || !strona.PotrzebujePrzebiegow());
}

void TSimChildForm::PokazWyniki()
{
    const TWynikSymulacji& w = *WynikiRunu;
    for (TStronaWynikow* strona : StronyWynikow)
        if (Pokazuje(*strona, w))
            strona->Pokaz(w);
    update();
    Gotowe = true;
    for (TStronaWynikow* strona : StronyWynikow)
        PageControl1->setTabVisible(PageControl1->indexOf(strona), Pokazuje(*strona, w));
    // The strips at 100 %, for the boxes as they stand now.
    for (TStronaWynikow* strona : StronyWynikow)
        if (Pokazuje(*strona, w))
            strona->Rozmiesc();
    // Figures alone have no strips to print.
    Polecenia.Wlacz(StronaWidoczna(*Wyjscia));
    UruchomPodswietlanie();
}

void TSimChildForm::UruchomRekalkulacje(TPoleUstawien charakterystyka)
{
    if (Obliczenia->Trwa() != TKontrolerObliczen::TRodzaj::Brak)
        return;
    TCharakterystyka punkty = Ustawienia->PrzygotujRekalkulacje(charakterystyka);
    const float R = Ustawienia->SzybkoscLinii();
    Rekalkulowana = charakterystyka;
    Ustawienia->PokazPrzyciskSymulacji(false);
    UstawKursorEkranu(TKursorEkranu::Uruchamianie);
    Obliczenia->UruchomRekalkulacje(std::move(punkty), R);
}

void TSimChildForm::RekalkulacjaZakonczona(std::shared_ptr<WynikRekalkulacji> wynik)
{
    Ustawienia->PokazRekalkulacje(Rekalkulowana, std::move(wynik));
    Ustawienia->PokazPrzyciskSymulacji(true);
    Ustawienia->PrzywrocKontrolki();
    UstawKursorEkranu(TKursorEkranu::Domyslny);
}

void TSimChildForm::ObliczeniePrzerwane(const QString& komunikat)
{
    // The window comes back as a cancel leaves it, then says why.
    AnulujButClick();
    Ustawienia->ZglosBlad(komunikat);
}

void TSimChildForm::AnulujButClick()
{
    const TKontrolerObliczen::TRodzaj rodzaj = Obliczenia->Trwa();
    if (rodzaj == TKontrolerObliczen::TRodzaj::Brak)
        return;
    Obliczenia->Anuluj();
    Ustawienia->PokazPrzyciskSymulacji(true);
    Ustawienia->PrzywrocKontrolki();
    Ustawienia->WlaczSymulacje(true);
    if (rodzaj == TKontrolerObliczen::TRodzaj::Rekalkulacja)
        Ustawienia->WlaczRekalkulacje(Rekalkulowana);
    UstawKursorEkranu(TKursorEkranu::Domyslny);
}

void TSimChildForm::FormActivate()
{
    Polecenia.Wlacz(StronaWidoczna(*Wyjscia));
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
    Polecenia.Wlacz(false);
}

void TSimChildForm::UkryjStronyWynikow()
{
    for (TStronaWynikow* strona : StronyWynikow)
        PageControl1->setTabVisible(PageControl1->indexOf(strona), false);
    // The results no longer match the channel: nothing of them to save or print.
    Polecenia.Wlacz(false);
    Timer->stop();
    PodswietlZakladki(0);
}

TSekcjeRaportu TSimChildForm::SekcjeRaportu()
{
    TSekcjeRaportu sekcje = Ustawienia->SekcjeRaportu();
    // Without a completed run the result pages have nothing to give.
    if (!WynikiRunu)
        return sekcje;
    for (TStronaWynikow* strona : StronyWynikow)
        if (Pokazuje(*strona, *WynikiRunu))
            for (TSekcjaRaportu& sekcja : strona->SekcjeRaportu())
                sekcje.push_back(std::move(sekcja));
    return sekcje;
}

void TSimChildForm::ZmianaStrony(int indeks)
{
    Timer->stop();
    PodswietlZakladki(0);
    // The page shows: its strips laid out and scrolled to their origin.
    if (!Gotowe)
        return;
    for (TStronaWynikow* strona : StronyWynikow) {
        if (strona != PageControl1->widget(indeks) || !WynikiRunu || !Pokazuje(*strona, *WynikiRunu))
            continue;
        strona->Rozmiesc();
        strona->PrzewinDoPoczatku();
    }
}

void TSimChildForm::PodswietlZakladki(int t)
{
    // The result tabs light up one after another, each a tick after the one before.
    for (std::size_t k = 0; k < StronyWynikow.size(); ++k) {
        TStronaWynikow* strona = StronyWynikow[k];
        const bool pokazana = WynikiRunu && Pokazuje(*strona, *WynikiRunu);
        PageControl1->UstawPodswietlenie(strona, pokazana && (t - static_cast<int>(k)) % 5 == 1);
    }
}

void TSimChildForm::UruchomPodswietlanie()
{
    LicznikTimera = 0;
    Timer->start();
}

void TSimChildForm::TimerTimer()
{
    ++LicznikTimera;
    PodswietlZakladki(LicznikTimera);
    if (LicznikTimera >= TykniecPodswietlania)
        Timer->stop();
}
