// JSON as compact text: keys in order, every number as the shortest text that reads
// back to the same double, whole numbers without a fraction (a negative zero as -0.0, so
// that it keeps its sign), non-finite ones as null. Documents are written this way so
// that the same run gives the same text, which scripts compare.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

std::string TekstJson(const nlohmann::json& wartosc);
