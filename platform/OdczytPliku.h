// Reading the program's input files safely: only a regular file is opened, its size is
// checked against what its format can hold before a byte is read, and every failure
// comes back as one line of text instead of an exception or a blocked call.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

enum class TBladOdczytu {
    Brak,      // read
    Dostep,    // missing, not permitted, or an I/O error
    NieZwykly, // a directory, FIFO, device or socket: never opened
    ZaDuzy,    // more bytes than the format can hold
};

struct TOdczytPliku {
    TBladOdczytu Blad = TBladOdczytu::Brak;
    std::string Powod; // when Blad is set: one English line, "is a directory, not a regular file"
    std::string Dane;  // the bytes read
};

// The whole of plik, which must be a regular file of at most maksBajtow bytes.
TOdczytPliku CzytajPlik(const std::filesystem::path& plik, std::uintmax_t maksBajtow);

// The first ileBajtow bytes of the regular file plik, or all of a shorter one.
TOdczytPliku CzytajPoczatekPliku(const std::filesystem::path& plik, std::uintmax_t ileBajtow);

// What an existing path that is not a regular file is ("a directory", "a FIFO", ...);
// empty for a regular file and for a path where nothing exists.
std::string RodzajNieZwyklegoPliku(const std::filesystem::path& plik);

// True when both paths exist and are one file (the same device and inode), through
// links of either kind.
bool TenSamPlik(const std::filesystem::path& a, const std::filesystem::path& b);
