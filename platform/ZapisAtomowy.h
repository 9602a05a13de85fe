// Output files that appear together or not at all: each is written to a temporary in its
// own folder and flushed to disk, and only when every one succeeded are they renamed over
// their names. A set dropped before that leaves nothing behind, not even the folders it made.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class TZapisAtomowy {
public:
    TZapisAtomowy() = default;
    TZapisAtomowy(const TZapisAtomowy&) = delete;
    TZapisAtomowy& operator=(const TZapisAtomowy&) = delete;
    // Unless committed: removes the temporaries, then the folders the set made.
    ~TZapisAtomowy();

    // Makes folder and its missing parents. Returns empty, or one English line naming
    // the path and why (for example, it is a file).
    std::string UtworzFolder(const std::filesystem::path& folder);

    // Writes dane to a temporary beside plik. plik may not exist yet, or be a regular
    // file (its permissions are kept) or a link to one (the link is kept); anything else,
    // and a name the set already holds, is refused. Returns empty or the one-line reason.
    std::string Dodaj(const std::filesystem::path& plik, std::string_view dane);

    // Renames every temporary over its name, in the order added. Returns empty, or the
    // reason the first rename failed (the files renamed before it stay).
    std::string Zatwierdz();

private:
    struct TPlik {
        std::filesystem::path Cel;
        std::filesystem::path Tymczasowy;
    };
    std::vector<TPlik> Pliki;
    std::vector<std::filesystem::path> Foldery; // made by the set, outermost first
    bool Zatwierdzony = false;
};
