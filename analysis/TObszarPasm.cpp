#include "TObszarPasm.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

#include "Wykres.h"

namespace {

constexpr int MarginesZewnetrzny = 15; // above the first strip and below the last, pixels
constexpr int MiejsceNaPasek = 20;     // the box's height that the strips leave to its scroll bar
constexpr int Odstep = 2;              // between the description column and the box

QScrollArea* Pudlo(const QString& nazwa, QWidget* rodzic)
{
    auto* pudlo = new QScrollArea(rodzic);
    pudlo->setObjectName(nazwa);
    pudlo->setWidgetResizable(false);
    pudlo->setBackgroundRole(QPalette::Base);
    auto* zawartosc = new QWidget;
    zawartosc->setObjectName(nazwa + QStringLiteral("Zawartosc"));
    zawartosc->resize(0, 0);
    pudlo->setWidget(zawartosc);
    return pudlo;
}

} // namespace

TObszarPasm::TObszarPasm(const QString& nazwa, int mieszczace, int naEkranie, QComboBox* zoom, QWidget* rodzic)
    : QWidget(rodzic), Mieszczace(mieszczace), NaEkranie(naEkranie), Zoom(zoom)
{
    setObjectName(QStringLiteral("Pasma") + nazwa);
    PanelOpisy = Pudlo(QStringLiteral("PanelOpisy") + nazwa, this);
    PanelOpisy->setFrameShape(QFrame::NoFrame);
    PanelOpisy->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PanelOpisy->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PanelOpisy->viewport()->installEventFilter(this);
    ScrollBox = Pudlo(QStringLiteral("ScrollBox") + nazwa, this);
    ScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(ScrollBox->verticalScrollBar(), &QScrollBar::valueChanged, PanelOpisy->verticalScrollBar(),
            &QScrollBar::setValue);
}

int TObszarPasm::WysokoscPasma() const
{
    const int n = static_cast<int>(Wykresy.size());
    if (n == 0)
        return 0;
    const int wysokosc = ScrollBox->height() - MiejsceNaPasek;
    return std::max(0, n <= Mieszczace ? wysokosc / n : wysokosc / NaEkranie);
}

float TObszarPasm::SkalaPikseli() const
{
    const float z = static_cast<float>(Zoom->currentIndex() + 2) * 0.25f;
    return static_cast<float>(ScrollBox->width()) * 0.2f * z;
}

void TObszarPasm::UtworzPasma(int n)
{
    for (int i = 0; i < n; ++i) {
        auto* przebieg = new TWykres(ScrollBox->widget());
        auto* opis = new TWykres(PanelOpisy->widget());
        przebieg->hide();
        opis->hide();
        przebieg->installEventFilter(this);
        Wykresy.push_back(przebieg);
        Panele.push_back(opis);
    }
    const bool przewijane = n > Mieszczace;
    ScrollBox->setVerticalScrollBarPolicy(przewijane ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int k = WysokoscPasma();
    for (std::size_t i = 0; i < Wykresy.size(); ++i)
        UstawPasmo(i, k);
    DopasujZawartosc();
}

void TObszarPasm::UstawPasmo(std::size_t i, int k)
{
    const bool pierwsze = i == 0;
    const bool ostatnie = i + 1 == Wykresy.size();
    const int wewnetrzny = k / 6;
    const int gora = static_cast<int>(i) * k;
    for (TWykres* w : {Wykresy[i], Panele[i]}) {
        w->UstawMarginesGorny(pierwsze ? MarginesZewnetrzny : 0);
        w->OsY.UstawMarginesMax(pierwsze ? 0 : wewnetrzny);
        w->UstawMarginesDolny(ostatnie ? MarginesZewnetrzny : 0);
        w->OsY.UstawMarginesMin(ostatnie ? 0 : wewnetrzny);
    }
    Wykresy[i]->setGeometry(0, gora, Wykresy[i]->width(), k);
    Panele[i]->setGeometry(0, gora, SzerokoscOpisow, k);
}

void TObszarPasm::Rozmiesc()
{
    if (Wykresy.empty())
        return;
    const int k = WysokoscPasma();
    const float piksele = SkalaPikseli();
    for (std::size_t i = 0; i < Wykresy.size(); ++i) {
        Wykresy[i]->OsX.UstawSkalaPiksele(piksele);
        UstawPasmo(i, k);
    }
    DopasujZawartosc();
}

void TObszarPasm::Powieksz()
{
    const float piksele = SkalaPikseli();
    for (TWykres* w : Wykresy)
        w->OsX.UstawSkalaPiksele(piksele);
}

void TObszarPasm::PrzewinDoPoczatku()
{
    ScrollBox->horizontalScrollBar()->setValue(0);
    ScrollBox->verticalScrollBar()->setValue(0);
}

void TObszarPasm::DopasujZawartosc()
{
    int szerokosc = 0;
    int wysokosc = 0;
    for (const TWykres* w : Wykresy) {
        szerokosc = std::max(szerokosc, w->geometry().right() + 1);
        wysokosc = std::max(wysokosc, w->geometry().bottom() + 1);
    }
    ScrollBox->widget()->resize(szerokosc, wysokosc);
    PanelOpisy->widget()->resize(SzerokoscOpisow, wysokosc);
}

void TObszarPasm::resizeEvent(QResizeEvent* zdarzenie)
{
    QWidget::resizeEvent(zdarzenie);
    // The column starts level with the inside of the box's frame and ends where the
    // strips end, above the box's horizontal scroll bar.
    const int ramka = ScrollBox->frameWidth();
    PanelOpisy->setGeometry(0, ramka, SzerokoscOpisow, std::max(0, height() - MiejsceNaPasek));
    ScrollBox->setGeometry(SzerokoscOpisow + Odstep, 0, std::max(0, width() - SzerokoscOpisow - Odstep), height());
    Rozmiesc();
}

bool TObszarPasm::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    // A waveform chart sizes itself to its range when it paints: the box follows.
    if (zdarzenie->type() == QEvent::Resize && obiekt != PanelOpisy->viewport())
        DopasujZawartosc();
    // The column has no scroll bar of its own: the wheel over it scrolls the box.
    if (zdarzenie->type() == QEvent::Wheel && obiekt == PanelOpisy->viewport()) {
        QCoreApplication::sendEvent(ScrollBox->verticalScrollBar(), zdarzenie);
        return true;
    }
    return QWidget::eventFilter(obiekt, zdarzenie);
}
