#include "ZakladkaCharakterystyki.h"

#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "JezykQt.h"
#include "KoloryWykresow.h"
#include "Liczby.h"
#include "PlotnoQt.h"
#include "SzablonyWykresow.h"
#include "UslugiQt.h"
#include "Vartostream.h"
#include "Wykres.h"
#include "ZestawZakladek.h"

namespace {

constexpr int SzerokoscListy = 252;

QPushButton* Przycisk(const QString& tekst, const QString& nazwa, QWidget* rodzic)
{
    auto* przycisk = new QPushButton(tekst, rodzic);
    przycisk->setObjectName(nazwa);
    przycisk->setAutoDefault(false);
    return przycisk;
}

// Keeps the impulse-response view in proportion to its scroll box and as tall as the
// box, and centres it on 0 µs whenever its scroll range changes.
class TDopasowanieOdpowiedzi : public QObject {
public:
    TDopasowanieOdpowiedzi(QScrollArea* box, TWykres* wykres) : QObject(box), Box(box), Wykres(wykres)
    {
        box->installEventFilter(this);
        connect(box->horizontalScrollBar(), &QScrollBar::rangeChanged, this, [this] { WysrodkujOdpowiedz(Box); });
    }

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override
    {
        if (obiekt != Box || zdarzenie->type() != QEvent::Resize)
            return QObject::eventFilter(obiekt, zdarzenie);
        const auto* zmiana = static_cast<const QResizeEvent*>(zdarzenie);
        const int nowa = zmiana->size().width();
        const int stara = zmiana->oldSize().width();
        // Shown the first time: one major division of the time axis fills the box.
        const float skala = stara > 0 ? static_cast<float>(nowa) * Wykres->OsX.SkalaPiksele() / static_cast<float>(stara)
                                      : static_cast<float>(nowa);
        if (skala > 0.0f)
            Wykres->OsX.UstawSkalaPiksele(skala);
        Wykres->resize(Wykres->width(), zmiana->size().height() - Box->horizontalScrollBar()->sizeHint().height());
        Wykres->update();
        return false;
    }

private:
    QScrollArea* Box;
    TWykres* Wykres;
};

// The legend's sample of the limit: a short dashed line drawn as the chart draws it.
QIcon ProbkaLimitu()
{
    QPixmap obraz(24, 12);
    obraz.fill(Qt::transparent);
    {
        // The canvas draws its line when it goes, before the painter ends.
        QPainter malarz(&obraz);
        TPlotnoQt plotno(malarz);
        plotno.UstawStylPiora(psDash);
        plotno.UstawKolorPiora(KolorGranatowy);
        plotno.UstawGruboscPiora(1);
        plotno.PrzesunDo(0, 6);
        plotno.LiniaDo(24, 6);
    }
    return QIcon(obraz);
}

} // namespace

void WysrodkujOdpowiedz(QScrollArea* box)
{
    QScrollBar* pasek = box->horizontalScrollBar();
    pasek->setValue(pasek->minimum() + (pasek->maximum() - pasek->minimum()) / 2);
}

