#include "ReferencjaKanalu.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

float Plus(float suma, double skladnik)
{
    return static_cast<float>(static_cast<double>(suma) + skladnik);
}

} // namespace

TFiltrReferencyjny FiltrReferencyjny(const std::vector<TPunkt>& punkty, float R)
{
    TFiltrReferencyjny f;
    f.A = std::max(500, static_cast<std::int32_t>(15.0 * R));
    f.M = f.A % 2 == 1 ? f.A : f.A + 1;
    const auto fMax = static_cast<float>(0.4 * f.A);

    f.Punkty = punkty;
    const std::size_t n = punkty.size();
    const TPunkt a = punkty[n - 2];
    const TPunkt b = punkty[n - 1];
    const float yZamkniecia =
        b.Y > 0.0f ? b.Y
                   : static_cast<float>(b.Y + (double(b.Y) - a.Y) / (std::log10(double(b.X)) - std::log10(double(a.X))) *
                                                  (std::log10(double(fMax)) - std::log10(double(b.X))));
    f.Punkty.push_back(TPunkt{fMax, yZamkniecia});

    const auto N = static_cast<std::int32_t>(20.0 * f.Punkty.back().X);
    f.Widmo.assign(static_cast<std::size_t>(N), 0.0f);
    std::int64_t i = 0;
    for (std::size_t j = 0; j < f.Punkty.size(); ++j) {
        const TPunkt p = f.Punkty[j];
        while (static_cast<long double>(i) * 0.05L <= p.X) {
            const double x = static_cast<double>(static_cast<long double>(i) * 0.05L);
            double g;
            if (j == 0) {
                g = p.Y;
            } else {
                const TPunkt q = f.Punkty[j - 1];
                if (p.Y == q.Y)
                    g = p.Y;
                else if (j == 1)
                    g = q.Y + (double(p.Y) - q.Y) / (double(p.X) - q.X) * (x - q.X);
                else
                    g = q.Y + (double(p.Y) - q.Y) / (std::log10(double(p.X)) - std::log10(double(q.X))) *
                                  (std::log10(x) - std::log10(double(q.X)));
            }
            const double amplituda = std::pow(10.0, 0.05 * g);
            f.SumaAmplitud = Plus(f.SumaAmplitud, amplituda);
            if (i < N)
                f.Widmo[static_cast<std::size_t>(i)] = static_cast<float>(amplituda);
            ++i;
        }
    }

    const std::int32_t polowa = (f.M - 1) / 2;
    const auto h = [&](double t) {
        float s = 0.0f;
        for (std::int32_t k = 0; k < N; ++k)
            s = Plus(s, double(f.Widmo[static_cast<std::size_t>(k)]) * std::cos(2.0 * std::numbers::pi * 0.05 * k * t));
        return static_cast<float>(double(s) / f.SumaAmplitud);
    };
    const float srodek = h(0.0);
    for (std::int32_t k = 0; k < f.M; ++k) {
        const float y = static_cast<float>(double(h(double(k - polowa) / f.A)) / srodek);
        f.Odczepy.push_back(y);
        f.SumaOdczepow = Plus(f.SumaOdczepow, y);
    }
    return f;
}

std::vector<TPunkt> CharakterystykaReferencyjna(const TFiltrReferencyjny& filtr)
{
    const std::int32_t polowa = (filtr.M - 1) / 2;
    const auto K = static_cast<std::int32_t>(filtr.Punkty[filtr.Punkty.size() - 2].X * 20.0 * 2.0);
    std::vector<TPunkt> wynik;
    for (std::int32_t i = 0; i < K; ++i) {
        const double f = 0.05 * i;
        float s = 0.0f;
        for (std::int32_t k = 0; k < filtr.M; ++k) {
            const double t = double(k - polowa) / filtr.A;
            s = Plus(s, double(filtr.Odczepy[static_cast<std::size_t>(k)]) * std::cos(2.0 * std::numbers::pi * f * t));
        }
        const double H = std::fabs(s);
        wynik.push_back(TPunkt{static_cast<float>(f),
                               static_cast<float>(20.0 * std::log10(H * filtr.Widmo[0] / filtr.SumaOdczepow))});
    }
    return wynik;
}

std::vector<float> SplotReferencyjny(const TFiltrReferencyjny& filtr, const std::vector<float>& probki)
{
    const auto C = static_cast<std::int32_t>(probki.size());
    const std::int32_t polowa = (filtr.M - 1) / 2;
    std::vector<float> wynik;
    for (std::int32_t i = 0; i < C; ++i) {
        float s = 0.0f;
        for (std::int32_t k = 0; k < filtr.M; ++k) {
            const std::int32_t n = i + polowa - k;
            if (n >= 0 && n < C)
                s = Plus(s, double(probki[static_cast<std::size_t>(n)]) * filtr.Odczepy[static_cast<std::size_t>(k)]);
        }
        wynik.push_back(static_cast<float>(double(filtr.Widmo[0]) * s / filtr.SumaOdczepow));
    }
    return wynik;
}
