#include "PlikUstawien.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSettings>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <tuple>

#include "JezykQt.h"
#include "OdczytPliku.h"
#include "UslugiQt.h"

namespace {

// The six fields of a record in file order, with their highest valid value.
struct TPoleUstawien {
    std::int32_t UstawieniaStandardu::*Pole;
    std::int32_t Maks;
};

constexpr TPoleUstawien PolaWPliku[] = {
    {&UstawieniaStandardu::Przesluchy, MaksEfektuKanalu},
    {&UstawieniaStandardu::Echo, MaksEfektuKanalu},
    {&UstawieniaStandardu::Regeneracja, MaksEfektuKanalu},
    {&UstawieniaStandardu::Dekoder, MaksFunkcji},
    {&UstawieniaStandardu::RozkladyBledow, MaksFunkcji},
    {&UstawieniaStandardu::BerErf, MaksFunkcji},
};
constexpr int PolaNaStandard = static_cast<int>(std::size(PolaWPliku));
static_assert(PolaNaStandard * std::tuple_size_v<TTabelaUstawien> == RozmiarPlikuUstawien);

} // namespace

TTabelaUstawien UstawieniaPoczatkowe()
{
    TTabelaUstawien tabela;
    for (UstawieniaStandardu& u : tabela) {
        for (const TPoleUstawien& p : PolaWPliku)
            u.*p.Pole = p.Maks;
    }
    return tabela;
}

QString SciezkaPlikuUstawien()
{
    return QDir(FolderProgramu()).filePath(QStringLiteral("varto.cfg"));
}

QByteArray KodujUstawienia(const TTabelaUstawien& tabela)
{
    QByteArray dane;
    dane.reserve(RozmiarPlikuUstawien);
    for (const UstawieniaStandardu& u : tabela) {
        for (const TPoleUstawien& p : PolaWPliku)
            dane.append(static_cast<char>(static_cast<std::int8_t>(u.*p.Pole)));
    }
    return dane;
}

void DekodujUstawienia(const QByteArray& dane, TTabelaUstawien& tabela)
{
    const int dostepne = std::min<int>(static_cast<int>(dane.size()), RozmiarPlikuUstawien);
    for (int i = 0; i < dostepne; ++i) {
        const std::int32_t wartosc = static_cast<std::int8_t>(dane[i]);
        const TPoleUstawien& p = PolaWPliku[i % PolaNaStandard];
        if (wartosc >= 0 && wartosc <= p.Maks)
            tabela[static_cast<std::size_t>(i / PolaNaStandard)].*p.Pole = wartosc;
    }
}

bool WczytajUstawienia(const QString& sciezka, TTabelaUstawien& tabela)
{
    const TOdczytPliku odczyt = CzytajPoczatekPliku(QFile::encodeName(sciezka).toStdString(), RozmiarPlikuUstawien);
    if (odczyt.Blad != TBladOdczytu::Brak)
        return false;
    DekodujUstawienia(QByteArray::fromStdString(odczyt.Dane), tabela);
    return true;
}

bool ZapiszUstawienia(const QString& sciezka, const TTabelaUstawien& tabela)
{
    // Written beside the old file and renamed over it, so a full disk never leaves a
    // half-written table behind; a folder that allows no new file but a writable
    // varto.cfg is written in place.
    QSaveFile plik(sciezka);
    plik.setDirectWriteFallback(true);
    if (!plik.open(QIODevice::WriteOnly))
        return false;
    const QByteArray dane = KodujUstawienia(tabela);
    if (plik.write(dane) != dane.size())
        return false;
    return plik.commit();
}

namespace {

QSettings UstawieniaUzytkownika()
{
    return QSettings(QStringLiteral("Lintavox"), QStringLiteral("Lintavox"));
}

const QString KluczJezyka = QStringLiteral("jezyk");

} // namespace

TJezyk ZapisanyJezyk()
{
    return JezykZKodu(UstawieniaUzytkownika().value(KluczJezyka).toString());
}

void ZapiszJezyk(TJezyk jezyk)
{
    UstawieniaUzytkownika().setValue(KluczJezyka, KodJezyka(jezyk));
}