TZakladkaCharakterystyki ZbudujZakladke(const QString& nazwa, bool regeneracja, QWidget* rodzic)
{
    TZakladkaCharakterystyki z;
    z.Regeneracja = regeneracja;
    z.TabSheet = new QWidget(rodzic);
    z.TabSheet->setObjectName(nazwa + QStringLiteral("TabSheet"));

    z.ListView = new QTreeWidget(z.TabSheet);
    z.ListView->setObjectName(nazwa + QStringLiteral("ListView"));
    z.ListView->setColumnCount(2);
    z.ListView->setHeaderLabels({TTekst::tr("Częstotliwość[MHz]"), TTekst::tr("Tłumienie[dB]")});
    z.ListView->setRootIsDecorated(false);
    z.ListView->setUniformRowHeights(true);
    z.ListView->setAllColumnsShowFocus(true);
    z.ListView->setSelectionMode(QAbstractItemView::SingleSelection);
    z.ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    z.ListView->header()->setSectionsMovable(false);
    z.ListView->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    z.ListView->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    z.ListView->setFixedWidth(SzerokoscListy);

    z.DodajBtn = Przycisk(TTekst::tr("Dodaj"), QStringLiteral("Dodaj") + nazwa + QStringLiteral("Btn"), z.TabSheet);
    z.EdytujBtn = Przycisk(TTekst::tr("Edytuj"), QStringLiteral("Edytuj") + nazwa + QStringLiteral("Btn"), z.TabSheet);
    z.UsunBtn = Przycisk(TTekst::tr("Usuń"), QStringLiteral("Usun") + nazwa + QStringLiteral("Btn"), z.TabSheet);
    z.WczytajBtn =
        Przycisk(TTekst::tr("Wczytaj"), QStringLiteral("Wczytaj") + nazwa + QStringLiteral("Btn"), z.TabSheet);
    z.ZapiszBtn = Przycisk(TTekst::tr("Zapisz"), QStringLiteral("Zapisz") + nazwa + QStringLiteral("Btn"), z.TabSheet);
    z.RekalkulacjaBtn = Przycisk(TTekst::tr("Rekalkulacja"),
                                 QStringLiteral("Rekalkulacja") + nazwa + QStringLiteral("Btn"), z.TabSheet);
    if (!regeneracja) {
        z.ImportujBtn = Przycisk(TTekst::tr("Importuj Touchstone…"),
                                 QStringLiteral("Importuj") + nazwa + QStringLiteral("Btn"), z.TabSheet);
        z.ImportujBtn->setToolTip(TTekst::tr("Charakterystyka z pliku parametrów S (.s1p, .s2p, .s4p, .s8p), "
                                             "np. z pomiaru analizatorem sieci"));
    }
    // Editing needs a selected row.
    for (QPushButton* przycisk : {z.DodajBtn, z.EdytujBtn, z.UsunBtn})
        przycisk->setEnabled(false);

    auto* przyciski = new QGridLayout;
    przyciski->setSpacing(4);
    przyciski->addWidget(z.DodajBtn, 0, 0);
    przyciski->addWidget(z.EdytujBtn, 0, 1);
    przyciski->addWidget(z.UsunBtn, 0, 2);
    przyciski->addWidget(z.WczytajBtn, 1, 0);
    przyciski->addWidget(z.ZapiszBtn, 1, 1);
    przyciski->addWidget(z.RekalkulacjaBtn, 1, 2);
    if (z.ImportujBtn)
        przyciski->addWidget(z.ImportujBtn, 2, 0, 1, 3);

    z.KolumnaListy = new QVBoxLayout;
    z.KolumnaListy->setSpacing(6);
    z.KolumnaListy->addWidget(z.ListView, 1);
    z.KolumnaListy->addLayout(przyciski);

    // The chart and the impulse-response view share one place; the tab strip under
    // them tells which one shows.
    z.CharWykres = new TWykres(z.TabSheet);
    z.CharWykres->setObjectName(nazwa + QStringLiteral("CharWykres"));
    SzablonCharakterystyki(*z.CharWykres, regeneracja);
    z.CharWykres->DodajSerie(nullptr, KolorZielony, psSolid);
    z.CharWykres->DodajSerie(nullptr, KolorCzerwony, psSolid);
    z.CharWykres->DodajSerie(nullptr, KolorGranatowy, psDash);
    z.Limit = std::make_unique<TFltFltStrumien>();
    z.Limit->UstawNazwe("Limit");

    z.ScrollBox = new QScrollArea(z.TabSheet);
    z.ScrollBox->setObjectName(nazwa + QStringLiteral("ScrollBox"));
    z.ScrollBox->setWidgetResizable(false);
    z.ScrollBox->setFrameShape(QFrame::NoFrame);
    z.ScrollBox->setBackgroundRole(QPalette::Base);
    z.ScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    z.ScrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    z.OdpowiedzWykres = new TWykres;
    z.OdpowiedzWykres->setObjectName(nazwa + QStringLiteral("OdpowiedzWykres"));
    SzablonOdpowiedzi(*z.OdpowiedzWykres);
    z.ScrollBox->setWidget(z.OdpowiedzWykres);
    z.ScrollBox->hide();
    new TDopasowanieOdpowiedzi(z.ScrollBox, z.OdpowiedzWykres);

    auto* obszarWykresu = new QGridLayout;
    obszarWykresu->setContentsMargins(0, 0, 0, 0);
    obszarWykresu->addWidget(z.CharWykres, 0, 0);
    obszarWykresu->addWidget(z.ScrollBox, 0, 0);

    z.TabSet = ZestawZakladek(nazwa + QStringLiteral("TabSet"), {TTekst::tr("Charakterystyka")}, z.TabSheet);
    QScrollArea* box = z.ScrollBox;
    QObject::connect(z.TabSet, &QTabBar::currentChanged, box, [box](int indeks) {
        box->setVisible(indeks == 1);
        if (indeks == 1)
            WysrodkujOdpowiedz(box);
    });

    z.LimitCheckBox = new QCheckBox(TTekst::tr("Limit"), z.TabSheet);
    z.LimitCheckBox->setObjectName(QStringLiteral("Limit") + nazwa + QStringLiteral("CheckBox"));
    z.LimitCheckBox->setIcon(ProbkaLimitu());
    z.LimitCheckBox->setIconSize(QSize(24, 12));
    z.LimitCheckBox->setChecked(true);
    z.LimitCheckBox->hide();
    TWykres* wykres = z.CharWykres;
    TFltFltStrumien* limit = z.Limit.get();
    QObject::connect(z.LimitCheckBox, &QCheckBox::toggled, wykres, [wykres, limit](bool widoczny) {
        wykres->ModyfikujSerie(SeriaLimitu, widoczny && limit->ZwrocDlugosc() > 0 ? limit : nullptr, 0, psSolid);
        wykres->update();
    });

    auto* podWykresem = new QHBoxLayout;
    podWykresem->setContentsMargins(0, 0, 0, 0);
    podWykresem->addWidget(z.TabSet, 0, Qt::AlignLeft | Qt::AlignTop);
    podWykresem->addStretch(1);
    podWykresem->addWidget(z.LimitCheckBox);

    auto* kolumnaWykresu = new QVBoxLayout;
    kolumnaWykresu->setSpacing(0);
    kolumnaWykresu->addLayout(obszarWykresu, 1);
    kolumnaWykresu->addLayout(podWykresem);

    auto* uklad = new QHBoxLayout(z.TabSheet);
    uklad->setContentsMargins(6, 6, 6, 6);
    uklad->setSpacing(8);
    uklad->addLayout(z.KolumnaListy);
    uklad->addLayout(kolumnaWykresu, 1);
    return z;
}

