#include "ListaStandardow.h"

#include <QComboBox>

#include "JezykQt.h"
#include "Standardy.h"
#include "TRadioGroup.h"

QStringList NazwyStandardow()
{
    QStringList nazwy;
    for (const TStandard& s : Standardy)
        nazwy.append(PrzetlumaczTekstBiblioteki(QString::fromUtf8(s.Nazwa.data(), static_cast<qsizetype>(s.Nazwa.size()))));
    return nazwy;
}

void WypelnijListe(TRadioGroup* lista, const QStringList& teksty)
{
    lista->UstawPozycje(teksty);
}

void WypelnijListe(QComboBox* lista, const QStringList& teksty)
{
    lista->clear();
    lista->addItems(teksty);
}
