// The page control of an analysis window: a tab widget whose tabs can be highlighted,
// as the result tabs light up one after another when a run has filled them.
#pragma once

#include <QTabWidget>

class TPageControl : public QTabWidget {
public:
    explicit TPageControl(QWidget* rodzic);

    void UstawPodswietlenie(QWidget* strona, bool podswietlona);
    bool Podswietlona(QWidget* strona) const;
};
