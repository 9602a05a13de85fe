// JSON as compact text: keys in order, every number as the shortest text that reads
// back to the same double, whole numbers without a fraction, non-finite ones as null.
// The result files of earlier releases were written this way, and scripts compare them.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

std::string TekstJson(const nlohmann::json& wartosc);
