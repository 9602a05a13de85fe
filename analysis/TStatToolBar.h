// The status strip at the bottom of an analysis window: the simulation button covers
// it; hiding the button uncovers the progress text, the two gauges and "Anuluj".
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

class TStatToolBar : public QWidget {
public:
    explicit TStatToolBar(QWidget* rodzic);

    QPushButton* SimBut;
    QLabel* ProgLabel;
    QProgressBar* CGaugePart;
    QLabel* Label7;
    QProgressBar* CGaugeTotal;
    QPushButton* AnulujBut;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // Each gauge gets half of what the text, the label and the button leave over.
    void resizeEvent(QResizeEvent* zdarzenie) override;
};
