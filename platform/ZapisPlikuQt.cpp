#include "ZapisPlikuQt.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

std::optional<TBladZapisu> ZapiszPlik(const QString& plik, const std::function<bool(QIODevice&)>& pisz)
{
    const QFileInfo cel(plik);
    if (cel.exists() && !cel.isFile())
        return TBladZapisu { TBladZapisu::NieZwyklyPlik, {} };
    // The whole content first, then one unbuffered write: a file takes a write cut short
    // (a full disk, a size limit) without an error, and only the count of bytes it took
    // tells, which a buffered write or a painter writing bit by bit would not check.
    QBuffer tresc;
    tresc.open(QIODevice::WriteOnly);
    if (!pisz(tresc))
        return TBladZapisu { TBladZapisu::Zapis, {} };
    const QByteArray& dane = tresc.data();
    QSaveFile wyjscie(plik);
    const auto blad = [&] {
        return TBladZapisu { TBladZapisu::Zapis,
            wyjscie.error() == QFileDevice::NoError ? QString() : wyjscie.errorString() };
    };
    if (!wyjscie.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return blad();
    const qint64 zapisane = wyjscie.write(dane);
    if (zapisane != dane.size()) {
        if (wyjscie.error() != QFileDevice::NoError)
            return blad();
        return TBladZapisu { TBladZapisu::Zapis,
            QStringLiteral("zapisano tylko %1 z %2 bajtów").arg(zapisane).arg(dane.size()) };
    }
    if (!wyjscie.commit())
        return blad();
    return std::nullopt;
}

QString OpisBleduZapisu(const QString& plik, const TBladZapisu& blad)
{
    const QString nazwa = QDir::toNativeSeparators(plik);
    if (blad.Rodzaj == TBladZapisu::NieZwyklyPlik)
        return QStringLiteral("%1 nie jest zwykłym plikiem; nic nie zapisano.").arg(nazwa);
    if (blad.Szczegoly.isEmpty())
        return QStringLiteral("Nie udało się zapisać pliku %1.").arg(nazwa);
    return QStringLiteral("Nie udało się zapisać pliku %1: %2").arg(nazwa, blad.Szczegoly);
}
