#include "RzadGrup.h"

#include <QBoxLayout>

#include <algorithm>

namespace {

constexpr int Odstep = 6; // pixels between the groups, as between the page's rows

} // namespace

TRzadGrup::TRzadGrup(QWidget* lewa, QWidget* prawa, QWidget* rodzic) : QWidget(rodzic), Lewa(lewa), Prawa(prawa)
{
    Uklad = new QBoxLayout(QBoxLayout::LeftToRight, this);
    Uklad->setContentsMargins(0, 0, 0, 0);
    Uklad->setSpacing(Odstep);
    Uklad->addWidget(Lewa, 1);
    Uklad->addWidget(Prawa);
}

bool TRzadGrup::Obok() const
{
    return Uklad->direction() == QBoxLayout::LeftToRight;
}

QSize TRzadGrup::minimumSizeHint() const
{
    // The width never holds the row back: below the two groups' widths they stack.
    const int szerokosc = std::max(Lewa->minimumSizeHint().width(), Prawa->minimumSizeHint().width());
    return {szerokosc, Uklad->minimumSize().height()};
}

void TRzadGrup::resizeEvent(QResizeEvent* zdarzenie)
{
    QWidget::resizeEvent(zdarzenie);
    const bool obok = width() >= Lewa->sizeHint().width() + Odstep + Prawa->sizeHint().width();
    if (obok == Obok())
        return;
    Uklad->setDirection(obok ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    updateGeometry();
}
