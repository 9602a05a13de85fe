#include "FiltrKlawiszy.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "Liczby.h"

TFiltrKlawiszy::TFiltrKlawiszy(TRodzaj rodzaj, QObject* rodzic) : QObject(rodzic), Rodzaj(rodzaj) {}

bool TFiltrKlawiszy::Przepusc(TRodzaj rodzaj, int klawisz, Qt::KeyboardModifiers modyfikatory, const QString& tekst,
                              const QString& reszta, int kursor)
{
    if (modyfikatory & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return true;
    if (klawisz == Qt::Key_Tab || klawisz == Qt::Key_Backtab || tekst.isEmpty())
        return true;
    if (rodzaj == TRodzaj::BezZnakow)
        return false;
    if (klawisz == Qt::Key_Backspace)
        return true;
    if (tekst.size() != 1)
        return false;
    const QChar znak = tekst.front();
    if (znak >= u'0' && znak <= u'9')
        return true;
    if (rodzaj != TRodzaj::Dziesietna)
        return false;
    const QChar minus = QLatin1Char('-');
    const QChar separator = QLatin1Char(SeparatorDziesietny());
    if (znak == separator)
        return !reszta.contains(separator);
    return znak == minus && kursor == 0 && !reszta.startsWith(minus);
}

bool TFiltrKlawiszy::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (zdarzenie->type() != QEvent::KeyPress)
        return QObject::eventFilter(obiekt, zdarzenie);
    const auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
    QString reszta;
    int kursor = 0;
    if (const auto* pole = qobject_cast<const QLineEdit*>(obiekt)) {
        reszta = pole->text();
        kursor = pole->cursorPosition();
        if (pole->hasSelectedText()) {
            kursor = pole->selectionStart();
            reszta.remove(kursor, pole->selectedText().size());
        }
    }
    if (Przepusc(Rodzaj, klawisz->key(), klawisz->modifiers(), klawisz->text(), reszta, kursor))
        return false;
    QApplication::beep();
    return true;
}
