// Helpers of the GUI tests: act on a modal window from inside its own event loop, so
// that a test can click the button that opens a message box or dialog without blocking.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>

#include <functional>

#include "UslugiQt.h"

// The GUI tests read and type numbers as a Polish desktop does: with a decimal comma.
inline void UstawLokalizacjePolska()
{
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    UstawSeparatorZLokalizacji();
}

// Armed before the click that opens a modal window of class T: once the window is up,
// dzialanie runs on it (and must close it). It looks every few milliseconds for as long
// as it lives, so a window that never opens costs nothing.
template <class T>
class TPrzyOknieModalnym {
public:
    explicit TPrzyOknieModalnym(std::function<void(T&)> dzialanie) : Dzialanie(std::move(dzialanie))
    {
        Zegar.setInterval(5);
        QObject::connect(&Zegar, &QTimer::timeout, [this] {
            if (auto* okno = qobject_cast<T*>(QApplication::activeModalWidget())) {
                Zegar.stop();
                Wykonane = true;
                Dzialanie(*okno);
            }
        });
        Zegar.start();
    }

    bool Wykonane = false;

private:
    QTimer Zegar;
    std::function<void(T&)> Dzialanie;
};

// Answers the next message box with OK and keeps its text.
class TOdpowiedzNaKomunikat {
public:
    TOdpowiedzNaKomunikat()
        : Odpowiedz([this](QMessageBox& okno) {
              Tekst = okno.text();
              Przyciski = static_cast<int>(okno.buttons().size());
              okno.button(QMessageBox::Ok)->click();
          })
    {
    }

    bool Pokazany() const { return Odpowiedz.Wykonane; }

    QString Tekst;
    int Przyciski = 0;

private:
    TPrzyOknieModalnym<QMessageBox> Odpowiedz;
};
