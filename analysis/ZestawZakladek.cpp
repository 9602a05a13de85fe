#include "ZestawZakladek.h"

#include <QTabBar>

QTabBar* ZestawZakladek(const QString& nazwa, const QStringList& zakladki, QWidget* rodzic)
{
    auto* zestaw = new QTabBar(rodzic);
    zestaw->setObjectName(nazwa);
    zestaw->setShape(QTabBar::RoundedSouth);
    zestaw->setDrawBase(false);
    zestaw->setExpanding(false);
    for (const QString& z : zakladki)
        zestaw->addTab(z);
    return zestaw;
}
