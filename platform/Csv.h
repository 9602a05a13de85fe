// Cells of comma-separated values as RFC 4180 writes them: the one place that quotes and
// splits them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The cell as written: quoted, its quotes doubled, when it holds a comma, a quote or a line break.
std::string PoleCsv(std::string_view tekst);
// The cells parted by commas and the line ended with '\n'.
std::string LiniaCsv(const std::vector<std::string>& komorki);
// The cells of one line (without its line break); empty when a quote is left open or a
// quoted cell runs on into other text.
std::optional<std::vector<std::string>> KomorkiCsv(std::string_view linia);
