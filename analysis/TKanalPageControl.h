// The page control of the four channel characteristics. Its pages never change by
// themselves: a press on a tab is reported, and the window decides whether that page
// may open (its effect must be switched on).
#pragma once

#include <QTabBar>
#include <QTabWidget>

class TKanalTabBar : public QTabBar {
    Q_OBJECT

public:
    explicit TKanalTabBar(QWidget* rodzic);

signals:
    // The left mouse button went down on tab indeks (-1: on no tab).
    void MyszNaZakladce(int indeks);

protected:
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;
    void mouseMoveEvent(QMouseEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void wheelEvent(QWheelEvent* zdarzenie) override;
};

class TKanalPageControl : public QTabWidget {
public:
    explicit TKanalPageControl(QWidget* rodzic);

    TKanalTabBar* PasekZakladek() const { return Pasek; }

protected:
    // Ctrl+Tab and its kin would change the page behind the window's back.
    void keyPressEvent(QKeyEvent* zdarzenie) override;

private:
    TKanalTabBar* Pasek;
};
