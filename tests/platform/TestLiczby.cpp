#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "Liczby.h"

namespace {

class Separator : public ::testing::Test {
protected:
    void TearDown() override { UstawSeparatorDziesietny('.'); }
};

} // namespace

TEST_F(Separator, FixedDecimalsWithTheLocaleSeparator)
{
    UstawSeparatorDziesietny(',');
    EXPECT_EQ(FormatujStalo(100.0, 3), "100,000");
    EXPECT_EQ(FormatujStalo(21.6, 3), "21,600");
    EXPECT_EQ(FormatujStalo(-0.0004, 3), "0,000");
    EXPECT_EQ(FormatujStalo(2.75, 1), "2,8");
    UstawSeparatorDziesietny('.');
    EXPECT_EQ(FormatujStalo(0.3, 1), "0.3");
    // Only 15 significant digits survive: binary noise of a float sum never shows.
    EXPECT_EQ(FormatujStalo(0.1 + 0.2, 17), "0.30000000000000000");
    EXPECT_EQ(FormatujStalo(1e20, 0), "100000000000000000000");
    EXPECT_EQ(FormatujStalo(-6.642828217051379662848e21, 1), "-6642828217051380000000.0");
    EXPECT_EQ(FormatujStalo(123456789.123456789, 9), "123456789.123457000");
    EXPECT_EQ(FormatujStalo(0.0, 2), "0.00");
}

TEST_F(Separator, ScientificWithSuperscriptPowers)
{
    UstawSeparatorDziesietny(',');
    EXPECT_EQ(FormatujNaukowo(3e-3, 1), "3,0×10⁻³");
    EXPECT_EQ(FormatujNaukowo(6.19e-4, 1), "6,2×10⁻⁴");
    // Rounding carries into the power.
    EXPECT_EQ(FormatujNaukowo(9.96e-4, 1), "1,0×10⁻³");
    EXPECT_EQ(FormatujNaukowo(2.9957e10, 1), "3,0×10¹⁰");
    EXPECT_EQ(FormatujNaukowo(1.15e-21, 2), "1,15×10⁻²¹");
    EXPECT_EQ(FormatujNaukowo(4.5, 1), "4,5");
    EXPECT_EQ(FormatujNaukowo(0.0, 1), "0");
    UstawSeparatorDziesietny('.');
    EXPECT_EQ(FormatujNaukowo(8.75e-300, 0), "9×10⁻³⁰⁰");
    EXPECT_EQ(FormatujNaukowo(-2e5, 1), "-2.0×10⁵");
}

TEST_F(Separator, EnglishTextsAlwaysTakeAPoint)
{
    UstawSeparatorDziesietny(',');
    EXPECT_EQ(FormatujStalo(98.75, 3, TJezyk::Angielski), "98.750");
    EXPECT_EQ(FormatujStalo(98.75, 3, TJezyk::Polski), "98,750");
    EXPECT_EQ(FormatujNaukowo(6.19e-4, 1, TJezyk::Angielski), "6.2×10⁻⁴");
    EXPECT_EQ(FormatujNaukowo(6.19e-4, 1, TJezyk::Polski), "6,2×10⁻⁴");
    EXPECT_EQ(FormatujNaukowo(-std::numeric_limits<double>::infinity(), 1, TJezyk::Angielski), "-INF");
    EXPECT_EQ(SeparatorDziesietny(TJezyk::Polski), ',');
    UstawSeparatorDziesietny('.');
    EXPECT_EQ(FormatujStalo(2.5, 1, TJezyk::Polski), "2.5");
    EXPECT_EQ(SeparatorDziesietny(TJezyk::Angielski), '.');
}

TEST_F(Separator, PowersInSuperscript)
{
    EXPECT_EQ(FormatujWykladnik(7), "⁷");
    EXPECT_EQ(FormatujWykladnik(28), "²⁸");
    EXPECT_EQ(FormatujWykladnik(-10), "⁻¹⁰");
    EXPECT_EQ(FormatujWykladnik(0), "⁰");
}

// A field's text read back gives the very value it was made from.
TEST_F(Separator, ExactTextReadsBackToTheSameDouble)
{
    UstawSeparatorDziesietny(',');
    EXPECT_EQ(FormatujDokladnie(20.0), "20");
    EXPECT_EQ(FormatujDokladnie(-12.5), "-12,5");
    EXPECT_EQ(FormatujDokladnie(0.1), "0,1");
    EXPECT_EQ(FormatujDokladnie(1e-7), "0,0000001");
    for (double x : {0.1 + 0.2, 1.0 / 3.0, 2.5e-12, -19.999999999999996, 1e300, 4.9e-324, 12345.678901234567})
        EXPECT_EQ(ParsujLiczbe(FormatujDokladnie(x)), x) << FormatujDokladnie(x);
}

TEST_F(Separator, ParsingAcceptsBothSeparatorsAndRejectsJunk)
{
    UstawSeparatorDziesietny(',');
    EXPECT_EQ(ParsujLiczbe("21,6"), 21.6);
    EXPECT_EQ(ParsujLiczbe(" -3.5 "), -3.5);
    EXPECT_EQ(ParsujLiczbe("+7"), 7.0);
    for (const char* zly : {"", " ", "abc", "1,2,3", "1e999", "nan", "5 x"})
        EXPECT_FALSE(ParsujLiczbe(zly).has_value()) << zly;

    EXPECT_EQ(ParsujCalkowita("1000"), 1000);
    EXPECT_EQ(ParsujCalkowita(" -12 "), -12);
    for (const char* zly : {"", "1.5", "12a", "99999999999", "--1"})
        EXPECT_FALSE(ParsujCalkowita(zly).has_value()) << zly;
    EXPECT_EQ(FormatujCalkowita(7200000000LL), "7200000000");
}

TEST_F(Separator, DataFilesKeepTheDotAndEveryBit)
{
    UstawSeparatorDziesietny(',');
    EXPECT_EQ(FormatujDoPliku(0.1f), "0.1");
    EXPECT_EQ(FormatujDoPliku(-2.5f), "-2.5");
    for (float f : {1.0f / 3.0f, 1e-30f, 123456.789f, -7.5e12f})
        EXPECT_EQ(std::stof(FormatujDoPliku(f)), f);
}

TEST_F(Separator, DataFileNumbersTakeTheDotOnly)
{
    UstawSeparatorDziesietny(',');
    EXPECT_EQ(ParsujLiczbeZPliku("1.5E+03"), 1500.0);
    EXPECT_EQ(ParsujLiczbeZPliku("+2"), 2.0);
    EXPECT_EQ(ParsujLiczbeZPliku("-.25"), -0.25);
    EXPECT_EQ(ParsujLiczbeZPliku("7e-1"), 0.7);
    for (const char* zly : {"", "1,5", " 1", "1 ", "inf", "-inf", "nan", "+", "-", "1e", "0x10", "1.2.3", "e5"})
        EXPECT_FALSE(ParsujLiczbeZPliku(zly).has_value()) << zly;
}