void PokazCharakterystyke(TZakladkaCharakterystyki& z, TFltFltStrumien& strumien)
{
    z.ListView->clear();
    UkryjOdpowiedz(z);

    const float znak = z.Regeneracja ? 1.0f : -1.0f;
    QList<QTreeWidgetItem*> wiersze;
    for (std::int32_t i = 0; i < strumien.ZwrocDlugosc(); ++i) {
        const TPunkt p = strumien.Zwroc(i);
        wiersze.append(new QTreeWidgetItem({TekstStalo(p.X, 3), TekstStalo(znak * p.Y, 3)}));
    }
    z.ListView->addTopLevelItems(wiersze);
    if (!wiersze.isEmpty())
        UstawWiersz(z, 0, false);
    PokazPunktyNaWykresie(z, strumien);
}

void OpiszLimit(TZakladkaCharakterystyki& z, const QString& standard)
{
    z.LimitCheckBox->setToolTip(TTekst::tr("Granica łącza według %1: linia przerywana na wykresie").arg(standard));
}

void UstawLimit(TZakladkaCharakterystyki& z, const TCharakterystyka& limit, const QString& standard)
{
    UstawPunkty(*z.Limit, limit);
    const bool jest = !limit.empty();
    z.LimitCheckBox->setVisible(jest);
    OpiszLimit(z, standard);
    z.CharWykres->ModyfikujSerie(SeriaLimitu, jest && z.LimitCheckBox->isChecked() ? z.Limit.get() : nullptr, 0,
                                 psSolid);
    z.CharWykres->update();
}

