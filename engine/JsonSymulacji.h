// Settings and results of a run as JSON: the one reader and writer that the command
// line, saved analyses and other callers share.
#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "Symulacja.h"

// The "settings" object: every setting, where the inputs came from, the four point lists.
nlohmann::json UstawieniaJson(const TUstawieniaSymulacji& u);

// The whole result document: the standard, the settings as run, every figure, every stream.
nlohmann::json WynikJson(const TWynikSymulacji& w);

// Settings from a result document (or one holding "standard" and "settings" alone).
// Every setting is checked as SprawdzUstawienia checks it; on any fault the return is
// empty and blad says which field and why.
std::optional<TUstawieniaSymulacji> UstawieniaZJson(const nlohmann::json& dokument, std::string& blad);

// The source's name in the JSON and on the command line: random, zeros, ones.
const char* NazwaZrodla(TZrodloBitow zrodlo);
std::optional<TZrodloBitow> ZrodloZNazwy(const std::string& nazwa);
