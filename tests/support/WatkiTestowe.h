// Workers in a test: one of class T created and started in a single step. It deletes
// itself on the GUI thread once it has returned; a test that watches it holds a QPointer.
#pragma once

#include <utility>

#include "WatekQt.h"

template <class T, class... Argumenty>
T* UtworzUruchomiony(Argumenty&&... argumenty)
{
    T* watek = new T(std::forward<Argumenty>(argumenty)...);
    watek->start();
    return watek;
}
