#include "ZapisWynikow.h"

#include <filesystem>
#include <functional>

#include "JsonSymulacji.h"
#include "Liczby.h"
#include "OpisBER.h"
#include "OpisZliczenia.h"
#include "RysunekOka.h"
#include "Standardy.h"
#include "TekstJson.h"
#include "ZapisAtomowy.h"

namespace {

// Every stream of a run with the file name it gets among the CSV files.
void KazdyStrumien(const TWynikSymulacji& w, const std::function<void(const std::string&, TFltFltStrumien*)>& f)
{
    for (std::size_t i = 0; i < w.Wejsciowe.size(); ++i)
        f("input-" + FormatujCalkowita(static_cast<std::int64_t>(i)), w.Wejsciowe[i].get());
    for (std::size_t i = 0; i < w.Tory.size(); ++i) {
        const TTorWyniku& t = w.Tory[i];
        const std::string tor = "lane-" + FormatujCalkowita(static_cast<std::int64_t>(i)) + "-";
        f(tor + "sent", t.Wyslany);
        f(tor + "received", t.Odebrany.get());
        if (t.Zregenerowany)
            f(tor + "regenerated", t.Zregenerowany.get());
        f(tor + "amplified", t.Wzmocniony.get());
        if (t.Zdekodowany) {
            f(tor + "decoded", t.Zdekodowany.get());
            f(tor + "reference", t.Wzorzec);
        }
    }
    f("histogram", w.Rozklad.get());
    f("cumulative", w.Dystrybuanta.get());
}

} // namespace

std::string Podsumowanie(const TWynikSymulacji& w, TJezyk jezyk)
{
    const bool pl = jezyk == TJezyk::Polski;
    const TUstawieniaSymulacji& u = w.Ustawienia;
    const TOpisBER ber = OpiszBER(w.BER, u.Standard, u.Szybkosc, jezyk);
    std::string tekst = (pl ? "Analiza dla " : "Analysis of ") + std::string(Standardy[static_cast<std::size_t>(u.Standard)].Nazwa) +
        ": " + FormatujCalkowita(w.LiczbaBitowKodowanych) + (pl ? " bitów, " : " bits, ") +
        FormatujCalkowita(w.SzybkoscSymboli) + " Mbaud\n";
    tekst += (pl ? "Bitowa stopa błędu (BER): " : "Bit error rate (BER): ") + ber.Etykieta +
        (ber.Wykladnik.empty() ? "" : "^" + ber.Wykladnik) + "\n";
    tekst += ber.Zdanie + "\n";
    if (w.UdzialBledow)
        tekst += ZdaniePoprawnegoCzasu(*w.UdzialBledow, jezyk) + "\n";
    tekst += (pl ? "Błąd maksymalny: " : "Largest error: ") + FormatujStalo(w.NajwiekszyBlad, 5, jezyk) + " V\n";
    const TOpisZliczenia zliczenie = OpiszZliczenie(w.Zliczone, w.BER, u.Standard, u.Szybkosc, jezyk);
    for (const std::string* zdanie : {&zliczenie.Bledy, &zliczenie.BER, &zliczenie.Estymacja, &zliczenie.Wykazanie})
        tekst += *zdanie + "\n";
    return tekst;
}

nlohmann::json DokumentWiersza(const TOpcjeWiersza& opcje, const TWynikSymulacji* w)
{
    nlohmann::json dokument = AnalizaJson(opcje.Ustawienia, w, !opcje.BezStrumieni, opcje.Jezyk);
    if (!opcje.ZAnalizy.is_null())
        dokument["from_analysis"] = opcje.ZAnalizy;
    return dokument;
}

std::string ZapiszUstawienia(const TOpcjeWiersza& opcje)
{
    if (const std::string blad = ZapiszAnalize(opcje.ZapisAnalizy, DokumentWiersza(opcje, nullptr)); !blad.empty())
        return "--save-analysis: " + blad;
    return {};
}

TBladZapisu ZapiszWyniki(const TOpcjeWiersza& opcje, const TWynikSymulacji& w)
{
    TZapisAtomowy zapis;
    if (!opcje.FolderCsv.empty()) {
        if (const std::string blad = zapis.UtworzFolder(opcje.FolderCsv); !blad.empty())
            return {"--csv: " + blad, 1};
        const std::vector<TWejscieWiersza> wejscia = WejsciaWiersza(opcje.Ustawienia.Pochodzenie, opcje.PlikAnalizy);
        TBladZapisu blad;
        KazdyStrumien(w, [&](const std::string& nazwa, TFltFltStrumien* s) {
            if (!blad.Tekst.empty())
                return;
            const std::string plik = (std::filesystem::path(opcje.FolderCsv) / (nazwa + ".csv")).string();
            if (const std::string przeszkoda = PrzeszkodaWyjscia(plik, wejscia); !przeszkoda.empty()) {
                blad = {"--csv: " + przeszkoda, 2};
                return;
            }
            std::string tekst = "x,y\n";
            for (std::int32_t i = 0; i < s->ZwrocDlugosc(); ++i) {
                const TPunkt p = s->Zwroc(i);
                tekst += FormatujDoPliku(p.X) + "," + FormatujDoPliku(p.Y) + "\n";
            }
            if (const std::string b = zapis.Dodaj(plik, tekst); !b.empty())
                blad = {"--csv: " + b, 1};
        });
        if (!blad.Tekst.empty())
            return blad;
    }
    if (!opcje.PlikJson.empty())
        if (const std::string blad = zapis.Dodaj(opcje.PlikJson, TekstJson(DokumentWiersza(opcje, &w))); !blad.empty())
            return {"--json: " + blad, 1};
    if (const std::string blad = zapis.Zatwierdz(); !blad.empty())
        return {"the results cannot be saved: " + blad, 1};
    if (!opcje.PlikOkaPng.empty())
        if (const std::string blad = ZapiszOko(w, opcje.PlikOkaPng, TRysunek::Png); !blad.empty())
            return {"--eye-png: " + blad, 1};
    if (!opcje.PlikOkaSvg.empty())
        if (const std::string blad = ZapiszOko(w, opcje.PlikOkaSvg, TRysunek::Svg); !blad.empty())
            return {"--eye-svg: " + blad, 1};
    return {};
}
