#include "ZapisAtomowy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

#include "OdczytPliku.h"

namespace {

std::string OpisBledu(int numer)
{
    return std::error_code(numer, std::generic_category()).message();
}

std::string Blad(const std::filesystem::path& plik, const std::string& powod)
{
    return plik.string() + ": " + powod;
}

// Writes all of dane, then flushes it to the disk.
bool ZapiszWszystko(int deskryptor, std::string_view dane)
{
    while (!dane.empty()) {
        const ssize_t n = ::write(deskryptor, dane.data(), dane.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        dane.remove_prefix(static_cast<std::size_t>(n));
    }
    return ::fsync(deskryptor) == 0;
}

// A new file beside cel under a name no one else uses; -1 when none can be made.
int UtworzTymczasowy(const std::filesystem::path& cel, std::filesystem::path& tymczasowy)
{
    std::random_device zrodlo;
    for (int proba = 0; proba < 100; ++proba) {
        char przyrostek[16];
        std::snprintf(przyrostek, sizeof przyrostek, ".%08x~", static_cast<unsigned>(zrodlo()));
        tymczasowy = cel.parent_path() / ("." + cel.filename().string() + przyrostek);
        const int d = ::open(tymczasowy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (d >= 0 || errno != EEXIST)
            return d;
    }
    return -1;
}

void ZsynchronizujFolder(const std::filesystem::path& folder)
{
    const int d = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d >= 0) {
        ::fsync(d);
        ::close(d);
    }
}

} // namespace

TZapisAtomowy::~TZapisAtomowy()
{
    if (Zatwierdzony)
        return;
    for (const TPlik& p : Pliki)
        ::unlink(p.Tymczasowy.c_str());
    for (auto f = Foldery.rbegin(); f != Foldery.rend(); ++f)
        ::rmdir(f->c_str());
}

std::string TZapisAtomowy::UtworzFolder(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> brakujace;
    for (std::filesystem::path f = std::filesystem::absolute(folder).lexically_normal(); !f.empty();
         f = f.parent_path()) {
        struct stat stan {};
        if (::stat(f.c_str(), &stan) == 0) {
            if (!S_ISDIR(stan.st_mode))
                return Blad(f, "is not a folder");
            break;
        }
        // Missing, or under a file: which of its parents is in the way tells.
        if (errno != ENOENT && errno != ENOTDIR)
            return Blad(f, "cannot be looked at: " + OpisBledu(errno));
        brakujace.push_back(f);
        if (f == f.parent_path())
            break;
    }
    for (auto f = brakujace.rbegin(); f != brakujace.rend(); ++f) {
        if (::mkdir(f->c_str(), 0777) != 0)
            return Blad(*f, "cannot be made: " + OpisBledu(errno));
        Foldery.push_back(*f);
    }
    return {};
}

std::string TZapisAtomowy::Dodaj(const std::filesystem::path& plik, std::string_view dane)
{
    std::filesystem::path cel = std::filesystem::absolute(plik).lexically_normal();
    struct stat stan {};
    const bool istnieje = ::stat(cel.c_str(), &stan) == 0;
    if (istnieje && !S_ISREG(stan.st_mode))
        return Blad(plik, "is " + RodzajNieZwyklegoPliku(cel) + ", not a regular file");
    // A link stays a link: its target is the file replaced.
    std::error_code blad;
    if (istnieje && std::filesystem::is_symlink(cel, blad))
        cel = std::filesystem::canonical(cel, blad);
    if (blad)
        return Blad(plik, "cannot be resolved: " + blad.message());
    if (std::any_of(Pliki.begin(), Pliki.end(), [&](const TPlik& p) { return p.Cel == cel; }))
        return Blad(plik, "is named for two outputs");

    TPlik nowy{cel, {}};
    const int d = UtworzTymczasowy(cel, nowy.Tymczasowy);
    if (d < 0)
        return Blad(plik, "cannot be written in its folder: " + OpisBledu(errno));
    int numer = 0;
    if ((istnieje && ::fchmod(d, stan.st_mode & 07777) != 0) || !ZapiszWszystko(d, dane))
        numer = errno;
    if (::close(d) != 0 && numer == 0)
        numer = errno;
    if (numer != 0) {
        ::unlink(nowy.Tymczasowy.c_str());
        return Blad(plik, "cannot be written: " + OpisBledu(numer));
    }
    Pliki.push_back(std::move(nowy));
    return {};
}

std::string TZapisAtomowy::Zatwierdz()
{
    for (std::size_t i = 0; i < Pliki.size(); ++i) {
        if (std::rename(Pliki[i].Tymczasowy.c_str(), Pliki[i].Cel.c_str()) != 0) {
            const std::string powod = OpisBledu(errno);
            // Those renamed stay; the destructor removes the temporaries still left.
            Pliki.erase(Pliki.begin(), Pliki.begin() + static_cast<std::ptrdiff_t>(i));
            return Blad(Pliki.front().Cel, "cannot be replaced: " + powod);
        }
    }
    for (const TPlik& p : Pliki)
        ZsynchronizujFolder(p.Cel.parent_path());
    Zatwierdzony = true;
    return {};
}
