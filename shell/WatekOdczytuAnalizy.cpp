#include "WatekOdczytuAnalizy.h"

#include <QFile>

#include <new>

TWatekOdczytuAnalizy::TWatekOdczytuAnalizy(QString plik) : Plik(std::move(plik)) {}

void TWatekOdczytuAnalizy::Wykonaj()
{
    TOdczyt odczyt{Plik, nullptr, {}};
    try {
        if (auto analiza = WczytajAnalize(QFile::encodeName(Plik).toStdString(), odczyt.Blad))
            odczyt.Analiza = std::make_shared<TAnaliza>(std::move(*analiza));
    } catch (const std::bad_alloc&) {
        odczyt.Blad = {TBladAnalizy::TRodzaj::BrakPamieci, "not enough memory to read it", {}, 0};
    }
    emit Wczytano(std::move(odczyt));
}
