#include "OdczytPliku.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace {

std::string OpisBledu(int numer)
{
    return std::error_code(numer, std::generic_category()).message();
}

std::string Rodzaj(mode_t tryb)
{
    if (S_ISDIR(tryb))
        return "a directory";
    if (S_ISFIFO(tryb))
        return "a FIFO";
    if (S_ISCHR(tryb))
        return "a character device";
    if (S_ISBLK(tryb))
        return "a block device";
    if (S_ISSOCK(tryb))
        return "a socket";
    return "a special file";
}

TOdczytPliku Blad(TBladOdczytu blad, std::string powod)
{
    TOdczytPliku wynik;
    wynik.Blad = blad;
    wynik.Powod = std::move(powod);
    return wynik;
}

// Why a file of this status cannot be read; Brak when it can.
TOdczytPliku Sprawdz(const struct stat& stan, std::uintmax_t limit, bool calosc)
{
    if (!S_ISREG(stan.st_mode))
        return Blad(TBladOdczytu::NieZwykly, "is " + Rodzaj(stan.st_mode) + ", not a regular file");
    const auto rozmiar = static_cast<std::uintmax_t>(stan.st_size);
    if (calosc && rozmiar > limit)
        return Blad(TBladOdczytu::ZaDuzy, "is " + std::to_string(rozmiar) + " bytes, more than the " +
                                              std::to_string(limit) + " a file of its kind can hold");
    return {};
}

// Closes the descriptor whatever way the reading ends.
struct TDeskryptor {
    int Numer;
    ~TDeskryptor()
    {
        if (Numer >= 0)
            ::close(Numer);
    }
};

TOdczytPliku Czytaj(const std::filesystem::path& plik, std::uintmax_t limit, bool calosc)
{
    // The path is looked at before it is opened: opening a FIFO would wait for a writer.
    struct stat stan {};
    if (::stat(plik.c_str(), &stan) != 0)
        return Blad(TBladOdczytu::Dostep, "cannot be opened: " + OpisBledu(errno));
    if (TOdczytPliku wada = Sprawdz(stan, limit, calosc); wada.Blad != TBladOdczytu::Brak)
        return wada;

    // Non-blocking all the same, and checked again: the path may have changed in between.
    const TDeskryptor d{::open(plik.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (d.Numer < 0)
        return Blad(TBladOdczytu::Dostep, "cannot be opened: " + OpisBledu(errno));
    if (::fstat(d.Numer, &stan) != 0)
        return Blad(TBladOdczytu::Dostep, "cannot be read: " + OpisBledu(errno));
    if (TOdczytPliku wada = Sprawdz(stan, limit, calosc); wada.Blad != TBladOdczytu::Brak)
        return wada;

    // One byte past the limit tells a file that grew since it was looked at.
    const std::uintmax_t doPrzeczytania = calosc ? limit + 1 : limit;
    TOdczytPliku wynik;
    wynik.Dane.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(
        doPrzeczytania, static_cast<std::uintmax_t>(stan.st_size) + 1)));
    std::size_t przeczytane = 0;
    while (przeczytane < doPrzeczytania) {
        if (przeczytane == wynik.Dane.size())
            wynik.Dane.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(doPrzeczytania, 2 * przeczytane)));
        const ssize_t n = ::read(d.Numer, wynik.Dane.data() + przeczytane, wynik.Dane.size() - przeczytane);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Blad(TBladOdczytu::Dostep, "cannot be read: " + OpisBledu(errno));
        if (n == 0)
            break;
        przeczytane += static_cast<std::size_t>(n);
    }
    if (calosc && przeczytane > limit)
        return Blad(TBladOdczytu::ZaDuzy,
                    "grew past the " + std::to_string(limit) + " bytes a file of its kind can hold while it was read");
    wynik.Dane.resize(przeczytane);
    return wynik;
}

} // namespace

TOdczytPliku CzytajPlik(const std::filesystem::path& plik, std::uintmax_t maksBajtow)
{
    return Czytaj(plik, maksBajtow, true);
}

TOdczytPliku CzytajPoczatekPliku(const std::filesystem::path& plik, std::uintmax_t ileBajtow)
{
    return Czytaj(plik, ileBajtow, false);
}

std::string RodzajNieZwyklegoPliku(const std::filesystem::path& plik)
{
    struct stat stan {};
    if (::stat(plik.c_str(), &stan) != 0 || S_ISREG(stan.st_mode))
        return {};
    return Rodzaj(stan.st_mode);
}

bool TenSamPlik(const std::filesystem::path& a, const std::filesystem::path& b)
{
    struct stat sa {};
    struct stat sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
        sa.st_ino == sb.st_ino;
}
