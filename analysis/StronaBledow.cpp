#include "StronaBledow.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabBar>
#include <QVBoxLayout>

#include "JezykQt.h"
#include "KoloryWykresow.h"
#include "Liczby.h"
#include "OpisBER.h"
#include "OpisZliczenia.h"
#include "PanelWanien.h"
#include "Standardy.h"
#include "SzablonyWykresow.h"
#include "TPanelRozkladow.h"
#include "Wykres.h"
#include "ZestawZakladek.h"

namespace {

constexpr double CzynnikWykladnika = 0.75; // the printed superscript's size against the text's

QLabel* Etykieta(const QString& tekst, const QString& nazwa, QWidget* rodzic)
{
    auto* etykieta = new QLabel(tekst, rodzic);
    etykieta->setObjectName(nazwa);
    etykieta->setTextFormat(Qt::PlainText);
    etykieta->adjustSize();
    return etykieta;
}

QString Tekst(const std::string& tekst)
{
    return QString::fromStdString(tekst);
}

// Where the receiver decided each lane's code symbols, as a share of the symbol period;
// lanes named by their letters when there are several.
QString OpisFazy(const std::vector<TTorWyniku>& tory)
{
    const auto faza = [](const TTorWyniku& tor) { return Tekst(FormatujStalo(tor.FazaProbkowania, 2, JezykProgramu())); };
    if (tory.size() == 1)
        return TTekst::tr("Faza próbkowania: %1 okresu symbolu kodu").arg(faza(tory.front()));
    QStringList fazy;
    for (std::size_t i = 0; i < tory.size(); ++i)
        fazy << QChar(static_cast<char16_t>(u'A' + i)) + QLatin1Char(' ') + faza(tory[i]);
    return TTekst::tr("Fazy próbkowania (okres symbolu kodu): %1").arg(fazy.join(QStringLiteral("; ")));
}

} // namespace

