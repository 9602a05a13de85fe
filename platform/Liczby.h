// The one place that formats and parses numbers: fixed decimals with the locale's
// decimal separator, as every label, list and text of the program shows them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The language of a text written for a user: Polish, the program's own, or English.
enum class TJezyk { Polski, Angielski };

// The decimal separator in use; '.' until the program sets the locale's one at start-up.
char SeparatorDziesietny();
void UstawSeparatorDziesietny(char separator);
// The separator of a sentence in jezyk: Polish ones keep the separator in use (the
// locale's, a comma on a Polish desktop), English ones always take a point.
char SeparatorDziesietny(TJezyk jezyk);

// wartosc rounded to 15 significant digits, written with exactly miejsca decimals.
std::string FormatujStalo(double wartosc, int miejsca, TJezyk jezyk = TJezyk::Polski);
// wartosc as a mantissa with miejsca decimals times a power of ten written in superscript
// digits ("3,0×10⁻³"; the power left out when it is 0); 0 as "0".
std::string FormatujNaukowo(double wartosc, int miejsca, TJezyk jezyk = TJezyk::Polski);
// A whole number in superscript digits, for powers in labels ("⁻³", "²⁸").
std::string FormatujWykladnik(std::int64_t wartosc);
// The shortest fixed-point text that ParsujLiczbe reads back to the very same double, with
// the separator in use: a field that shows a setting exactly as it was given.
std::string FormatujDokladnie(double wartosc);
// The shortest text that reads back to the same float, always with '.': for data files.
std::string FormatujDoPliku(float wartosc);
// A whole number as text.
std::string FormatujCalkowita(std::int64_t wartosc);

// Text to a finite number; accepts the separator in use and '.', with surrounding blanks.
std::optional<double> ParsujLiczbe(std::string_view tekst);
// Text of a data file to a finite number: '.' only, whatever the locale, an optional sign
// and exponent ("-1.5E+03"); nothing else, not even blanks.
std::optional<double> ParsujLiczbeZPliku(std::string_view tekst);
// Text to a 32-bit integer: an optional sign and digits only, with surrounding blanks.
std::optional<std::int32_t> ParsujCalkowita(std::string_view tekst);
