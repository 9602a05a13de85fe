#include "PanelPasm.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "JezykQt.h"
#include "KoloryWykresow.h"
#include "TLegenda.h"
#include "TObszarPasm.h"
#include "Vartostream.h"
#include "Wykres.h"

namespace {

constexpr int SzerokoscPaneluNazwy = 90;
constexpr int SzerokoscNazwy = 80;
constexpr int SzerokoscLegendy = 330;
constexpr int SzerokoscZoomu = 170;
constexpr int BokObrazuLegendy = 16;
constexpr int IndeksZoomu100 = 2;

class TPanelNazwy : public QWidget {
public:
    TPanelNazwy(const QString& nazwa, TWykres* wykres) : QWidget(wykres)
    {
        setObjectName(QStringLiteral("PanelNazwy"));
        setAutoFillBackground(true);
        QPalette paleta = palette();
        paleta.setColor(QPalette::Window, Qt::white);
        setPalette(paleta);
        Etykieta = new QLabel(nazwa, this);
        Etykieta->setObjectName(QStringLiteral("EtykietaNazwy"));
        Etykieta->setTextFormat(Qt::PlainText);
        Etykieta->setAlignment(Qt::AlignCenter);
        Etykieta->setWordWrap(true);
        QFont pogrubiona = Etykieta->font();
        pogrubiona.setBold(true);
        Etykieta->setFont(pogrubiona);
        wykres->installEventFilter(this);
        Dopasuj();
        show();
    }

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override
    {
        if (zdarzenie->type() == QEvent::Resize)
            Dopasuj();
        return QWidget::eventFilter(obiekt, zdarzenie);
    }

private:
    void Dopasuj()
    {
        setGeometry(0, 0, SzerokoscPaneluNazwy, parentWidget()->height());
        Etykieta->setGeometry(SzerokoscPaneluNazwy - SzerokoscNazwy, 0, SzerokoscNazwy, height());
    }

    QLabel* Etykieta;
};

// The strip's inner vertical margins shrink to m; the outer ones (and any that are 0)
// stay as they are on screen.
void ZmniejszMarginesy(TWykres& w, std::size_t i, std::size_t n, int m, bool marginesMaxNaOstatnim)
{
    const bool pierwsze = i == 0;
    const bool ostatnie = i + 1 == n;
    if (!ostatnie && w.MarginesDolny() != 0)
        w.UstawMarginesDolny(m);
    if (!pierwsze && w.MarginesGorny() != 0)
        w.UstawMarginesGorny(m);
    if ((marginesMaxNaOstatnim || !ostatnie) && w.OsY.MarginesMax() != 0)
        w.OsY.UstawMarginesMax(m);
    if (w.OsY.MarginesMin() != 0)
        w.OsY.UstawMarginesMin(m);
}

} // namespace

void NazwijPasmo(TWykres& opis, const QString& nazwa)
{
    new TPanelNazwy(nazwa, &opis);
}

TPanelPasm::TPanelPasm(const QString& nazwa, int mieszczace, int naEkranie, const QString& panelLegendy,
                       int wysokoscLegendy)
{
    setObjectName(QStringLiteral("Panel") + nazwa);
    if (!panelLegendy.isEmpty()) {
        LegendaPasm = new TLegenda(QStringLiteral("Legenda") + nazwa, nullptr);
        PanelLegendy = new QWidget;
        PanelLegendy->setObjectName(panelLegendy);
        PanelLegendy->setFixedSize(SzerokoscLegendy, wysokoscLegendy);
        auto* ukladLegendy = new QVBoxLayout(PanelLegendy);
        ukladLegendy->setContentsMargins(0, 0, 0, 0);
        ukladLegendy->addWidget(LegendaPasm);
    }

    auto* grupa = new QGroupBox(TTekst::tr(" Skalowanie osi czasu "), this);
    grupa->setObjectName(QStringLiteral("GroupBoxZoom") + nazwa);
    Zoom = new QComboBox(grupa);
    Zoom->setObjectName(QStringLiteral("Zoom") + nazwa + QStringLiteral("Combo"));
    Zoom->addItems({QStringLiteral("50%"), QStringLiteral("75%"), QStringLiteral("100%"), QStringLiteral("125%"),
                    QStringLiteral("150%")});
    Zoom->setCurrentIndex(IndeksZoomu100);
    auto* ukladGrupy = new QHBoxLayout(grupa);
    ukladGrupy->addWidget(Zoom);
    ukladGrupy->addStretch(1);
    grupa->setFixedWidth(SzerokoscZoomu);

    Obszar = new TObszarPasm(nazwa, mieszczace, naEkranie, Zoom, this);
    // The charts take the new scale on their next paint; the same item again changes nothing.
    connect(Zoom, &QComboBox::currentIndexChanged, Obszar, [this] { Obszar->Powieksz(); });
    // A legend row shows or hides its curve in every lane at once.
    if (LegendaPasm)
        connect(LegendaPasm, &TLegenda::SeriaPrzelaczona, this, [this](int seria, bool widoczna) {
            for (TWykres* w : Obszar->Wykresy)
                w->PokazUkryjSerie(seria, widoczna);
        });

    auto* gorny = new QHBoxLayout;
    gorny->setSpacing(8);
    gorny->addWidget(grupa, 0, Qt::AlignTop);
    if (PanelLegendy)
        gorny->addWidget(PanelLegendy, 0, Qt::AlignTop);
    gorny->addStretch(1);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(6);
    uklad->addLayout(gorny);
    uklad->addWidget(Obszar, 1);
}

