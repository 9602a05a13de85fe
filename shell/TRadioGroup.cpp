#include "TRadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace {

constexpr int OdstepPozycji = 4; // pixels between two items at their natural height
constexpr int MarginesPozycji = 8;

} // namespace

TRadioGroup::TRadioGroup(const QString& tytul, QWidget* rodzic)
    : QGroupBox(tytul, rodzic), Grupa(new QButtonGroup(this))
{
    connect(Grupa, &QButtonGroup::idClicked, this, &TRadioGroup::PozycjaKliknieta);
}

void TRadioGroup::UstawPozycje(const QStringList& teksty)
{
    for (QAbstractButton* przycisk : Grupa->buttons()) {
        Grupa->removeButton(przycisk);
        delete przycisk;
    }
    for (int i = 0; i < teksty.size(); ++i) {
        auto* przycisk = new QRadioButton(teksty[i], this);
        Grupa->addButton(przycisk, i);
        przycisk->show();
    }
    RozmiescPozycje();
    updateGeometry();
}

int TRadioGroup::LiczbaPozycji() const
{
    return static_cast<int>(Grupa->buttons().size());
}

int TRadioGroup::ItemIndex() const
{
    return Grupa->checkedId();
}

void TRadioGroup::UstawItemIndex(int indeks)
{
    if (QAbstractButton* przycisk = Grupa->button(indeks)) {
        przycisk->setChecked(true);
        return;
    }
    // An exclusive group never lets its last button go by itself.
    Grupa->setExclusive(false);
    for (QAbstractButton* przycisk : Grupa->buttons())
        przycisk->setChecked(false);
    Grupa->setExclusive(true);
}

int TRadioGroup::GoraPozycji() const
{
    QStyleOptionGroupBox opcja;
    initStyleOption(&opcja);
    const QRect tresc = style()->subControlRect(QStyle::CC_GroupBox, &opcja, QStyle::SC_GroupBoxContents, this);
    return tresc.top();
}

QSize TRadioGroup::sizeHint() const
{
    int szerokosc = fontMetrics().horizontalAdvance(title()) + 2 * MarginesPozycji + 16;
    int wysokosc = 0;
    for (QAbstractButton* przycisk : Grupa->buttons()) {
        const QSize rozmiar = przycisk->sizeHint();
        szerokosc = std::max(szerokosc, rozmiar.width() + 2 * MarginesPozycji);
        wysokosc += rozmiar.height() + OdstepPozycji;
    }
    return {szerokosc, GoraPozycji() + wysokosc + MarginesPozycji};
}

QSize TRadioGroup::minimumSizeHint() const
{
    return sizeHint();
}

void TRadioGroup::resizeEvent(QResizeEvent* zdarzenie)
{
    QGroupBox::resizeEvent(zdarzenie);
    RozmiescPozycje();
}

void TRadioGroup::RozmiescPozycje()
{
    // Every item gets an equal slice of the area under the title and sits centred in it.
    const QList<QAbstractButton*> przyciski = Grupa->buttons();
    if (przyciski.isEmpty())
        return;
    const int gora = GoraPozycji();
    const int obszar = std::max(0, height() - gora - 4);
    const int n = static_cast<int>(przyciski.size());
    for (int i = 0; i < n; ++i) {
        QAbstractButton* przycisk = Grupa->button(i);
        const QSize rozmiar = przycisk->sizeHint();
        const int srodek = gora + obszar * (2 * i + 1) / (2 * n);
        przycisk->setGeometry(MarginesPozycji, srodek - rozmiar.height() / 2,
                              std::min(rozmiar.width(), width() - 2 * MarginesPozycji), rozmiar.height());
    }
}
