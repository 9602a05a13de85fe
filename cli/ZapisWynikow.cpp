#include "ZapisWynikow.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <functional>

#include "Liczby.h"
#include "OpisBER.h"
#include "Standardy.h"

namespace {

QString Tekst(const std::string& s)
{
    return QString::fromStdString(s);
}

QJsonValue TekstLubNull(const std::string& s)
{
    return s.empty() ? QJsonValue() : QJsonValue(Tekst(s));
}

// A float widened to double is exact, so the number reads back to the same float.
QJsonObject Punkty(TFltFltStrumien* s)
{
    QJsonArray x;
    QJsonArray y;
    for (std::int32_t i = 0; i < s->ZwrocDlugosc(); ++i) {
        const TPunkt p = s->Zwroc(i);
        x.append(static_cast<double>(p.X));
        y.append(static_cast<double>(p.Y));
    }
    return {{QStringLiteral("x"), x}, {QStringLiteral("y"), y}};
}

QJsonValue PunktyLubNull(TFltFltStrumien* s)
{
    return s == nullptr ? QJsonValue() : QJsonValue(Punkty(s));
}

QJsonArray Charakterystyka(const TCharakterystyka& punkty)
{
    QJsonArray wynik;
    for (const TPunkt& p : punkty)
        wynik.append(QJsonArray{static_cast<double>(p.X), static_cast<double>(p.Y)});
    return wynik;
}

const char* NazwaZrodla(TZrodloBitow zrodlo)
{
    switch (zrodlo) {
    case TZrodloBitow::Zera:
        return "zeros";
    case TZrodloBitow::Jedynki:
        return "ones";
    case TZrodloBitow::Losowe:
        break;
    }
    return "random";
}

QJsonObject Ustawienia(const TOpcjeWiersza& o)
{
    const TUstawieniaSymulacji& u = o.Ustawienia;
    return {
        {QStringLiteral("bits"), u.LiczbaBitow},
        {QStringLiteral("rate"), Tekst(u.Szybkosc)},
        {QStringLiteral("slope"), static_cast<double>(u.Nachylenie)},
        {QStringLiteral("source"), QString::fromLatin1(NazwaZrodla(u.Zrodlo))},
        {QStringLiteral("echo_delay"), u.PrzesuniecieEcha},
        {QStringLiteral("crosstalk"), u.Przesluchy},
        {QStringLiteral("echo"), u.Echo},
        {QStringLiteral("regeneration"), u.Regeneracja},
        {QStringLiteral("decoder"), u.Dekoder},
        {QStringLiteral("adaptive"), o.Adaptacyjny},
        {QStringLiteral("seed"), o.Ziarno ? QJsonValue(static_cast<double>(*o.Ziarno)) : QJsonValue()},
        {QStringLiteral("attenuation_model"), TekstLubNull(o.PlikTlumienia)},
        {QStringLiteral("crosstalk_model"), TekstLubNull(o.PlikPrzesluchow)},
        {QStringLiteral("echo_model"), TekstLubNull(o.PlikEcha)},
        {QStringLiteral("regeneration_model"), TekstLubNull(o.PlikRegeneracji)},
        {QStringLiteral("bits_file"), TekstLubNull(o.PlikBitow)},
        {QStringLiteral("crosstalk_bits_file"), TekstLubNull(o.PlikBitowZaklocen)},
        {QStringLiteral("attenuation"), Charakterystyka(u.Charakterystyki.Tlumienie)},
        {QStringLiteral("crosstalk_characteristic"), Charakterystyka(u.Charakterystyki.Przesluchy)},
        {QStringLiteral("echo_characteristic"), Charakterystyka(u.Charakterystyki.Echo)},
        {QStringLiteral("regeneration_characteristic"), Charakterystyka(u.Charakterystyki.Wzmocnienie)},
    };
}

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
    for (std::size_t i = 0; i < w.StrumienieWejsciowe.size(); ++i)
        f("input-" + FormatujCalkowita(static_cast<std::int64_t>(i)), w.StrumienieWejsciowe[i].get());
    for (std::int32_t i = 0; i < w.LiczbaTorow; ++i) {
        const std::string tor = "lane-" + FormatujCalkowita(i) + "-";
        f(tor + "sent", w.Wyslany(i));
        f(tor + "received", w.StrumieniePoKanale[static_cast<std::size_t>(i)].get());
        if (w.Regeneracja)
            f(tor + "regenerated", w.Odebrany(i));
        f(tor + "amplified", w.StrumienieWzm[static_cast<std::size_t>(i)].get());
        if (!w.StrumienieZdekodowane.empty()) {
            f(tor + "decoded", w.StrumienieZdekodowane[static_cast<std::size_t>(i)].get());
            f(tor + "reference", w.Wzorzec(i));
        }
    }
    f("histogram", w.Rozklad());
    f("cumulative", w.Dystrybuanta());
}

} // namespace

