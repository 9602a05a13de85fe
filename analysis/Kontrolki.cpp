#include "Kontrolki.h"

#include "JezykQt.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

QLabel* Etykieta(const QString& tekst, QWidget* rodzic, const QString& nazwa)
{
    auto* etykieta = new QLabel(tekst, rodzic);
    etykieta->setTextFormat(Qt::PlainText);
    if (!nazwa.isEmpty())
        etykieta->setObjectName(nazwa);
    return etykieta;
}

TPrzyciskiDialogu PrzyciskiDialogu(QDialog& dialog, const QString& tekst, const QString& nazwa)
{
    TPrzyciskiDialogu p{};
    p.OK = new QPushButton(tekst, &dialog);
    p.OK->setObjectName(nazwa.isEmpty() ? QStringLiteral("OKBtn") : nazwa);
    p.OK->setDefault(true);
    p.Anuluj = new QPushButton(TTekst::tr("Anuluj"), &dialog);
    p.Anuluj->setObjectName(QStringLiteral("AnulujBtn"));
    p.Anuluj->setAutoDefault(false);
    QObject::connect(p.Anuluj, &QPushButton::clicked, &dialog, &QDialog::reject);
    p.Uklad = new QHBoxLayout;
    p.Uklad->addStretch(1);
    p.Uklad->addWidget(p.OK);
    p.Uklad->addWidget(p.Anuluj);
    return p;
}
