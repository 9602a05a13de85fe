// Key filter of the settings page: a whole-number field takes digits and backspace, a
// decimal field also one decimal separator and a leading minus, a drop-down list takes
// no typed character at all. A refused key beeps and is dropped.
#pragma once

#include <QObject>

class TFiltrKlawiszy : public QObject {
public:
    enum class TRodzaj { Cyfry, Dziesietna, BezZnakow };

    TFiltrKlawiszy(TRodzaj rodzaj, QObject* rodzic);

    // Whether the key press reaches the control; keys that type no character (arrows,
    // Delete, Tab) and shortcuts with Ctrl or Alt always do. For a decimal field,
    // reszta is the field's text without its selection and kursor where the typed
    // character would go.
    static bool Przepusc(TRodzaj rodzaj, int klawisz, Qt::KeyboardModifiers modyfikatory, const QString& tekst,
                         const QString& reszta = {}, int kursor = 0);

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    TRodzaj Rodzaj;
};
