#include "TekstJson.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// Doubles of a whole value up to this magnitude are written as integers.
constexpr double NajwiekszaCalkowita = 9007199254740992.0; // 2^53

void Calkowita(std::string& tekst, long long n)
{
    char bufor[24];
    const auto koniec = std::to_chars(bufor, bufor + sizeof bufor, n).ptr;
    tekst.append(bufor, koniec);
}

// The shortest digits of d laid out as fixed or scientific notation, whichever text is
// shorter (fixed on a tie); the exponent has at least two digits.
void Rzeczywista(std::string& tekst, double d)
{
    if (!std::isfinite(d)) {
        tekst += "null";
        return;
    }
    // As a float, "-0.0" reads back with its sign; a whole-number "0" would not.
    if (d == 0.0 && std::signbit(d)) {
        tekst += "-0.0";
        return;
    }
    if (std::trunc(d) == d && std::fabs(d) < NajwiekszaCalkowita) {
        Calkowita(tekst, static_cast<long long>(d));
        return;
    }
    char bufor[32];
    const std::string naukowy(bufor, std::to_chars(bufor, bufor + sizeof bufor, d, std::chars_format::scientific).ptr);
    std::string_view v = naukowy;
    std::string staly;
    if (v.front() == '-') {
        staly = "-";
        v.remove_prefix(1);
    }
    const auto e = v.find('e');
    std::string cyfry;
    for (const char c : v.substr(0, e))
        if (c != '.')
            cyfry += c;
    int wykladnik = 0;
    std::from_chars(v.data() + e + (v[e + 1] == '+' ? 2 : 1), v.data() + v.size(), wykladnik);
    if (wykladnik >= 0) {
        const auto calkowite = static_cast<std::size_t>(wykladnik) + 1;
        if (cyfry.size() <= calkowite) {
            staly += cyfry;
            staly.append(calkowite - cyfry.size(), '0');
        } else {
            staly += cyfry.substr(0, calkowite);
            staly += '.';
            staly += cyfry.substr(calkowite);
        }
    } else {
        staly += "0.";
        staly.append(static_cast<std::size_t>(-wykladnik - 1), '0');
        staly += cyfry;
    }
    tekst += naukowy.size() < staly.size() ? naukowy : staly;
}

void Napis(std::string& tekst, const std::string& s)
{
    tekst += '"';
    for (const char c : s) {
        switch (c) {
        case '"':
            tekst += "\\\"";
            break;
        case '\\':
            tekst += "\\\\";
            break;
        case '\b':
            tekst += "\\b";
            break;
        case '\f':
            tekst += "\\f";
            break;
        case '\n':
            tekst += "\\n";
            break;
        case '\r':
            tekst += "\\r";
            break;
        case '\t':
            tekst += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char kod[8];
                std::snprintf(kod, sizeof kod, "\\u%04x", static_cast<unsigned>(c));
                tekst += kod;
            } else {
                tekst += c;
            }
        }
    }
    tekst += '"';
}

void Wartosc(std::string& tekst, const nlohmann::json& w)
{
    using nlohmann::json;
    switch (w.type()) {
    case json::value_t::object: {
        tekst += '{';
        bool pierwszy = true;
        for (const auto& [klucz, element] : w.items()) {
            if (!pierwszy)
                tekst += ',';
            pierwszy = false;
            Napis(tekst, klucz);
            tekst += ':';
            Wartosc(tekst, element);
        }
        tekst += '}';
        break;
    }
    case json::value_t::array: {
        tekst += '[';
        bool pierwszy = true;
        for (const json& element : w) {
            if (!pierwszy)
                tekst += ',';
            pierwszy = false;
            Wartosc(tekst, element);
        }
        tekst += ']';
        break;
    }
    case json::value_t::string:
        Napis(tekst, w.get_ref<const std::string&>());
        break;
    case json::value_t::boolean:
        tekst += w.get<bool>() ? "true" : "false";
        break;
    case json::value_t::number_integer:
        Calkowita(tekst, w.get<long long>());
        break;
    case json::value_t::number_unsigned: {
        char bufor[24];
        tekst.append(bufor, std::to_chars(bufor, bufor + sizeof bufor, w.get<unsigned long long>()).ptr);
        break;
    }
    case json::value_t::number_float:
        Rzeczywista(tekst, w.get<double>());
        break;
    default:
        tekst += "null";
        break;
    }
}

} // namespace

std::string TekstJson(const nlohmann::json& wartosc)
{
    std::string tekst;
    Wartosc(tekst, wartosc);
    return tekst;
}
