#include "TImportTouchstoneForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "FiltrKlawiszy.h"
#include "JezykQt.h"
#include "Kontrolki.h"
#include "Liczby.h"
#include "UslugiQt.h"

namespace {

constexpr int PunktowMin = 2;
constexpr int PunktowMax = 9999; // what the four-digit field holds

QString Tekst(const std::string& tekst)
{
    return QString::fromStdString(tekst);
}

QString Calkowita(std::int64_t wartosc)
{
    return QString::fromStdString(FormatujCalkowita(wartosc));
}

QRadioButton* Opcja(const QString& tekst, const QString& nazwa, QWidget* rodzic)
{
    auto* opcja = new QRadioButton(tekst, rodzic);
    opcja->setObjectName(nazwa);
    return opcja;
}

} // namespace

TImportTouchstoneForm::TImportTouchstoneForm(const TDaneTouchstone& dane, const QString& plik,
                                             TListyZrodla oferowane, TListyZrodla zaznaczone, QWidget* rodzic)
    : QDialog(rodzic), Roznicowe(dane.LiczbaPortow >= 4)
{
    setObjectName(QStringLiteral("ImportTouchstoneForm"));
    setWindowTitle(TTekst::tr("Import pliku Touchstone"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    QString opis = TTekst::tr("Plik: %1\nTouchstone %2, liczba portów: %3, częstotliwości: %4")
                       .arg(plik, dane.Wersja == 1 ? QStringLiteral("1.x") : QStringLiteral("2.x"),
                            Calkowita(dane.LiczbaPortow), Calkowita(static_cast<std::int64_t>(dane.CzestotliwosciMHz.size())));
    if (!dane.CzestotliwosciMHz.empty()) {
        opis += TTekst::tr(" (od %1 do %2 MHz)")
                    .arg(TekstStalo(dane.CzestotliwosciMHz.front(), 3), TekstStalo(dane.CzestotliwosciMHz.back(), 3));
    }
    PlikLabel = Etykieta(opis, this, QStringLiteral("PlikLabel"));

    auto* porty = new QGroupBox(TTekst::tr("Kolejność portów pary (pliki 4- i 8-portowe)"), this);
    Porty1324Radio = Opcja(TTekst::tr("1,3 → 2,4: linia z portu 1 do 2 i z portu 3 do 4"),
                           QStringLiteral("Porty1324Radio"), porty);
    Porty1234Radio = Opcja(TTekst::tr("1,2 → 3,4: linia z portu 1 do 3 i z portu 2 do 4"),
                           QStringLiteral("Porty1234Radio"), porty);
    Porty1324Radio->setChecked(true);
    porty->setEnabled(Roznicowe);
    auto* ukladPortow = new QVBoxLayout(porty);
    ukladPortow->addWidget(Porty1324Radio);
    ukladPortow->addWidget(Porty1234Radio);

    auto* ponizej = new QGroupBox(TTekst::tr("Tłumienie poniżej najniższej częstotliwości pliku"), this);
    DopasowanieRadio = Opcja(TTekst::tr("Ekstrapolacja do 0 MHz: a + b·√f + c·f dopasowane do najniższej dekady"),
                             QStringLiteral("DopasowanieRadio"), ponizej);
    StalaRadio = Opcja(TTekst::tr("Stały poziom najniższej częstotliwości"), QStringLiteral("StalaRadio"), ponizej);
    DopasowanieRadio->setChecked(true);
    auto* ukladPonizej = new QVBoxLayout(ponizej);
    ukladPonizej->addWidget(DopasowanieRadio);
    ukladPonizej->addWidget(StalaRadio);

    PunktyEdit = new QLineEdit(Calkowita(static_cast<std::int64_t>(DomyslnaLiczbaPunktow)), this);
    PunktyEdit->setObjectName(QStringLiteral("PunktyEdit"));
    PunktyEdit->setMaxLength(4);
    PunktyEdit->setFixedWidth(56);
    PunktyEdit->setAlignment(Qt::AlignRight);
    PunktyEdit->installEventFilter(new TFiltrKlawiszy(TFiltrKlawiszy::TRodzaj::Cyfry, PunktyEdit));
    auto* punkty = new QHBoxLayout;
    punkty->addWidget(Etykieta(TTekst::tr("Najwięcej punktów na listę:"), this));
    punkty->addWidget(PunktyEdit);
    punkty->addStretch(1);

    // What each list comes from in this file, and why a list is not on offer.
    const TParametryImportu parametry = ParametryImportu(dane.LiczbaPortow);
    auto* listy = new QGroupBox(TTekst::tr("Wypełnij"), this);
    const auto lista = [&](const QString& nazwa, const QString& obiekt, const std::string& parametr,
                           const QString& brak, bool oferowana, bool zaznaczona) {
        const bool jest = !parametr.empty() && oferowana;
        auto* pole = new QCheckBox(jest ? TTekst::tr("%1 z %2").arg(nazwa, Tekst(parametr)) : nazwa + brak, listy);
        pole->setObjectName(obiekt);
        pole->setEnabled(jest);
        pole->setChecked(jest && zaznaczona);
        return pole;
    };
    const QString nieOferowana = TTekst::tr(" (wyłączone w opcjach programu)");
    TlumienieCheckBox = lista(TTekst::tr("Tłumienie"), QStringLiteral("TlumienieCheckBox"), parametry.Tlumienie,
                              TTekst::tr(" (plik jednoportowy go nie zawiera)"), oferowane.Tlumienie,
                              zaznaczone.Tlumienie);
    EchoCheckBox = lista(TTekst::tr("Echo"), QStringLiteral("EchoCheckBox"), parametry.Echo, nieOferowana,
                         oferowane.Echo, zaznaczone.Echo);
    PrzesluchyCheckBox = lista(TTekst::tr("Przesłuchy"), QStringLiteral("PrzesluchyCheckBox"),
                               parametry.Przesluchy,
                               parametry.Przesluchy.empty() ? TTekst::tr(" (tylko z pliku 8-portowego: dwie pary)")
                                                            : nieOferowana,
                               oferowane.Przesluchy, zaznaczone.Przesluchy);
    if (!parametry.Przesluchy.empty())
        PrzesluchyCheckBox->setText(PrzesluchyCheckBox->text() + TTekst::tr(": sprzężenie par na bliskim końcu"));
    auto* ukladList = new QVBoxLayout(listy);
    for (QCheckBox* pole : {TlumienieCheckBox, EchoCheckBox, PrzesluchyCheckBox})
        ukladList->addWidget(pole);

    const TPrzyciskiDialogu przyciski = PrzyciskiDialogu(*this, TTekst::tr("Importuj"), QStringLiteral("ImportujBtn"));
    ImportujBtn = przyciski.OK;
    AnulujBtn = przyciski.Anuluj;
    connect(ImportujBtn, &QPushButton::clicked, this, &TImportTouchstoneForm::ImportujBtnClick);
    const auto dostepnosc = [this] { ImportujBtn->setEnabled(Listy().Jakiekolwiek()); };
    for (QCheckBox* pole : {TlumienieCheckBox, EchoCheckBox, PrzesluchyCheckBox})
        connect(pole, &QCheckBox::toggled, this, dostepnosc);
    dostepnosc();

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(12, 12, 12, 12);
    uklad->setSpacing(10);
    uklad->addWidget(PlikLabel);
    uklad->addWidget(porty);
    uklad->addWidget(ponizej);
    uklad->addLayout(punkty);
    uklad->addWidget(listy);
    uklad->addLayout(przyciski.Uklad);
    uklad->setSizeConstraint(QLayout::SetFixedSize);
}

TListyZrodla TImportTouchstoneForm::Listy() const
{
    return {TlumienieCheckBox->isChecked(), PrzesluchyCheckBox->isChecked(), EchoCheckBox->isChecked()};
}

void TImportTouchstoneForm::ImportujBtnClick()
{
    const std::optional<std::int32_t> punkty = ParsujCalkowita(PunktyEdit->text().toStdString());
    if (!punkty) {
        PokazKomunikat(PunktyEdit, TTekst::tr("Nieprawidłowa wartość"));
        return;
    }
    if (*punkty < PunktowMin || *punkty > PunktowMax) {
        PokazKomunikat(PunktyEdit, TTekst::tr("Liczba punktów powinna zawierać się w przedziale <%1;%2>")
                                       .arg(Calkowita(PunktowMin), Calkowita(PunktowMax)));
        return;
    }
    Wybrane = {};
    if (Roznicowe)
        Wybrane.Porty = Porty1234Radio->isChecked() ? TKolejnoscPortow::P12_34 : TKolejnoscPortow::P13_24;
    Wybrane.PonizejPomiaru = StalaRadio->isChecked() ? TPonizejPomiaru::Stala : TPonizejPomiaru::Dopasowanie;
    Wybrane.LiczbaPunktow = static_cast<std::size_t>(*punkty);
    accept();
}
