#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <limits>

#include "OpisBER.h"
#include "Symulacja.h"

namespace {

std::vector<std::int32_t> Wzor(std::size_t n, std::uint32_t ziarno)
{
    std::vector<std::int32_t> bity(n);
    for (std::size_t i = 0; i < n; ++i)
        bity[i] = static_cast<std::int32_t>(((i * 2654435761u + ziarno) >> 7) & 1);
    return bity;
}

TUstawieniaSymulacji Ustawienia(int standard, std::int32_t szybkosc, float nachylenie)
{
    TUstawieniaSymulacji u;
    u.Standard = standard;
    u.Szybkosc = szybkosc;
    u.Nachylenie = nachylenie;
    u.Bity = Wzor(1400, 1);
    u.BityZaklocen = Wzor(1400, 99);
    return u;
}

TPunkt Punkt(TFltFltStrumien& s, std::int32_t i)
{
    return s.Zwroc(i);
}

// A gauge that sets the run's termination flag once the channel is half-way through.
class TPrzerywajacy : public TWskaznikAtomowy {
public:
    explicit TPrzerywajacy(std::uint8_t& flaga) : Flaga(flaga) {}
    void UstawPozycje(std::int64_t pozycja) override
    {
        TWskaznikAtomowy::UstawPozycje(pozycja);
        if (Maksimum() > 0 && pozycja * 2 > Maksimum())
            std::atomic_ref<std::uint8_t>(Flaga).store(1);
    }

private:
    std::uint8_t& Flaga;
};

} // namespace

TEST(Symulacja, FactsOfEveryStandard)
{
    struct Przypadek {
        int standard;
        std::int32_t szybkosc;
        float nachylenie;
        std::int32_t kodowane, tory, zaklocenia, typy, mbaud;
        float okresy; // symbol periods of the line signal before trimming
    };
    const Przypadek przypadki[] = {
        {0, 10, 500, 140, 1, 1, 3, 10, 140},
        {1, 100, 5000, 140, 1, 1, 4, 125, 175},
        {2, 100, 5000, 140, 1, 1, 3, 100, 140},
        {3, 1000, 5000, 420, 4, 0, 9, 125, 52},
    };
    for (const Przypadek& p : przypadki) {
        const auto w = Symuluj(Ustawienia(p.standard, p.szybkosc, p.nachylenie), nullptr, {});
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->LiczbaBitowKodowanych, p.kodowane) << p.standard;
        EXPECT_EQ(w->Tory.size(), static_cast<std::size_t>(p.tory));
        EXPECT_EQ(w->SzybkoscSymboli, p.mbaud);
        EXPECT_EQ(w->Wejsciowe.size(), static_cast<std::size_t>(p.typy));
        EXPECT_EQ(w->Zaklocenia.size(), static_cast<std::size_t>(p.zaklocenia));
        for (const TTorWyniku& tor : w->Tory) {
            EXPECT_TRUE(tor.Odebrany && tor.Zregenerowany && tor.Wzmocniony && tor.Zdekodowany);
            EXPECT_EQ(tor.Wejscie(), tor.Zregenerowany.get());
            EXPECT_EQ(tor.Nazwa, tor.Wyslany->ZwrocNazwe());
        }
        ASSERT_TRUE(w->UdzialBledow.has_value());
        EXPECT_GE(*w->UdzialBledow, 0.0);
        EXPECT_LE(*w->UdzialBledow, 1.0);
        EXPECT_EQ(w->Rozklad->ZwrocDlugosc(), 1001);
        // The decoder's reference is the staircase that precedes the line signals.
        EXPECT_EQ(w->Tory[0].Wzorzec->ZwrocNazwe().rfind("Ciąg", 0), 0u);
        EXPECT_EQ(w->Tory[0].Wyslany->ZwrocNazwe().rfind("Sygnał", 0), 0u);
        // The line signal lost 20 symbol periods at each end.
        TFltFltStrumien& linia = *w->Tory[0].Wyslany;
        EXPECT_FLOAT_EQ(Punkt(linia, 0).X, 20.0f);
        EXPECT_FLOAT_EQ(Punkt(linia, linia.ZwrocDlugosc() - 1).X, p.okresy - 20.0f);
    }
}

TEST(Symulacja, CrosstalkSourceHasItsOwnBitsAndName)
{
    TUstawieniaSymulacji u = Ustawienia(0, 10, 500);
    u.Bity.reset();
    u.Zrodlo = TZrodloBitow::Zera;
    const auto w = Symuluj(u, nullptr, {});
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->Zaklocenia.size(), 1u);
    EXPECT_EQ(w->Zaklocenia[0]->ZwrocNazwe(), "Sygnał Manchester (2)");
    // The lane sends zeros, the crosstalk source its own pattern: the two signals differ.
    TFltFltStrumien& linia = *w->Tory[0].Wyslany;
    TFltFltStrumien& zaklocenie = *w->Zaklocenia[0];
    EXPECT_NE(linia.ZwrocDlugosc(), zaklocenie.ZwrocDlugosc());
}

