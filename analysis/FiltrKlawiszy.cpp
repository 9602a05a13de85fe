#include "FiltrKlawiszy.h"

#include <QApplication>
#include <QKeyEvent>

TFiltrKlawiszy::TFiltrKlawiszy(TRodzaj rodzaj, QObject* rodzic) : QObject(rodzic), Rodzaj(rodzaj) {}

bool TFiltrKlawiszy::Przepusc(TRodzaj rodzaj, int klawisz, Qt::KeyboardModifiers modyfikatory, const QString& tekst)
{
    if (modyfikatory & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return true;
    if (klawisz == Qt::Key_Tab || klawisz == Qt::Key_Backtab || tekst.isEmpty())
        return true;
    if (rodzaj == TRodzaj::BezZnakow)
        return false;
    if (klawisz == Qt::Key_Backspace)
        return true;
    return tekst.size() == 1 && tekst.front() >= u'0' && tekst.front() <= u'9';
}

bool TFiltrKlawiszy::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (zdarzenie->type() != QEvent::KeyPress)
        return QObject::eventFilter(obiekt, zdarzenie);
    const auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
    if (Przepusc(Rodzaj, klawisz->key(), klawisz->modifiers(), klawisz->text()))
        return false;
    QApplication::beep();
    return true;
}
