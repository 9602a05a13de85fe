// The bathtub curves of the error page: each lane's error rate against the sampling phase
// across one symbol period and against the decision threshold at the sampling instant,
// estimated from the Gaussian tails of the levels, on a logarithmic scale to 1e-15.
#pragma once

#include <memory>
#include <vector>

#include <QGroupBox>

#include "Symulacja.h"

class TWykres;

class TPanelWanien : public QGroupBox {
public:
    explicit TPanelWanien(QWidget* rodzic);

    void Pokaz(const TWynikSymulacji& w);
    // The charts let go of the curves; the panel keeps them until the next run is shown.
    void Zwolnij();

    TWykres* WannaFazy;  // against the phase, the sampling instant in the middle
    TWykres* WannaProgu; // against the threshold

private:
    std::vector<std::unique_ptr<TFltFltStrumien>> Krzywe;
};

// The lowest error rate the bathtubs show: their axes' floor, as a decimal exponent.
inline constexpr int NajnizszyWykladnikWanny = -15;
