#include "TKanalPageControl.h"

#include <QKeyEvent>
#include <QMouseEvent>

TKanalTabBar::TKanalTabBar(QWidget* rodzic) : QTabBar(rodzic)
{
    setFocusPolicy(Qt::NoFocus);
    setDrawBase(true);
    setExpanding(false);
}

void TKanalTabBar::mousePressEvent(QMouseEvent* zdarzenie)
{
    if (zdarzenie->button() == Qt::LeftButton)
        emit MyszNaZakladce(tabAt(zdarzenie->position().toPoint()));
    zdarzenie->accept();
}

void TKanalTabBar::mouseReleaseEvent(QMouseEvent* zdarzenie)
{
    zdarzenie->accept();
}

void TKanalTabBar::mouseMoveEvent(QMouseEvent* zdarzenie)
{
    zdarzenie->accept();
}

void TKanalTabBar::keyPressEvent(QKeyEvent* zdarzenie)
{
    zdarzenie->ignore();
}

void TKanalTabBar::wheelEvent(QWheelEvent* zdarzenie)
{
    zdarzenie->ignore();
}

TKanalPageControl::TKanalPageControl(QWidget* rodzic) : QTabWidget(rodzic), Pasek(new TKanalTabBar(this))
{
    setTabBar(Pasek);
}

void TKanalPageControl::keyPressEvent(QKeyEvent* zdarzenie)
{
    zdarzenie->ignore();
}