TEST(Symulacja, TheSeedOfEveryRunIsRecorded)
{
    TUstawieniaSymulacji u = Ustawienia(1, 100, 5000);
    u.Bity.reset();
    u.BityZaklocen.reset();
    const auto zZegara = Symuluj(u, nullptr, {});
    ASSERT_NE(zZegara, nullptr);
    EXPECT_FALSE(zZegara->Ustawienia.Ziarno.has_value());
    // The drawn seed repeats the run's bits.
    u.Ziarno = zZegara->Ziarno;
    const auto powtorka = Symuluj(u, nullptr, {});
    ASSERT_NE(powtorka, nullptr);
    EXPECT_EQ(powtorka->Ziarno, zZegara->Ziarno);
    TFltFltStrumien& a = *zZegara->Tory[0].Wyslany;
    TFltFltStrumien& b = *powtorka->Tory[0].Wyslany;
    ASSERT_EQ(a.ZwrocDlugosc(), b.ZwrocDlugosc());
    for (std::int32_t i = 0; i < a.ZwrocDlugosc(); ++i)
        ASSERT_EQ(Punkt(a, i).Y, Punkt(b, i).Y) << i;
    EXPECT_EQ(zZegara->BER, powtorka->BER);
}

TEST(Symulacja, InvalidSettingsAreRefused)
{
    TUstawieniaSymulacji u = Ustawienia(1, 100, 5000);
    u.Szybkosc = 5000;
    EXPECT_THROW(Symuluj(u, nullptr, {}), std::invalid_argument);
}

TEST(Symulacja, WithoutRegenerationOrDecoder)
{
    TUstawieniaSymulacji u = Ustawienia(1, 100, 5000);
    u.Regeneracja = false;
    u.Dekoder = false;
    const auto w = Symuluj(u, nullptr, {});
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->Tory.size(), 1u);
    EXPECT_EQ(w->Tory[0].Zregenerowany, nullptr);
    EXPECT_EQ(w->Tory[0].Wejscie(), w->Tory[0].Odebrany.get());
    EXPECT_EQ(w->Tory[0].Zdekodowany, nullptr);
    EXPECT_FALSE(w->UdzialBledow.has_value());
}

TEST(Symulacja, SilentLineCompletesWithoutErrors)
{
    TUstawieniaSymulacji u = Ustawienia(2, 100, 5000);
    u.Bity.reset();
    u.Zrodlo = TZrodloBitow::Zera;
    u.Przesluchy = false;
    const auto w = Symuluj(u, nullptr, {});
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->BER, 0.0);
    EXPECT_EQ(w->NajwiekszyBlad, 0.0f);
    EXPECT_EQ(OpiszBER(w->BER, 2, 100).Zdanie, "Oznacza to brak błędów");
}

TEST(Symulacja, CancelledRunReturnsNothing)
{
    std::uint8_t flaga = 1;
    EXPECT_EQ(Symuluj(Ustawienia(1, 100, 5000), &flaga, {}), nullptr);

    flaga = 0;
    TPrzerywajacy calkowity(flaga);
    TWskaznikAtomowy czesciowy;
    EXPECT_EQ(Symuluj(Ustawienia(3, 1000, 5000), &flaga, {nullptr, &czesciowy, &calkowity}), nullptr);
    EXPECT_EQ(flaga, 1);
}

TEST(Symulacja, TrimmingMovesBoundaryPointsOntoTheCut)
{
    // A ramp 0..10 with points every 1: a cut of 2 lands on points, a cut of 2.5 between.
    for (float ciecie : {2.0f, 2.5f}) {
        TFltFltStrumien s;
        s.UstawDlugosc(11);
        for (std::int32_t i = 0; i <= 10; ++i)
            s.Ustaw(i, TPunkt{static_cast<float>(i), 2.0f * static_cast<float>(i)});
        Przytnij(s, ciecie);
        EXPECT_FLOAT_EQ(Punkt(s, 0).X, ciecie);
        EXPECT_FLOAT_EQ(Punkt(s, 0).Y, 2.0f * ciecie);
        const std::int32_t ostatni = s.ZwrocDlugosc() - 1;
        EXPECT_FLOAT_EQ(Punkt(s, ostatni).X, 10.0f - ciecie);
        EXPECT_FLOAT_EQ(Punkt(s, ostatni).Y, 2.0f * (10.0f - ciecie));
        EXPECT_EQ(s.ZwrocDlugosc(), 7);
    }
    // A vertical step straddling the cut keeps its segment's value.
    TFltFltStrumien schody;
    schody.UstawDlugosc(4);
    const TPunkt punkty[] = {{0, 1}, {3, 1}, {3, -1}, {10, -1}};
    for (std::int32_t i = 0; i < 4; ++i)
        schody.Ustaw(i, punkty[i]);
    Przytnij(schody, 1.0f);
    EXPECT_EQ(Punkt(schody, 0).X, 1.0f);
    EXPECT_EQ(Punkt(schody, 0).Y, 1.0f);
    EXPECT_EQ(Punkt(schody, schody.ZwrocDlugosc() - 1).X, 9.0f);
    EXPECT_EQ(Punkt(schody, schody.ZwrocDlugosc() - 1).Y, -1.0f);
}

