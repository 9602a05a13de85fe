#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <nlohmann/json.hpp>

#include "TekstJson.h"

using nlohmann::json;

TEST(TekstJson, NumbersAreTheShortestTextThatReadsBack)
{
    const std::pair<double, const char*> przypadki[] = {
        {0.0, "0"},
        {-0.0, "-0.0"}, // a zero keeps its sign: floats read back bit for bit
        {100.0, "100"},
        {-2.0999999046325684, "-2.0999999046325684"},
        {0.00031242973636835814, "0.00031242973636835814"}, // fixed and scientific equally long: fixed
        {0.0001, "1e-04"},                                   // scientific is shorter
        {1.0436429874971509e-05, "1.0436429874971509e-05"},
        {5e-324, "5e-324"},
        {9007199254740992.0, "9007199254740992"},
        {1.2345678901234568e+17, "123456789012345680"}, // past 2^53: shortest digits, then zeros
        {1e21, "1e+21"},
        {883781414077969.38, "883781414077969.4"},
        {std::numeric_limits<double>::infinity(), "null"},
        {std::nan(""), "null"},
    };
    for (const auto& [liczba, tekst] : przypadki)
        EXPECT_EQ(TekstJson(json(liczba)), tekst) << liczba;
    for (double x = 1e-9; x < 1e9; x *= 1.37)
        EXPECT_EQ(json::parse(TekstJson(json(x))).get<double>(), x);
}

TEST(TekstJson, ObjectsInKeyOrderStringsEscapedAsUtf8)
{
    const json dokument = {{"b", {1, true, nullptr}}, {"a", "Sygnał \"A\"\\\n\x01"}, {"c", json::object()}};
    EXPECT_EQ(TekstJson(dokument), "{\"a\":\"Sygnał \\\"A\\\"\\\\\\n\\u0001\",\"b\":[1,true,null],\"c\":{}}");
    EXPECT_EQ(json::parse(TekstJson(dokument)), dokument);
}
