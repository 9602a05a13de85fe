#include "ZapisWynikow.h"

#include <QDir>
#include <QSaveFile>

#include <functional>

#include "JsonSymulacji.h"
#include "Liczby.h"
#include "OpisBER.h"
#include "Standardy.h"
#include "TekstJson.h"

namespace {

std::string Zapisz(const QString& plik, const QByteArray& dane)
{
    QSaveFile wyjscie(plik);
    if (!wyjscie.open(QIODevice::WriteOnly) || wyjscie.write(dane) != dane.size() || !wyjscie.commit())
        return plik.toStdString() + ": " + wyjscie.errorString().toStdString();
    return {};
}

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

std::string Podsumowanie(const TWynikSymulacji& w)
{
    const TUstawieniaSymulacji& u = w.Ustawienia;
    const TOpisBER ber = OpiszBER(w.BER, u.Standard, u.Szybkosc);
    std::string tekst = "Analiza dla " + std::string(Standardy[static_cast<std::size_t>(u.Standard)].Nazwa) + ": " +
        FormatujCalkowita(w.LiczbaBitowKodowanych) + " bitów, " + FormatujCalkowita(w.SzybkoscSymboli) + " Mbaud\n";
    tekst += "Bitowa stopa błędu (BER): " + ber.Etykieta + (ber.Wykladnik.empty() ? "" : "^" + ber.Wykladnik) + "\n";
    tekst += ber.Zdanie + "\n";
    if (w.UdzialBledow)
        tekst += ZdaniePoprawnegoCzasu(*w.UdzialBledow) + "\n";
    tekst += "Błąd maksymalny: " + FormatujStalo(w.NajwiekszyBlad, 5) + " V\n";
    return tekst;
}

std::string ZapiszJson(const std::string& plik, const TWynikSymulacji& w)
{
    return Zapisz(QString::fromStdString(plik), QByteArray::fromStdString(TekstJson(WynikJson(w))));
}

std::string ZapiszCsv(const std::string& folder, const TWynikSymulacji& w)
{
    const QDir katalog(QString::fromStdString(folder));
    if (!katalog.mkpath(QStringLiteral(".")))
        return folder + ": cannot create the folder";
    std::string blad;
    KazdyStrumien(w, [&](const std::string& nazwa, TFltFltStrumien* s) {
        if (!blad.empty())
            return;
        std::string tekst = "x,y\n";
        for (std::int32_t i = 0; i < s->ZwrocDlugosc(); ++i) {
            const TPunkt p = s->Zwroc(i);
            tekst += FormatujDoPliku(p.X) + "," + FormatujDoPliku(p.Y) + "\n";
        }
        blad = Zapisz(katalog.filePath(QString::fromStdString(nazwa + ".csv")), QByteArray::fromStdString(tekst));
    });
    return blad;
}
