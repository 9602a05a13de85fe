// Two groups of the settings page side by side when the page is wide enough for both at
// their natural widths, and one above the other when it is not, so that a narrow (tiled)
// window keeps every field whole and a wide one keeps the rows below where they were.
#pragma once

#include <QWidget>

class QBoxLayout;

class TRzadGrup : public QWidget {
public:
    // lewa takes the width the row has to spare; both become the row's children.
    TRzadGrup(QWidget* lewa, QWidget* prawa, QWidget* rodzic);

    // As narrow as the wider group, as high as the current arrangement.
    QSize minimumSizeHint() const override;
    bool Obok() const;

protected:
    void resizeEvent(QResizeEvent* zdarzenie) override;

private:
    QBoxLayout* Uklad;
    QWidget* Lewa;
    QWidget* Prawa;
};