namespace {

// FNV-1a over the bytes of every visible point of s, chained on from h.
std::uint64_t Skrot(TFltFltStrumien& s, std::uint64_t h = 14695981039346656037u)
{
    for (std::int32_t i = 0; i < s.ZwrocDlugosc(); ++i) {
        const TPunkt p = s.Zwroc(i);
        unsigned char bajty[sizeof p];
        std::memcpy(bajty, &p, sizeof p);
        for (unsigned char b : bajty)
            h = (h ^ b) * 1099511628211u;
    }
    return h;
}

} // namespace

TEST(Symulacja, ListsReachingFarAboveTheFilterGiveTheStreamsTheyAlwaysGave)
{
    // Every list goes on to 10^5 MHz, far above the 750 MHz the filters represent: the
    // attenuation falling, the regenerator rising, the echo flat. The digests were taken
    // from the channel as it was before its spectrum loop learned to stop early.
    TUstawieniaSymulacji u = Ustawienia(1, 100, 5000);
    u.Charakterystyki.Tlumienie = {{0, -2.1f}, {1, -2.1f}, {100, -21.6f}, {1e5f, -60.0f}};
    u.Charakterystyki.Wzmocnienie = {{0, 2.1f}, {1, 2.1f}, {100, 21.6f}, {1e5f, 40.0f}};
    u.Charakterystyki.Echo = {{0, -15.0f}, {1, -15.0f}, {1e5f, -15.0f}};
    const auto w = Symuluj(u, nullptr, {});
    ASSERT_NE(w, nullptr);
    const TTorWyniku& tor = w->Tory[0];
    EXPECT_EQ(Skrot(*tor.Odebrany), 16440946321675068537u);
    EXPECT_EQ(Skrot(*tor.Zregenerowany), 17208273208552553754u);
    EXPECT_EQ(Skrot(*tor.Wzmocniony), 10398829626499502777u);
    EXPECT_EQ(w->BER, 0x1.232a18eb4968dp-348);
}

TEST(Symulacja, AValueThatIsNotFiniteIsNeverPresented)
{
    const auto w = Symuluj(Ustawienia(1, 100, 5000), nullptr, {});
    ASSERT_NE(w, nullptr);
    EXPECT_NO_THROW(SprawdzSkonczonosc(*w));

    const auto komunikat = [&] {
        try {
            SprawdzSkonczonosc(*w);
        } catch (const TWynikNieskonczony& blad) {
            return std::string(blad.what());
        }
        return std::string();
    };
    w->BER = std::numeric_limits<double>::infinity();
    EXPECT_EQ(komunikat(), "the run produced a value that is not a finite number (BER); no result is given");
    w->BER = 0.0;
    TFltFltStrumien& odebrany = *w->Tory[0].Odebrany;
    odebrany.Ustaw(odebrany.ZwrocPoczatek() + 3, TPunkt{1.0f, std::nanf("")});
    EXPECT_EQ(komunikat(), "the run produced a value that is not a finite number (lane 0 received, point 3); no result is given");
}

TEST(Symulacja, GainsAtTheEndsOfTheRangeThroughEveryFilterStayFinite)
{
    // The worst case the limits allow: the same extreme gain in all four chained filters.
    for (const float g : {WzmocnienieMin, WzmocnienieMax}) {
        for (const auto& [standard, szybkosc] : {std::pair{0, 10}, std::pair{3, 5000}}) {
            TUstawieniaSymulacji u = Ustawienia(standard, szybkosc, standard == 0 ? 500.0f : 5000.0f);
            const TCharakterystyka plaska = {{0, g}, {1, g}, {100, g}};
            u.Charakterystyki = {plaska, plaska, plaska, plaska};
            EXPECT_NO_THROW(Symuluj(u, nullptr, {})) << g << " " << standard;
        }
    }
}
