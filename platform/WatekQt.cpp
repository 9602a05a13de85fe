#include "WatekQt.h"

#include <mutex>
#include <vector>

namespace {

// Every worker alive, for the wait at program exit.
std::mutex ZamekRejestru;
std::vector<TWatek*> Rejestr;

} // namespace

TWatek::TWatek()
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
    const std::lock_guard zamek(ZamekRejestru);
    Rejestr.push_back(this);
}

TWatek::~TWatek()
{
    const std::lock_guard zamek(ZamekRejestru);
    std::erase(Rejestr, this);
}

void TWatek::ZakonczWszystkieICzekaj()
{
    // Workers delete themselves only through the event loop, which no longer runs, so
    // none disappears while this walks the list.
    std::vector<TWatek*> zywe;
    {
        const std::lock_guard zamek(ZamekRejestru);
        zywe = Rejestr;
    }
    for (TWatek* watek : zywe)
        watek->Zakoncz();
    for (TWatek* watek : zywe)
        watek->wait();
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