void TPanelPasm::UstawWysokoscLegendy(int piksele)
{
    PanelLegendy->setFixedHeight(piksele);
}

void TPanelPasm::ZerujZoom()
{
    Zoom->setCurrentIndex(IndeksZoomu100);
}

void TPanelPasm::Zwolnij()
{
    for (TWykres* w : Obszar->Wykresy)
        w->OdlaczSerie();
}

int TPanelPasm::RysujRaport(TPlotno& plotno, const TUkladRaportu& u, int gora, const TSekcja& s)
{
    const int h = WysokoscWiersza(plotno);
    RysujTytul(plotno, u, gora, s.Tytul);
    const int T = gora + 2 * h;
    const int e = static_cast<int>(u.C * s.CzescWysokosci);
    const int D = static_cast<int>(u.C * s.CzescOpisow);
    const int m = static_cast<int>(e * 0.03333333333333333);
    const std::size_t n = Obszar->Wykresy.size();
    for (std::size_t i = 0; i < n; ++i) {
        TWykres& przebieg = *Obszar->Wykresy[i];
        TWykres& opis = *Obszar->Panele[i];
        const int gornaKrawedz = T + static_cast<int>(i) * e;
        for (TWykres* w : {&przebieg, &opis}) {
            w->EnableRepaint(false);
            ZmniejszMarginesy(*w, i, n, m, s.MarginesMaxNaOstatnim);
            // A strip on paper is far shorter against its labels than on screen.
            w->UstawRzadszeOpisyY(true);
        }
        const TFltFltStrumien& strumien = *s.Strumienie.at(i);
        const float maxX = strumien.SkalaX * static_cast<float>(s.Podzialki) + przebieg.OsX.Min();
        przebieg.PaintToCanvas(plotno, 0, 0, u.M + D, gornaKrawedz, u.C - D, e, maxX, -1, u.K);
        opis.PaintToCanvas(plotno, 0, 0, u.M + 1, gornaKrawedz, D, e, opis.OsX.Max(), -1, u.K);
        if (s.Nazwy) {
            const std::string nazwa = PrzetlumaczTekstBiblioteki(QString::fromStdString(strumien.ZwrocNazwe())).toStdString();
            PiszZwyklym(plotno);
            const int t = plotno.WysokoscTekstu(nazwa);
            plotno.PiszTekst(u.M, T + static_cast<int>(i + 1) * e - e / 2 - t / 2, nazwa);
        }
        for (TWykres* w : {&przebieg, &opis}) {
            w->UstawRzadszeOpisyY(false);
            w->EnableRepaint(true);
        }
    }
    const int dol = T + static_cast<int>(n) * e;
    const int wiersze = LegendaPasm ? LegendaPasm->rowCount() : 0;
    for (int j = 0; j < wiersze; ++j) {
        const int srodek = dol + 2 * h * (j + 1);
        RysujObrazLegendy(plotno, LegendaPasm->Obraz(j), u.M, srodek - BokObrazuLegendy / 2);
        plotno.UstawGruboscPiora(GruboscPioraRaportu);
        PiszZwyklym(plotno);
        plotno.PiszTekst(u.M + 3 * BokObrazuLegendy, srodek - h / 2, LegendaPasm->item(j, 0)->text().toStdString());
    }
    Obszar->Rozmiesc();
    // The waveforms run on past the content width wherever their streams are longer.
    plotno.UstawKolorPedzla(KolorBialy);
    plotno.WypelnijProstokat(u.M + u.C, T, u.M + 2 * u.C, dol);
    return 2 * h + static_cast<int>(n) * e + 2 * h * wiersze;
}
