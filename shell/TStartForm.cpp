#include "TStartForm.h"

#include <QPushButton>

#include "JezykQt.h"
#include "ListaStandardow.h"
#include "TRadioGroup.h"

namespace {

constexpr int WysokoscPozycji = 35;   // pixels per standard in the standards group
constexpr int SzerokoscKlienta = 249;
constexpr int Margines = 8;
constexpr int WysokoscGrupyOtworz = 49;
constexpr int SzerokoscPrzycisku = 75;
constexpr int WysokoscPrzycisku = 25;

} // namespace

TStartForm::TStartForm(bool pokazOtworz, QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("StartForm"));
    setWindowTitle(QStringLiteral("Lintavox"));

    NewSimRadioGroup = new TRadioGroup(TTekst::tr(" Utwórz nową analizę "), this);
    NewSimRadioGroup->setObjectName(QStringLiteral("NewSimRadioGroup"));
    WypelnijListe(NewSimRadioGroup, NazwyStandardow());

    OpenSimRadioGroup = new TRadioGroup(QString(), this);
    OpenSimRadioGroup->setObjectName(QStringLiteral("OpenSimRadioGroup"));
    OpenSimRadioGroup->UstawPozycje({TTekst::tr("Otwórz analizę z dysku")});
    OpenSimRadioGroup->setVisible(pokazOtworz);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // One choice across both groups.
    connect(NewSimRadioGroup, &TRadioGroup::PozycjaKliknieta, this, [this] { OpenSimRadioGroup->UstawItemIndex(-1); });
    connect(OpenSimRadioGroup, &TRadioGroup::PozycjaKliknieta, this, [this] { NewSimRadioGroup->UstawItemIndex(-1); });

    RozmiescKontrolki();
}

int TStartForm::WybranyStandard() const
{
    return NewSimRadioGroup->ItemIndex();
}

void TStartForm::showEvent(QShowEvent* zdarzenie)
{
    NewSimRadioGroup->UstawItemIndex(0);
    OpenSimRadioGroup->UstawItemIndex(-1);
    RozmiescKontrolki();
    QDialog::showEvent(zdarzenie);
}

void TStartForm::RozmiescKontrolki()
{
    const int szerokoscGrupy = SzerokoscKlienta - 2 * Margines;
    const int lista = WysokoscPozycji * NewSimRadioGroup->LiczbaPozycji();
    NewSimRadioGroup->setGeometry(Margines, Margines, szerokoscGrupy, lista);

    int goraPrzyciskow = lista + 32;
    int wysokoscKlienta = lista + WysokoscPrzycisku + 42;
    if (!OpenSimRadioGroup->isHidden()) {
        OpenSimRadioGroup->setGeometry(Margines, lista + 16, szerokoscGrupy, WysokoscGrupyOtworz);
        goraPrzyciskow += WysokoscGrupyOtworz;
        wysokoscKlienta += WysokoscGrupyOtworz;
    }
    const int prawyPrzycisk = SzerokoscKlienta - Margines - SzerokoscPrzycisku;
    CancelButton->setGeometry(prawyPrzycisk, goraPrzyciskow, SzerokoscPrzycisku, WysokoscPrzycisku);
    OKButton->setGeometry(prawyPrzycisk - 8 - SzerokoscPrzycisku, goraPrzyciskow, SzerokoscPrzycisku, WysokoscPrzycisku);
    setFixedSize(SzerokoscKlienta, wysokoscKlienta);
}