TStronaBledow::TStronaBledow(const UstawieniaStandardu& opcje, QWidget* rodzic) : TStronaWynikow(rodzic), Opcje(opcje)
{
    setObjectName(QStringLiteral("ErrorTabSheet"));
    if (Opcje.RozkladyBledow != 0) {
        Panel3 = new TPanelRozkladow(this);
        BledyTabSet = ZestawZakladek(QStringLiteral("BledyTabSet"),
                                     {TTekst::tr("Rozkład błędów"), TTekst::tr("Dystrybuanta")}, this);
        BledyTabSet->hide();
        connect(BledyTabSet, &QTabBar::currentChanged, this,
                [this](int indeks) { Panel3->DystrBledowWykres->setVisible(indeks == 1); });
    }

    QFont pogrubiona = font();
    pogrubiona.setBold(true);
    const int wiersz = fontMetrics().height();
    const int lewy = 12;
    const int gora = wiersz + 10;

    GroupBox2 = new QGroupBox(TTekst::tr(" Estymacja błędów funkcją ERF "), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setFixedHeight(gora + 3 * wiersz + 10);
    Label6 = Etykieta(TTekst::tr("Bitowa stopa błędu (BER):"), QStringLiteral("Label6"), GroupBox2);
    Label6->move(lewy, gora);
    BERLabel = Etykieta(QString(), QStringLiteral("BERLabel"), GroupBox2);
    BERLabel->setFont(pogrubiona);
    BERLabel->move(Label6->x() + Label6->width() + 8, gora);
    ExpBERLabel = Etykieta(QString(), QStringLiteral("ExpBERLabel"), GroupBox2);
    QFont wykladnik = pogrubiona;
    wykladnik.setPixelSize(9);
    ExpBERLabel->setFont(wykladnik);
    BERLabel2 = Etykieta(QString(), QStringLiteral("BERLabel2"), GroupBox2);
    BERLabel2->move(lewy, gora + 2 * wiersz);

    GroupBox3 = new QGroupBox(TTekst::tr(" Poprawność ciągu zdekodowanego "), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setFixedHeight(gora + 2 * wiersz);
    TimeErrorLabel = Etykieta(QString(), QStringLiteral("TimeErrorLabel"), GroupBox3);
    TimeErrorLabel->move(lewy, gora);
    TimeErrorLabel->setMinimumWidth(400);

    ZliczoneGroupBox = new QGroupBox(TTekst::tr(" Zliczone błędy "), this);
    ZliczoneGroupBox->setObjectName(QStringLiteral("ZliczoneGroupBox"));
    ZliczoneLabel = Etykieta(QString(), QStringLiteral("ZliczoneLabel"), ZliczoneGroupBox);
    BERZliczonyLabel = Etykieta(QString(), QStringLiteral("BERZliczonyLabel"), ZliczoneGroupBox);
    EstymacjaLabel = Etykieta(QString(), QStringLiteral("EstymacjaLabel"), ZliczoneGroupBox);
    WykazanieLabel = Etykieta(QString(), QStringLiteral("WykazanieLabel"), ZliczoneGroupBox);
    FazaLabel = Etykieta(QString(), QStringLiteral("FazaLabel"), ZliczoneGroupBox);
    // Without the estimate on the page there is nothing to set the count against.
    EstymacjaLabel->setVisible(Opcje.BerErf != 0);
    const std::vector<QLabel*> linie = LinieZliczenia();
    const int odstep = wiersz + 2;
    for (std::size_t i = 0; i < linie.size(); ++i)
        linie[i]->move(lewy, gora + static_cast<int>(i) * odstep);
    ZliczoneGroupBox->setFixedHeight(gora + static_cast<int>(linie.size()) * odstep + 6);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(6, 6, 6, 6);
    uklad->setSpacing(0);
    if (Panel3) {
        uklad->addWidget(Panel3, 1);
        uklad->addWidget(BledyTabSet, 0, Qt::AlignLeft);
    }
    // The bathtubs come from the same Gaussian tails as the estimate, and with it: below
    // the charts, or beside the estimate where that fills the page.
    QHBoxLayout* obokEstymacji = nullptr;
    if (Opcje.BerErf != 0) {
        PanelWanien = new TPanelWanien(this);
        if (Panel3) {
            uklad->addSpacing(6);
            uklad->addWidget(PanelWanien, 1);
        }
    }
    uklad->addSpacing(6);
    if (PanelWanien && !Panel3) {
        obokEstymacji = new QHBoxLayout;
        obokEstymacji->addWidget(GroupBox2, 1);
        obokEstymacji->addSpacing(6);
        obokEstymacji->addWidget(PanelWanien, 2);
        uklad->addLayout(obokEstymacji);
    } else {
        uklad->addWidget(GroupBox2);
    }
    uklad->addSpacing(6);
    uklad->addWidget(ZliczoneGroupBox);
    uklad->addSpacing(6);
    uklad->addWidget(GroupBox3);

    if (Opcje.BerErf == 0)
        GroupBox2->hide();
    if (Opcje.Dekoder == 0)
        GroupBox3->hide();
    if (!Panel3) {
        // The estimate, or else the decoded sequence's correctness, takes the whole page.
        QGroupBox* wypelnia = Opcje.BerErf != 0 ? GroupBox2 : GroupBox3;
        wypelnia->setMaximumHeight(QWIDGETSIZE_MAX);
        if (obokEstymacji && wypelnia == GroupBox2)
            uklad->setStretchFactor(obokEstymacji, 1);
        else
            uklad->setStretchFactor(wypelnia, 1);
    }
}

bool TStronaBledow::Dostepna() const
{
    return Opcje.RozkladyBledow != 0 || Opcje.BerErf != 0 || Opcje.Dekoder != 0;
}

void TStronaBledow::Pokaz(const TWynikSymulacji& w)
{
    Wynik = &w;
    PokazTeksty(w);
    if (PanelWanien)
        PanelWanien->Pokaz(w);
    if (!Panel3)
        return;
    const float m = w.NajwiekszyBlad;
    const bool wykresy = MaWykresy();
    if (wykresy) {
        UstawZakresBledow(*Panel3->RozkladBledowWykres, *Panel3->DystrBledowWykres, m,
                          Standardy.at(static_cast<std::size_t>(w.Ustawienia.Standard)).MarginesDecyzji,
                          w.SzczytRozkladu);
        Panel3->RozkladBledowWykres->ZastapLubDodajSerie(0, w.Rozklad.get(), KolorCzerwony, psSolid);
        Panel3->DystrBledowWykres->ZastapLubDodajSerie(0, w.Dystrybuanta.get(), KolorCzerwony, psSolid);
    }
    Panel3->PokazWykresy(wykresy);
    BledyTabSet->setVisible(wykresy);
    // Every run opens on the distribution.
    Panel3->DystrBledowWykres->hide();
    BledyTabSet->setCurrentIndex(0);
}

void TStronaBledow::PokazTeksty(const TWynikSymulacji& w)
{
    if (w.UdzialBledow)
        TimeErrorLabel->setText(QString::fromStdString(ZdaniePoprawnegoCzasu(*w.UdzialBledow, JezykProgramu())));
    PokazBER(w.BER, w.Ustawienia.Standard, w.Ustawienia.Szybkosc);
    PokazZliczenie(w);
}

void TStronaBledow::changeEvent(QEvent* zdarzenie)
{
    TStronaWynikow::changeEvent(zdarzenie);
    if (zdarzenie->type() == QEvent::LanguageChange && Wynik != nullptr)
        PokazTeksty(*Wynik);
}

void TStronaBledow::Zwolnij()
{
    if (PanelWanien)
        PanelWanien->Zwolnij();
    if (Panel3) {
        Panel3->RozkladBledowWykres->OdlaczSerie();
        Panel3->DystrBledowWykres->OdlaczSerie();
    }
    Wynik = nullptr;
}

void TStronaBledow::PokazBER(double ber, int standard, std::int32_t szybkosc)
{
    const TOpisBER opis = OpiszBER(ber, standard, szybkosc, JezykProgramu());
    BERLabel->setText(QString::fromStdString(opis.Etykieta));
    BERLabel->adjustSize();
    ExpBERLabel->setText(QString::fromStdString(opis.Wykladnik));
    ExpBERLabel->adjustSize();
    // The exponent stands as a superscript just right of "x10".
    ExpBERLabel->move(BERLabel->x() + BERLabel->width() + 3, BERLabel->y() - 2);
    BERLabel2->setText(QString::fromStdString(opis.Zdanie));
    BERLabel2->adjustSize();
}

void TStronaBledow::PokazZliczenie(const TWynikSymulacji& w)
{
    const TOpisZliczenia opis =
        OpiszZliczenie(w.Zliczone, w.BER, w.Ustawienia.Standard, w.Ustawienia.Szybkosc, JezykProgramu());
    ZliczoneLabel->setText(Tekst(opis.Bledy));
    BERZliczonyLabel->setText(Tekst(opis.BER));
    EstymacjaLabel->setText(Tekst(opis.Estymacja));
    WykazanieLabel->setText(Tekst(opis.Wykazanie));
    FazaLabel->setText(OpisFazy(w.Tory));
    for (QLabel* l : {ZliczoneLabel, BERZliczonyLabel, EstymacjaLabel, WykazanieLabel, FazaLabel})
        l->adjustSize();
}

std::vector<QLabel*> TStronaBledow::LinieZliczenia() const
{
    std::vector<QLabel*> linie{ZliczoneLabel, BERZliczonyLabel};
    if (Opcje.BerErf != 0)
        linie.push_back(EstymacjaLabel);
    linie.insert(linie.end(), {WykazanieLabel, FazaLabel});
    return linie;
}

bool TStronaBledow::MaWykresy() const
{
    return Panel3 != nullptr && Wynik != nullptr && Wynik->NajwiekszyBlad != 0.0f && Wynik->Rozklad;
}

void TStronaBledow::PokazDystrybuante(bool dystrybuanta)
{
    if (BledyTabSet)
        BledyTabSet->setCurrentIndex(dystrybuanta ? 1 : 0);
}

TSekcjeRaportu TStronaBledow::SekcjeRaportu()
{
    if (!Dostepna())
        return {};
    // The counted errors on a page of their own: below the charts they would run off it.
    return {{TSekcjaRaportu::TMiejsce::NowaStrona,
             [this](TPlotno& plotno, const TUkladRaportu& u, int gora) { return RysujRaport(plotno, u, gora); }},
            {TSekcjaRaportu::TMiejsce::NowaStrona,
             [this](TPlotno& plotno, const TUkladRaportu& u, int gora) { return RysujZliczenie(plotno, u, gora); }}};
}

int TStronaBledow::RysujRaport(TPlotno& plotno, const TUkladRaportu& u, int gora)
{
    const int h = WysokoscWiersza(plotno);
    RysujTytul(plotno, u, gora, TTekst::tr("Wyniki analizy błędów"));
    int y = gora + 3 * h;
    if (Panel3) {
        // With a maximum error of 0 the screen hides the charts, which then show nothing
        // of this run: the report says so as the page does.
        if (MaWykresy()) {
            const int E = static_cast<int>(u.C * 0.5);
            TWykres& rozklad = *Panel3->RozkladBledowWykres;
            const float maxX = rozklad.OsX.Max();
            rozklad.PaintToCanvas(plotno, 0, 0, u.M, y, u.C, E, maxX, -1, u.K);
            Panel3->DystrBledowWykres->PaintToCanvas(plotno, 0, 0, u.M, static_cast<int>(y + E * 1.2), u.C, E, maxX, -1,
                                                     u.K);
            y = static_cast<int>(y + E * 2.4);
        } else {
            PiszZwyklym(plotno);
            plotno.PiszTekst(u.M, y, TTekst::tr("Charakterystyki niedostępne ( błąd maksymalny równy 0 )").toStdString());
            y += 2 * h;
        }
    }
    if (Opcje.BerErf != 0) {
        PiszZwyklym(plotno);
        const std::string opis = Label6->text().toStdString();
        const std::string ber = BERLabel->text().toStdString();
        const int w1 = plotno.SzerokoscTekstu(opis);
        const int w2 = plotno.SzerokoscTekstu(ber);
        plotno.PiszTekst(u.M, y, opis);
        plotno.PiszTekst(u.M + w1 + 10, y, ber);
        const TCzcionka zwykla = plotno.Czcionka();
        plotno.UstawCzcionke(CzcionkaRaportu(false, static_cast<int>(zwykla.Rozmiar * CzynnikWykladnika)));
        const int hWykladnika = plotno.WysokoscTekstu("A");
        plotno.PiszTekst(u.M + w1 + w2 + 20, y - hWykladnika / 2, ExpBERLabel->text().toStdString());
        plotno.UstawCzcionke(zwykla);
        // At a printer's size the sentence can be wider than the page: it goes on below.
        y += 2 * h;
        for (const std::string& wiersz : WierszeTekstu(plotno, BERLabel2->text().toStdString(), u.C)) {
            plotno.PiszTekst(u.M, y, wiersz);
            y += h;
        }
        y += h;
    }
    if (Opcje.Dekoder != 0) {
        PiszZwyklym(plotno);
        plotno.PiszTekst(u.M, y, TimeErrorLabel->text().toStdString());
        y += 2 * h;
    }
    return y - gora;
}

int TStronaBledow::RysujZliczenie(TPlotno& plotno, const TUkladRaportu& u, int gora)
{
    const int h = WysokoscWiersza(plotno);
    RysujTytul(plotno, u, gora, TTekst::tr("Zliczone błędy"));
    // A sentence broken over lines keeps them closer than the sentences are to each other.
    const int odstep = h * 3 / 2;
    int y = gora + 3 * h;
    for (const QLabel* linia : LinieZliczenia()) {
        const int wiersze = PiszAkapit(plotno, u, y, odstep, linia->text().toStdString());
        y += (wiersze - 1) * odstep + 2 * h;
    }
    return y - gora;
}
