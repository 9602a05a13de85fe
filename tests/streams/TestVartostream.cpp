#include <gtest/gtest.h>

#include <cstring>

#include "Vartostream.h"

TEST(Vartostream, WindowShiftsReadsButNotWrites)
{
    TIntStrumien s;
    s.UstawDlugosc(10);
    for (std::int32_t i = 0; i < 10; ++i)
        s.Ustaw(i, 100 + i);
    s.UstawZakres(2, 3);
    EXPECT_EQ(s.ZwrocDlugosc(), 5);
    EXPECT_EQ(s.Zwroc(0), 102);
    EXPECT_EQ(s.Zwroc(4), 106);

    s.Ustaw(0, -7); // stored index: the window does not apply to writes
    s.UstawZakres(0, 0);
    EXPECT_EQ(s.Zwroc(0), -7);
    EXPECT_EQ(s.Zwroc(2), 102);
}

TEST(Vartostream, EmptyAndGrowingStreams)
{
    TFltStrumien pusty;
    pusty.UstawDlugosc(0);
    EXPECT_EQ(pusty.ZwrocDlugosc(), 0);

    TFltFltStrumien s;
    s.UstawDlugosc(4);
    s.Wydluz(1);
    s.Ustaw(4, TPunkt{3.0f, 4.0f});
    EXPECT_EQ(s.ZwrocDlugosc(), 5);
    EXPECT_EQ(s.Zwroc(4).X, 3.0f);
    EXPECT_EQ(s.Zwroc(4).Y, 4.0f);

    // Resizing empties the store but keeps the window.
    s.UstawZakres(1, 1);
    s.UstawDlugosc(6);
    EXPECT_EQ(s.ZwrocDlugosc(), 4);
}

TEST(Vartostream, ScratchElementIsSharedByReads)
{
    TIntStrumien s;
    s.UstawDlugosc(3);
    s.Ustaw(0, 11);
    s.Ustaw(1, 22);
    std::int32_t& a = s.Zwroc(0);
    std::int32_t& b = s.Zwroc(1);
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(a, 22);

    // A read past the stored data, or before it, leaves the scratch element alone.
    EXPECT_EQ(s.Zwroc(1000), 22);
    s.UstawZakres(-5, 0);
    EXPECT_EQ(s.Zwroc(0), 22);
    s.UstawZakres(0, 0);

    // A changed scratch element written back lands where it is written.
    std::int32_t& e = s.Zwroc(0);
    e = 33;
    s.Ustaw(2, e);
    EXPECT_EQ(s.Zwroc(2), 33);
    EXPECT_EQ(s.Zwroc(0), 11);
}

TEST(Vartostream, NegativeWriteIsIgnored)
{
    TIntStrumien s;
    s.UstawDlugosc(1);
    s.Ustaw(0, 5);
    s.Ustaw(-1, 9);
    EXPECT_EQ(s.Zwroc(0), 5);
}

TEST(Vartostream, PointIsTwoPackedFloatsXFirst)
{
    TFltFltStrumien s;
    s.UstawDlugosc(1);
    s.Ustaw(0, TPunkt{1.5f, -2.0f});
    TPunkt p = s.Zwroc(0);
    float surowe[2];
    std::memcpy(surowe, &p, sizeof surowe);
    EXPECT_EQ(surowe[0], 1.5f);
    EXPECT_EQ(surowe[1], -2.0f);
    EXPECT_EQ(s.ZwrocRozmiarElementu(), 8);
}

TEST(Vartostream, NameAndHintsAfterConstruction)
{
    TFltFltStrumien s;
    EXPECT_EQ(s.ZwrocNazwe(), "");
    EXPECT_EQ(s.ZwrocPoczatek(), 0);
    EXPECT_EQ(s.ZwrocKoniec(), 0);
    s.UstawNazwe("Sygnał MLT3");
    EXPECT_EQ(s.ZwrocNazwe(), "Sygnał MLT3");
}
