// CSV cells: quoted only when they must be, and read back to what was written.
#include <gtest/gtest.h>

#include "Csv.h"

namespace {

TEST(Csv, QuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(PoleCsv("100BaseTX (bez 4B5B)"), "100BaseTX (bez 4B5B)");
    EXPECT_EQ(PoleCsv("a,b"), "\"a,b\"");
    EXPECT_EQ(PoleCsv("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(PoleCsv("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(LiniaCsv({"rate", "", "1e-05"}), "rate,,1e-05\n");
}

TEST(Csv, ReadsBackWhatItWrites)
{
    const std::vector<std::string> komorki{"", "x", "a,b", "\"q\"", "", "end"};
    std::string linia = LiniaCsv(komorki);
    linia.pop_back();
    EXPECT_EQ(KomorkiCsv(linia), komorki);
    EXPECT_EQ(KomorkiCsv(""), std::vector<std::string>{""});
    EXPECT_EQ(KomorkiCsv("a,\"\",b"), (std::vector<std::string>{"a", "", "b"}));
}

TEST(Csv, RefusesBrokenQuoting)
{
    EXPECT_FALSE(KomorkiCsv("\"open"));
    EXPECT_FALSE(KomorkiCsv("\"closed\"tail,x"));
}

} // namespace
