#include "TForm1.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "JezykQt.h"
#include "ListaStandardow.h"
#include "PlikUstawien.h"
#include "TRadioGroup.h"
#include "UslugiQt.h"

TForm1::TForm1(TTabelaUstawien& tabela, const QString& plik, QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      Tabela(tabela), Plik(plik)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(TTekst::tr("Ustawienia"));

    NewSimComboBox = new QComboBox(this);
    NewSimComboBox->setObjectName(QStringLiteral("NewSimComboBox"));
    auto* etykieta = new QLabel(QStringLiteral("Standard:"), this);
    etykieta->setBuddy(NewSimComboBox);

    RegeneracjaRadioGroup = DodajGrupe(TTekst::tr("Regeneracja"), QStringLiteral("RegeneracjaRadioGroup"),
                                       &UstawieniaStandardu::Regeneracja, true);
    PrzesluchyRadioGroup = DodajGrupe(TTekst::tr("Przesłuchy"), QStringLiteral("PrzesluchyRadioGroup"),
                                      &UstawieniaStandardu::Przesluchy, true);
    EchoRadioGroup =
        DodajGrupe(TTekst::tr("Echo"), QStringLiteral("EchoRadioGroup"), &UstawieniaStandardu::Echo, true);
    BerErfRadioGroup = DodajGrupe(TTekst::tr("Kalkulacja BER przy pomocy ERF"), QStringLiteral("BerErfRadioGroup"),
                                  &UstawieniaStandardu::BerErf, false);
    DekoderRadioGroup = DodajGrupe(TTekst::tr("Dekoder i ocena czasu poprawnej transmisji"),
                                   QStringLiteral("DekoderRadioGroup"), &UstawieniaStandardu::Dekoder, false);
    RozkladyRadioGroup = DodajGrupe(TTekst::tr("Rozkłady błędów"), QStringLiteral("RozkladyRadioGroup"),
                                    &UstawieniaStandardu::RozkladyBledow, false);

    // Each language named in itself, so that either can be found whatever is on show.
    JezykComboBox = new QComboBox(this);
    JezykComboBox->setObjectName(QStringLiteral("JezykComboBox"));
    JezykComboBox->addItem(QStringLiteral("Polski"), QVariant::fromValue(static_cast<int>(TJezyk::Polski)));
    JezykComboBox->addItem(QStringLiteral("English"), QVariant::fromValue(static_cast<int>(TJezyk::Angielski)));
    auto* etykietaJezyka = new QLabel(QStringLiteral("Język / Language:"), this);
    etykietaJezyka->setBuddy(JezykComboBox);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    AnulujButton = new QPushButton(TTekst::tr("Anuluj"), this);
    AnulujButton->setObjectName(QStringLiteral("AnulujButton"));
    connect(OKButton, &QPushButton::clicked, this, &TForm1::OKButtonClick);
    connect(AnulujButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* gora = new QHBoxLayout;
    gora->addWidget(etykieta);
    gora->addWidget(NewSimComboBox, 1);

    auto* grupy = new QGridLayout;
    grupy->addWidget(RegeneracjaRadioGroup, 0, 0);
    grupy->addWidget(PrzesluchyRadioGroup, 1, 0);
    grupy->addWidget(EchoRadioGroup, 2, 0);
    grupy->addWidget(BerErfRadioGroup, 0, 1);
    grupy->addWidget(DekoderRadioGroup, 1, 1);
    grupy->addWidget(RozkladyRadioGroup, 2, 1);

    auto* jezyk = new QHBoxLayout;
    jezyk->addWidget(etykietaJezyka);
    jezyk->addWidget(JezykComboBox);
    jezyk->addStretch(1);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(OKButton);
    przyciski->addWidget(AnulujButton);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addLayout(grupy);
    uklad->addLayout(jezyk);
    uklad->addSpacing(4);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    WypelnijListe(NewSimComboBox, NazwyStandardow());
    NewSimComboBox->setCurrentIndex(0);
    connect(NewSimComboBox, &QComboBox::currentIndexChanged, this, &TForm1::PokazStandard);

    // What an earlier cancelled dialog left in memory gives way to the stored choice.
    WczytajUstawienia(Plik, Tabela);
}

TRadioGroup* TForm1::DodajGrupe(const QString& tytul, const QString& nazwa, std::int32_t UstawieniaStandardu::*pole,
                                bool efektKanalu)
{
    auto* grupa = new TRadioGroup(tytul, this);
    grupa->setObjectName(nazwa);
    if (efektKanalu) {
        grupa->UstawPozycje({TTekst::tr("Niedostępne"), TTekst::tr("Dostępne, domyślnie wyłączone"),
                             TTekst::tr("Dostępne, domyślnie włączone")});
    } else {
        grupa->UstawPozycje({TTekst::tr("Wyłączone"), TTekst::tr("Włączone")});
    }
    connect(grupa, &TRadioGroup::PozycjaKliknieta, this, [this, pole](int indeks) {
        const int standard = NewSimComboBox->currentIndex();
        if (standard >= 0)
            Tabela[static_cast<std::size_t>(standard)].*pole = indeks;
    });
    Grupy.append({grupa, pole});
    return grupa;
}

void TForm1::showEvent(QShowEvent* zdarzenie)
{
    NewSimComboBox->setCurrentIndex(0);
    PokazStandard(0);
    JezykComboBox->setCurrentIndex(JezykComboBox->findData(static_cast<int>(JezykProgramu())));
    QDialog::showEvent(zdarzenie);
}

void TForm1::PokazStandard(int indeks)
{
    if (indeks < 0)
        return;
    const UstawieniaStandardu& u = Tabela[static_cast<std::size_t>(indeks)];
    for (const TGrupaPola& g : Grupy)
        g.Grupa->UstawItemIndex(u.*g.Pole);
}

void TForm1::OKButtonClick()
{
    accept();
    const auto jezyk = static_cast<TJezyk>(JezykComboBox->currentData().toInt());
    if (jezyk != JezykProgramu() && UstawJezyk(jezyk))
        ZapiszJezyk(jezyk);
    if (!ZapiszUstawienia(Plik, Tabela)) {
        PokazKomunikat(nullptr, TTekst::tr("Nie można zapisać ustawień w pliku %1.\nZmiany obowiązują do zamknięcia programu.")
                                    .arg(QDir::toNativeSeparators(Plik)));
    }
}
