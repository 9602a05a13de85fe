#include "WatekQt.h"

TWatek::TWatek()
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

void TWatek::Zakoncz()
{
    std::atomic_ref<std::uint8_t>(Flaga).store(1, std::memory_order_relaxed);
}

bool TWatek::Zakonczony() const
{
    // atomic_ref needs a mutable object; the flag is only read here.
    auto& flaga = const_cast<std::uint8_t&>(Flaga);
    return std::atomic_ref<std::uint8_t>(flaga).load(std::memory_order_relaxed) != 0;
}

void TWatek::run()
{
    Wykonaj();
}