void PokazPunktyNaWykresie(TZakladkaCharakterystyki& z, TFltFltStrumien& strumien)
{
    z.CharWykres->ModyfikujSerie(SeriaOdpowiedzi, nullptr, 0, psSolid);
    z.CharWykres->ModyfikujSerie(SeriaPunktow, &strumien, 0, psSolid);
    const std::int32_t n = strumien.ZwrocDlugosc();
    UstawZakresCzestotliwosci(*z.CharWykres, n > 0 ? strumien.Zwroc(n - 1).X : 0.0f);
    z.CharWykres->update();
}

void PokazWynikRekalkulacji(TZakladkaCharakterystyki& z)
{
    z.OdpowiedzWykres->ZastapLubDodajSerie(0, z.Wynik->OdpowiedzImpulsowa, KolorCzerwony, psSolid);
    z.OdpowiedzWykres->update();
    z.CharWykres->ModyfikujSerie(SeriaOdpowiedzi, z.Wynik->Charakterystyka, 0, psSolid);
    z.CharWykres->update();
    if (z.TabSet->count() == 1)
        z.TabSet->addTab(TTekst::tr("Znormalizowana odpowiedź impulsowa"));
}

void UkryjOdpowiedz(TZakladkaCharakterystyki& z)
{
    while (z.TabSet->count() > 1)
        z.TabSet->removeTab(1);
    z.ScrollBox->hide();
}

TCharakterystyka PunktyListy(const TZakladkaCharakterystyki& z)
{
    const float znak = z.Regeneracja ? 1.0f : -1.0f;
    TCharakterystyka punkty;
    for (int i = 0; i < z.ListView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* wiersz = z.ListView->topLevelItem(i);
        // The rows hold only what this program wrote, with three decimals.
        const auto x = ParsujLiczbe(wiersz->text(0).toStdString()).value_or(0.0);
        const auto y = ParsujLiczbe(wiersz->text(1).toStdString()).value_or(0.0);
        punkty.push_back({static_cast<float>(x), znak * static_cast<float>(y)});
    }
    return punkty;
}

int WybranyWiersz(const TZakladkaCharakterystyki& z)
{
    const QList<QTreeWidgetItem*> wybrane = z.ListView->selectedItems();
    return wybrane.isEmpty() ? -1 : z.ListView->indexOfTopLevelItem(wybrane.front());
}

void UstawWiersz(TZakladkaCharakterystyki& z, int wiersz, bool zaznacz)
{
    z.ListView->selectionModel()->setCurrentIndex(z.ListView->model()->index(wiersz, 0),
                                                  zaznacz ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                                                          : QItemSelectionModel::NoUpdate);
}

float CzestotliwoscWiersza(const TZakladkaCharakterystyki& z, int wiersz)
{
    return static_cast<float>(ParsujLiczbe(z.ListView->topLevelItem(wiersz)->text(0).toStdString()).value_or(0.0));
}

TPrzyciskiWyboru PrzyciskiWyboru(int wiersz, int liczbaWierszy, bool staleWiersze)
{
    if (wiersz < 0)
        return {};
    if (staleWiersze || wiersz <= 1)
        return {false, true, false};
    if (wiersz == liczbaWierszy - 1)
        return {true, true, false};
    return {true, true, true};
}

std::filesystem::path SciezkaPliku(const QString& plik)
{
    return std::filesystem::path(QFile::encodeName(plik).toStdString());
}

TBladModelu ZapiszCharakterystyke(const QString& plik, TFltFltStrumien& strumien)
{
    return ZapiszModel(SciezkaPliku(plik), PunktyStrumienia(strumien));
}

TBladModelu WczytajCharakterystyke(const QString& plik, TFltFltStrumien& strumien)
{
    TCharakterystyka punkty;
    const TBladModelu blad = WczytajModel(SciezkaPliku(plik), punkty);
    if (blad == TBladModelu::Brak)
        UstawPunkty(strumien, punkty);
    return blad;
}
