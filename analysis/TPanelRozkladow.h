// The panel of the error page that holds the error distribution and its cumulative
// distribution, one over the other, with small labels naming the axes. Its own caption
// shows through only while neither chart covers it.
#pragma once

#include <QFrame>

class QLabel;
class TWykres;

class TPanelRozkladow : public QFrame {
public:
    explicit TPanelRozkladow(QWidget* rodzic);

    TWykres* RozkladBledowWykres;
    TWykres* DystrBledowWykres;
    QLabel* Panel15; // "P", the probability axis
    QLabel* Panel18; // "błąd [V]", the error axis

    // Both charts and their axis labels shown (the run found a non-zero error) or hidden.
    void PokazWykresy(bool widoczne);

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;
};
