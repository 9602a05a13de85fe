// Settings and results of a run as JSON: the one reader and writer that the command
// line, saved analyses and other callers share.
#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "Symulacja.h"

// The "settings" object: every setting, where the inputs came from, the four point lists.
nlohmann::json UstawieniaJson(const TUstawieniaSymulacji& u);

// The settings of a run as the head of its documents: "standard" and "settings", which a
// result document begins with and UstawieniaZJson reads.
nlohmann::json AnalizaJson(const TUstawieniaSymulacji& u);

// The whole result document: the standard, the settings as run, every figure and, with
// strumienie, every stream (without them a long run's document stays small).
nlohmann::json WynikJson(const TWynikSymulacji& w, bool strumienie = true);

// Settings from a result document (or one holding "standard" and "settings" alone).
// Every setting is checked as SprawdzUstawienia checks it, bit counts up to maksBitow; on
// any fault the return is empty and blad says which field and why. Settings that earlier
// documents lack (the impairments) take their defaults.
std::optional<TUstawieniaSymulacji> UstawieniaZJson(const nlohmann::json& dokument, std::string& blad,
                                                    std::int32_t maksBitow = LiczbaBitowMaxWiersza);

// A setting's name in the "settings" object ("rate", "jitter_ps", "bits_file", …).
const char* NazwaPolaJson(TPoleUstawien pole);

// The source's name in the JSON and on the command line: random, zeros, ones, prbs7, ...
const char* NazwaZrodla(TZrodloBitow zrodlo);
std::optional<TZrodloBitow> ZrodloZNazwy(const std::string& nazwa);
// Every source name, for messages: "random, zeros, ones, prbs7, prbs9, prbs15, prbs23 or prbs31".
std::string NazwyZrodel();
