#include "TPageControl.h"

#include <QPainter>
#include <QTabBar>

namespace {

// A tab bar that tints its highlighted tabs with the selection colour.
class TPasekZakladek : public QTabBar {
public:
    explicit TPasekZakladek(QWidget* rodzic) : QTabBar(rodzic) {}

protected:
    void paintEvent(QPaintEvent* zdarzenie) override
    {
        QTabBar::paintEvent(zdarzenie);
        QPainter malarz(this);
        QColor odcien = palette().color(QPalette::Highlight);
        odcien.setAlpha(90);
        for (int i = 0; i < count(); ++i) {
            if (isTabVisible(i) && tabData(i).toBool())
                malarz.fillRect(tabRect(i).adjusted(2, 2, -2, 0), odcien);
        }
    }
};

} // namespace

TPageControl::TPageControl(QWidget* rodzic) : QTabWidget(rodzic)
{
    setTabBar(new TPasekZakladek(this));
}

void TPageControl::UstawPodswietlenie(QWidget* strona, bool podswietlona)
{
    const int indeks = indexOf(strona);
    if (indeks < 0 || tabBar()->tabData(indeks).toBool() == podswietlona)
        return;
    tabBar()->setTabData(indeks, podswietlona);
    tabBar()->update();
}

bool TPageControl::Podswietlona(QWidget* strona) const
{
    const int indeks = indexOf(strona);
    return indeks >= 0 && tabBar()->tabData(indeks).toBool();
}