std::string Podsumowanie(const TOpcjeWiersza& o, const TWynikSymulacji& w)
{
    const TUstawieniaSymulacji& u = o.Ustawienia;
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

std::string ZapiszJson(const std::string& plik, const TOpcjeWiersza& o, const TWynikSymulacji& w)
{
    const TUstawieniaSymulacji& u = o.Ustawienia;
    const TOpisBER ber = OpiszBER(w.BER, u.Standard, u.Szybkosc);

    QJsonArray wejsciowe;
    for (const auto& s : w.StrumienieWejsciowe) {
        QJsonObject strumien = Punkty(s.get());
        strumien.insert(QStringLiteral("name"), Tekst(s->ZwrocNazwe()));
        wejsciowe.append(strumien);
    }
    QJsonArray tory;
    for (std::int32_t i = 0; i < w.LiczbaTorow; ++i) {
        const bool dekoder = !w.StrumienieZdekodowane.empty();
        tory.append(QJsonObject{
            {QStringLiteral("name"), Tekst(w.Wyslany(i)->ZwrocNazwe())},
            {QStringLiteral("sent"), Punkty(w.Wyslany(i))},
            {QStringLiteral("received"), Punkty(w.StrumieniePoKanale[static_cast<std::size_t>(i)].get())},
            {QStringLiteral("regenerated"), PunktyLubNull(w.Regeneracja ? w.Odebrany(i) : nullptr)},
            {QStringLiteral("amplified"), Punkty(w.StrumienieWzm[static_cast<std::size_t>(i)].get())},
            {QStringLiteral("decoded"),
             PunktyLubNull(dekoder ? w.StrumienieZdekodowane[static_cast<std::size_t>(i)].get() : nullptr)},
            {QStringLiteral("reference"), PunktyLubNull(dekoder ? w.Wzorzec(i) : nullptr)},
        });
    }
    const QJsonObject dokument{
        {QStringLiteral("standard"), Tekst(std::string(Standardy[static_cast<std::size_t>(u.Standard)].Nazwa))},
        {QStringLiteral("settings"), Ustawienia(o)},
        {QStringLiteral("symbol_rate"), w.SzybkoscSymboli},
        {QStringLiteral("encoded_bits"), w.LiczbaBitowKodowanych},
        {QStringLiteral("ber"), w.BER},
        {QStringLiteral("ber_label"), Tekst(ber.Etykieta)},
        {QStringLiteral("ber_exponent"), Tekst(ber.Wykladnik)},
        {QStringLiteral("ber_sentence"), Tekst(ber.Zdanie)},
        {QStringLiteral("max_error"), static_cast<double>(w.NajwiekszyBlad)},
        {QStringLiteral("histogram_peak"), static_cast<double>(w.SzczytRozkladu)},
        {QStringLiteral("error_share"), w.UdzialBledow ? QJsonValue(*w.UdzialBledow) : QJsonValue()},
        {QStringLiteral("correct_time_sentence"),
         w.UdzialBledow ? QJsonValue(Tekst(ZdaniePoprawnegoCzasu(*w.UdzialBledow))) : QJsonValue()},
        {QStringLiteral("input_streams"), wejsciowe},
        {QStringLiteral("lanes"), tory},
        {QStringLiteral("histogram"), Punkty(w.Rozklad())},
        {QStringLiteral("cumulative"), Punkty(w.Dystrybuanta())},
    };
    return Zapisz(QString::fromStdString(plik), QJsonDocument(dokument).toJson(QJsonDocument::Compact));
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
