#include "ZapisPlikuQt.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <filesystem>
#include <string>
#include <string_view>

#include "JezykQt.h"
#include "OdczytPliku.h"
#include "ZapisAtomowy.h"

std::optional<TBladZapisu> ZapiszPlik(const QString& plik, const std::function<bool(QIODevice&)>& pisz)
{
    const std::string nazwa = QFile::encodeName(plik).toStdString();
    const std::filesystem::path sciezka(nazwa);
    if (!RodzajNieZwyklegoPliku(sciezka).empty())
        return TBladZapisu { TBladZapisu::NieZwyklyPlik, {} };
    QBuffer tresc;
    tresc.open(QIODevice::WriteOnly);
    if (!pisz(tresc))
        return TBladZapisu { TBladZapisu::Zapis, {} };
    TZapisAtomowy zapis;
    std::string blad = zapis.Dodaj(sciezka, std::string_view(tresc.data().constData(), tresc.data().size()));
    if (blad.empty())
        blad = zapis.Zatwierdz();
    if (blad.empty())
        return std::nullopt;
    // The writer's line starts with the path, which the message names already.
    const std::string przedrostek = nazwa + ": ";
    if (blad.starts_with(przedrostek))
        blad.erase(0, przedrostek.size());
    return TBladZapisu { TBladZapisu::Zapis, QString::fromStdString(blad) };
}

QString OpisBleduZapisu(const QString& plik, const TBladZapisu& blad)
{
    const QString nazwa = QDir::toNativeSeparators(plik);
    if (blad.Rodzaj == TBladZapisu::NieZwyklyPlik)
        return TTekst::tr("%1 nie jest zwykłym plikiem; nic nie zapisano.").arg(nazwa);
    if (blad.Szczegoly.isEmpty())
        return TTekst::tr("Nie udało się zapisać pliku %1.").arg(nazwa);
    return TTekst::tr("Nie udało się zapisać pliku %1: %2").arg(nazwa, blad.Szczegoly);
}
