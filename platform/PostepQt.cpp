#include "PostepQt.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <climits>
#include <mutex>
#include <optional>

#include "JezykQt.h"

// What the computing thread and the GUI thread share. It lives as long as either side
// holds it; the GUI side detaches itself when its window goes.
class TStanPostepuQt {
public:
    // A gauge written by the computing thread. Every store is sequentially consistent, so
    // that the GUI thread, which clears the pending flag before it reads, never misses the
    // last value; a store costs one locked instruction and nothing more.
    class TWskaznik final : public TWskaznikPostepu {
    public:
        explicit TWskaznik(TStanPostepuQt& stan) : Stan(stan) {}

        void UstawMaksimum(std::int64_t maksimum) override
        {
            Max.store(maksimum);
            Stan.Zglos();
        }
        std::int64_t Maksimum() const override { return Max.load(); }
        void UstawPozycje(std::int64_t pozycja) override
        {
            Poz.store(pozycja);
            Stan.Zglos();
        }
        std::int64_t Pozycja() const override { return Poz.load(); }

    private:
        TStanPostepuQt& Stan;
        std::atomic<std::int64_t> Max{0};
        std::atomic<std::int64_t> Poz{0};
    };

    // The status text: set once per stage, so a copy under a lock costs nothing that counts.
    class TEtykieta final : public TEtykietaPostepu {
    public:
        explicit TEtykieta(TStanPostepuQt& stan) : Stan(stan) {}

        void UstawTekst(std::string_view tekst) override
        {
            {
                std::lock_guard blokada(Blokada);
                Tekst = QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
                Zmieniony = true;
            }
            Stan.Zglos();
        }
        void Odswiez() override { Stan.Zglos(); }

        // The text when it changed since the last call.
        std::optional<QString> Odbierz()
        {
            std::lock_guard blokada(Blokada);
            if (!Zmieniony)
                return std::nullopt;
            Zmieniony = false;
            return Tekst;
        }

    private:
        TStanPostepuQt& Stan;
        std::mutex Blokada;
        QString Tekst;
        bool Zmieniony = false;
    };

    TStanPostepuQt() : Etykieta(*this), Czesciowy(*this), Calkowity(*this) {}

    // From any thread: makes sure one showing is on its way to the GUI thread. Only the
    // first change after a showing gets this far; the lock keeps the receiver alive
    // while the event is posted to it.
    void Zglos()
    {
        if (Zgloszone.load() || Zgloszone.exchange(true))
            return;
        std::lock_guard blokada(BlokadaOdbiorcy);
        if (Odbiorca)
            QMetaObject::invokeMethod(Odbiorca, &TPostepQt::ZmianaZgloszona, Qt::QueuedConnection);
    }

    TEtykieta Etykieta;
    TWskaznik Czesciowy;
    TWskaznik Calkowity;
    std::atomic<bool> Zgloszone{false};
    std::mutex BlokadaOdbiorcy;
    TPostepQt* Odbiorca = nullptr;
};

namespace {

// A 64-bit gauge on an int progress bar: both numbers scaled down alike when the
// maximum does not fit, the position held within 0 and the maximum.
void PokazWskaznik(QProgressBar* pasek, const TWskaznikPostepu& wskaznik)
{
    if (!pasek)
        return;
    const std::int64_t maksimum = wskaznik.Maksimum();
    if (maksimum <= 0) {
        pasek->setRange(0, 1);
        pasek->setValue(0);
        return;
    }
    const std::int64_t dzielnik = maksimum / INT_MAX + 1;
    const std::int64_t pozycja = std::clamp<std::int64_t>(wskaznik.Pozycja(), 0, maksimum);
    pasek->setRange(0, static_cast<int>(maksimum / dzielnik));
    pasek->setValue(static_cast<int>(pozycja / dzielnik));
}

} // namespace

TEtykietaPostepu* TKontrolkiPostepuQt::Etykieta() const
{
    return &Stan->Etykieta;
}

TWskaznikPostepu* TKontrolkiPostepuQt::Czesciowy() const
{
    return &Stan->Czesciowy;
}

TWskaznikPostepu* TKontrolkiPostepuQt::Calkowity() const
{
    return &Stan->Calkowity;
}

TPostepQt::TPostepQt(QLabel* etykieta, QProgressBar* czesciowy, QProgressBar* calkowity, QObject* rodzic)
    : QObject(rodzic), Stan(std::make_shared<TStanPostepuQt>()), Etykieta(etykieta), Czesciowy(czesciowy),
      Calkowity(calkowity), Zegar(new QTimer(this))
{
    const QScreen* ekran = QGuiApplication::primaryScreen();
    const double czestotliwosc = ekran && ekran->refreshRate() >= 1.0 ? ekran->refreshRate() : 60.0;
    OkresMs = std::max(1, static_cast<int>(1000.0 / czestotliwosc));
    Zegar->setSingleShot(true);
    connect(Zegar, &QTimer::timeout, this, &TPostepQt::PokazTeraz);
    if (Etykieta)
        Etykieta->installEventFilter(this);
    std::lock_guard blokada(Stan->BlokadaOdbiorcy);
    Stan->Odbiorca = this;
}

TPostepQt::~TPostepQt()
{
    std::lock_guard blokada(Stan->BlokadaOdbiorcy);
    Stan->Odbiorca = nullptr;
}

bool TPostepQt::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::LanguageChange && obiekt == Etykieta)
        Etykieta->setText(PrzetlumaczTekstBiblioteki(Etap));
    return false;
}

void TPostepQt::ZmianaZgloszona()
{
    if (Zegar->isActive())
        return;
    const qint64 minelo = OdOstatniego.isValid() ? OdOstatniego.elapsed() : OkresMs;
    if (minelo >= OkresMs)
        PokazTeraz();
    else
        Zegar->start(static_cast<int>(OkresMs - minelo));
}

void TPostepQt::PokazTeraz()
{
    Zegar->stop();
    // Cleared before reading: whatever a computation writes from here on reports again.
    Stan->Zgloszone.store(false);
    if (const auto tekst = Stan->Etykieta.Odbierz(); tekst && Etykieta) {
        Etap = *tekst;
        Etykieta->setText(PrzetlumaczTekstBiblioteki(Etap));
    }
    PokazWskaznik(Czesciowy, Stan->Czesciowy);
    PokazWskaznik(Calkowity, Stan->Calkowity);
    OdOstatniego.restart();
    ++Pokazy;
}
