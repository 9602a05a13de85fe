#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "PlikBitow.h"

TEST(PlikBitow, BitsInOrderAndEveryFaultInOneLine)
{
    const auto folder = std::filesystem::temp_directory_path() / ("lintavox-bity-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::string blad;
    std::ofstream(folder / "dobre.txt") << "01 1\n\t0\r\n";
    EXPECT_EQ(WczytajBity(folder / "dobre.txt", blad), (std::vector<std::int32_t>{0, 1, 1, 0}));

    std::ofstream(folder / "zle.txt") << "0102";
    EXPECT_FALSE(WczytajBity(folder / "zle.txt", blad).has_value());
    EXPECT_EQ(blad, "holds a character other than 0, 1 and white space");
    // A folder once read as no bits at all.
    EXPECT_FALSE(WczytajBity(folder, blad).has_value());
    EXPECT_EQ(blad, "is a directory, not a regular file");
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(WczytajBity(folder / "fifo", blad).has_value());
    EXPECT_EQ(blad, "is a FIFO, not a regular file");
    std::filesystem::resize_file(folder / "zle.txt", MaksBajtowPlikuBitow + 1);
    EXPECT_FALSE(WczytajBity(folder / "zle.txt", blad).has_value());
    EXPECT_EQ(blad.rfind("is 4194305 bytes, more than", 0), 0u) << blad;
    std::filesystem::remove_all(folder);
}
