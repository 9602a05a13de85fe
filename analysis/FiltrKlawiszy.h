// Key filter of the settings page: a numeric field takes digits and backspace only, a
// drop-down list takes no typed character at all. A refused key beeps and is dropped.
#pragma once

#include <QObject>

class TFiltrKlawiszy : public QObject {
public:
    enum class TRodzaj { Cyfry, BezZnakow };

    TFiltrKlawiszy(TRodzaj rodzaj, QObject* rodzic);

    // Whether the key press reaches the control; keys that type no character (arrows,
    // Delete, Tab) and shortcuts with Ctrl or Alt always do.
    static bool Przepusc(TRodzaj rodzaj, int klawisz, Qt::KeyboardModifiers modyfikatory, const QString& tekst);

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    TRodzaj Rodzaj;
};
