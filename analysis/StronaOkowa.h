// The page "Wykres okowy": every lane's signal as it reaches the receiver, folded so that
// its symbol periods overlay.
#pragma once

#include "StronaWynikow.h"

class TWykres;

class TStronaOkowa : public TStronaWynikow {
public:
    explicit TStronaOkowa(QWidget* rodzic);

    void Pokaz(const TWynikSymulacji& w) override;
    void Zwolnij() override;

    TWykres& Wykres() { return *WykresOkowy; }

private:
    TWykres* WykresOkowy;
};
