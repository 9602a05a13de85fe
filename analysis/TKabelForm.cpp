#include "TKabelForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

#include "JezykQt.h"
#include "KoloryWykresow.h"
#include "Kontrolki.h"
#include "Liczby.h"
#include "PlotnoQt.h"
#include "Standardy.h"
#include "SzablonyWykresow.h"
#include "TDodajPunktForm.h"
#include "UslugiQt.h"
#include "Vartostream.h"
#include "Wykres.h"
#include "ZrodlaCharakterystyk.h"

namespace {

constexpr int DlugoscPola = 6; // characters: "-20,5", "200,0"
constexpr int SzerokoscPola = 72;
constexpr int Miejsca = 1;     // decimals a length or a temperature keeps

// The number with at most `miejsca` decimals, trailing zeros dropped: "80", "12,5".
QString Krotko(double wartosc, int miejsca)
{
    QString tekst = TekstStalo(wartosc, miejsca);
    const QChar separator = QLatin1Char(SeparatorDziesietny());
    if (tekst.contains(separator)) {
        while (tekst.endsWith(u'0'))
            tekst.chop(1);
        if (tekst.endsWith(separator))
            tekst.chop(1);
    }
    return tekst;
}

QString Tekst(std::string_view tekst)
{
    return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

// "m  (od 1 do 200)": a field's unit and its limits.
QString Zakres(const QString& jednostka, double min, double max)
{
    return TTekst::tr("%1  (od %2 do %3)").arg(jednostka, Krotko(min, 0), Krotko(max, 0));
}

QLineEdit* Pole(const QString& nazwa, QWidget* rodzic)
{
    auto* pole = new QLineEdit(rodzic);
    pole->setObjectName(nazwa);
    pole->setMaxLength(DlugoscPola);
    pole->setFixedWidth(SzerokoscPola);
    pole->setAlignment(Qt::AlignRight);
    return pole;
}

// The edit's number with one decimal, when it is one within [min, max]: the dialog's
// own message otherwise, over the edit.
std::optional<double> Wartosc(QLineEdit* pole, double min, double max, const QString& nazwa, bool komunikat)
{
    const std::optional<double> wartosc = ParsujLiczbe(pole->text().toStdString());
    if (!wartosc) {
        if (komunikat)
            PokazKomunikat(pole, TTekst::tr("Nieprawidłowa wartość"));
        return std::nullopt;
    }
    const double zaokraglona = *ParsujLiczbe(FormatujStalo(*wartosc, Miejsca));
    if (!(min <= zaokraglona && zaokraglona <= max)) {
        if (komunikat) {
            PokazKomunikat(pole, TTekst::tr("%1 powinna zawierać się w przedziale <%2;%3>")
                                     .arg(nazwa, Krotko(min, 0), Krotko(max, 0)));
        }
        return std::nullopt;
    }
    return zaokraglona;
}

// The preview's colour of each list; its limit is dashed in the same colour.
constexpr std::array<TColor, 3> KoloryList = {KolorZielony, KolorCzerwony, KolorNiebieski};

QString Probka(TColor kolor, const QString& podpis)
{
    return QStringLiteral("<span style=\"color:%1\">&#9473;&#9473;</span>&nbsp;%2").arg(KolorQt(kolor).name(), podpis);
}

} // namespace

QString OpisKabla(const TParametryKabla& kabel)
{
    return Tekst(NazwaKategorii(kabel.Kategoria)) + QStringLiteral(", ") + Krotko(kabel.DlugoscM, Miejsca) +
           QStringLiteral(" m, ") + Krotko(kabel.TemperaturaC, Miejsca) + QStringLiteral(" °C");
}

TKabelForm::TKabelForm(int standard, std::int32_t mbps, TListyZrodla oferowane, const TParametryKabla& kabel,
                       QWidget* rodzic)
    : QDialog(rodzic), Standard(standard), Mbps(mbps), Wybrany(kabel)
{
    setObjectName(QStringLiteral("KabelForm"));
    setWindowTitle(TTekst::tr("Kabel"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    KategoriaComboBox = new QComboBox(this);
    KategoriaComboBox->setObjectName(QStringLiteral("KategoriaComboBox"));
    for (const TKategoriaKabla k : KategorieKabli) {
        KategoriaComboBox->addItem(Tekst(NazwaKategorii(k)), static_cast<int>(k));
        if (k == kabel.Kategoria)
            KategoriaComboBox->setCurrentIndex(KategoriaComboBox->count() - 1);
    }
    DlugoscEdit = Pole(QStringLiteral("DlugoscEdit"), this);
    DlugoscEdit->setText(Krotko(kabel.DlugoscM, Miejsca));
    TemperaturaEdit = Pole(QStringLiteral("TemperaturaEdit"), this);
    TemperaturaEdit->setText(Krotko(kabel.TemperaturaC, Miejsca));
    for (QLineEdit* pole : {DlugoscEdit, TemperaturaEdit})
        pole->installEventFilter(this);

    const auto lista = [this](const QString& tekst, const QString& nazwa, bool oferowana) {
        auto* pole = new QCheckBox(tekst, this);
        pole->setObjectName(nazwa);
        pole->setChecked(oferowana);
        pole->setVisible(oferowana);
        return pole;
    };
    TlumienieCheckBox = lista(TTekst::tr("Tłumienie"), QStringLiteral("TlumienieCheckBox"), oferowane.Tlumienie);
    PrzesluchyCheckBox = lista(TTekst::tr("Przesłuchy"), QStringLiteral("PrzesluchyCheckBox"), oferowane.Przesluchy);
    EchoCheckBox = lista(TTekst::tr("Echo"), QStringLiteral("EchoCheckBox"), oferowane.Echo);

    PodgladWykres = new TWykres(this);
    PodgladWykres->setObjectName(QStringLiteral("PodgladWykres"));
    PodgladWykres->setMinimumSize(440, 220);
    SzablonCharakterystyki(*PodgladWykres, false);
    for (std::size_t i = 0; i < Podglad.size(); ++i) {
        Podglad[i] = std::make_unique<TFltFltStrumien>();
        PodgladWykres->DodajSerie(Podglad[i].get(), KoloryList[i % 3], i < 3 ? psSolid : psDash);
    }
    auto* legenda = new QLabel(Probka(KoloryList[0], TTekst::tr("tłumienie")) + QStringLiteral("&nbsp;&nbsp; ") +
                                   Probka(KoloryList[1], TTekst::tr("przesłuchy")) + QStringLiteral("&nbsp;&nbsp; ") +
                                   Probka(KoloryList[2], TTekst::tr("echo")) +
                                   TTekst::tr("&nbsp;&nbsp; linie przerywane: limity %1")
                                       .arg(PrzetlumaczTekstBiblioteki(Tekst(Standardy.at(static_cast<std::size_t>(standard)).Nazwa)).toHtmlEscaped()),
                               this);
    legenda->setTextFormat(Qt::RichText);
    PodsumowanieLabel = Etykieta(QString(), this, QStringLiteral("PodsumowanieLabel"));
    PodsumowanieLabel->setWordWrap(true);
    PodsumowanieLabel->setMinimumHeight(2 * PodsumowanieLabel->fontMetrics().lineSpacing());

    const TPrzyciskiDialogu przyciski = PrzyciskiDialogu(*this, QStringLiteral("OK"));
    OKBtn = przyciski.OK;
    AnulujBtn = przyciski.Anuluj;
    connect(OKBtn, &QPushButton::clicked, this, &TKabelForm::OKBtnClick);

    auto* pola = new QGridLayout;
    pola->setHorizontalSpacing(6);
    pola->setVerticalSpacing(8);
    pola->addWidget(Etykieta(TTekst::tr("Kategoria:"), this), 0, 0);
    pola->addWidget(KategoriaComboBox, 0, 1);
    pola->addWidget(Etykieta(TTekst::tr("Długość:"), this), 1, 0);
    pola->addWidget(DlugoscEdit, 1, 1);
    pola->addWidget(Etykieta(Zakres(QStringLiteral("m"), DlugoscKablaMin, DlugoscKablaMax), this), 1, 2);
    pola->addWidget(Etykieta(TTekst::tr("Temperatura:"), this), 2, 0);
    pola->addWidget(TemperaturaEdit, 2, 1);
    pola->addWidget(Etykieta(Zakres(QStringLiteral("°C"), TemperaturaKablaMin, TemperaturaKablaMax), this), 2, 2);
    pola->addWidget(Etykieta(TTekst::tr("Wypełnij:"), this), 3, 0);
    auto* listy = new QHBoxLayout;
    listy->setSpacing(12);
    for (QCheckBox* pole : {TlumienieCheckBox, PrzesluchyCheckBox, EchoCheckBox})
        listy->addWidget(pole);
    listy->addStretch(1);
    pola->addLayout(listy, 3, 1, 1, 2);
    pola->setColumnStretch(2, 1);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(12, 12, 12, 12);
    uklad->setSpacing(8);
    uklad->addLayout(pola);
    uklad->addWidget(PodgladWykres, 1);
    uklad->addWidget(legenda);
    uklad->addWidget(PodsumowanieLabel);
    uklad->addSpacing(4);
    uklad->addLayout(przyciski.Uklad);

    connect(KategoriaComboBox, &QComboBox::currentIndexChanged, this, &TKabelForm::OdswiezPodglad);
    for (QLineEdit* pole : {DlugoscEdit, TemperaturaEdit})
        connect(pole, &QLineEdit::textChanged, this, &TKabelForm::OdswiezPodglad);
    for (QCheckBox* pole : {TlumienieCheckBox, PrzesluchyCheckBox, EchoCheckBox}) {
        connect(pole, &QCheckBox::toggled, this, &TKabelForm::OdswiezPodglad);
        connect(pole, &QCheckBox::toggled, this, [this] { OKBtn->setEnabled(Listy().Jakiekolwiek()); });
    }
    OdswiezPodglad();
}

TKabelForm::~TKabelForm()
{
    // The chart goes before the streams it draws.
    delete PodgladWykres;
}

TListyZrodla TKabelForm::Listy() const
{
    return {TlumienieCheckBox->isChecked(), PrzesluchyCheckBox->isChecked(), EchoCheckBox->isChecked()};
}

bool TKabelForm::Przepusc(const QString& tekstPola, int kursor, bool ujemne, int klawisz,
                          Qt::KeyboardModifiers modyfikatory, const QString& tekst)
{
    if (ujemne && tekst == QStringLiteral("-") && !(modyfikatory & (Qt::ControlModifier | Qt::AltModifier)))
        return kursor == 0 && !tekstPola.contains(u'-');
    return TDodajPunktForm::Przepusc(tekstPola, klawisz, modyfikatory, tekst);
}

bool TKabelForm::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    auto* pole = qobject_cast<QLineEdit*>(obiekt);
    if (zdarzenie->type() != QEvent::KeyPress || !pole)
        return QDialog::eventFilter(obiekt, zdarzenie);
    const auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
    if (klawisz->key() == Qt::Key_Return || klawisz->key() == Qt::Key_Enter || klawisz->key() == Qt::Key_Escape)
        return false;
    // A selection is replaced by what is typed: the text and cursor as they will be.
    QString tekst = pole->text();
    int kursor = pole->cursorPosition();
    if (pole->hasSelectedText()) {
        kursor = pole->selectionStart();
        tekst.remove(kursor, pole->selectedText().size());
    }
    if (Przepusc(tekst, kursor, pole == TemperaturaEdit, klawisz->key(), klawisz->modifiers(), klawisz->text()))
        return false;
    QApplication::beep();
    return true;
}

std::optional<TParametryKabla> TKabelForm::KabelZPol() const
{
    const auto dlugosc = Wartosc(DlugoscEdit, DlugoscKablaMin, DlugoscKablaMax, {}, false);
    const auto temperatura = Wartosc(TemperaturaEdit, TemperaturaKablaMin, TemperaturaKablaMax, {}, false);
    if (!dlugosc || !temperatura)
        return std::nullopt;
    return TParametryKabla{static_cast<TKategoriaKabla>(KategoriaComboBox->currentData().toInt()), *dlugosc,
                           *temperatura};
}

void TKabelForm::OKBtnClick()
{
    const auto dlugosc = Wartosc(DlugoscEdit, DlugoscKablaMin, DlugoscKablaMax, TTekst::tr("Długość"), true);
    if (!dlugosc)
        return;
    const auto temperatura =
        Wartosc(TemperaturaEdit, TemperaturaKablaMin, TemperaturaKablaMax, TTekst::tr("Temperatura"), true);
    if (!temperatura)
        return;
    Wybrany = {static_cast<TKategoriaKabla>(KategoriaComboBox->currentData().toInt()), *dlugosc, *temperatura};
    DlugoscEdit->setText(Krotko(*dlugosc, Miejsca));
    TemperaturaEdit->setText(Krotko(*temperatura, Miejsca));
    accept();
}

void TKabelForm::OdswiezPodglad()
{
    const std::optional<TParametryKabla> kabel = KabelZPol();
    const TListyZrodla ktore = Listy();
    const std::array<bool, 3> pokazane = {ktore.Tlumienie, ktore.Przesluchy, ktore.Echo};
    TListyKabla listy;
    if (kabel)
        listy = ListyKabla(*kabel, Standard, Mbps);
    const TLinieStandardu limity = LinieGraniczneStandardu(Standard);
    const std::array<const TCharakterystyka*, 6> dane = {&listy.Tlumienie, &listy.Przesluchy, &listy.Echo,
                                                         &limity.Tlumienie, &limity.Przesluchy, &limity.Echo};
    for (std::size_t i = 0; i < dane.size(); ++i)
        UstawPunkty(*Podglad[i], pokazane[i % 3] ? *dane[i] : TCharakterystyka{});
    UstawZakresCzestotliwosci(*PodgladWykres, listy.Tlumienie.empty() ? 0.0f : listy.Tlumienie.back().X);
    PodgladWykres->update();

    if (!kabel) {
        PodsumowanieLabel->setText(TTekst::tr("Długość od %1 do %2 m, temperatura od %3 do %4 °C.")
                                       .arg(Krotko(DlugoscKablaMin, 0), Krotko(DlugoscKablaMax, 0),
                                            Krotko(TemperaturaKablaMin, 0), Krotko(TemperaturaKablaMax, 0)));
        return;
    }
    // Every list ends at the same frequency, where each is at its worst.
    const double gorna = listy.Tlumienie.back().X;
    const bool filtr = gorna < NajwyzszaCzestotliwoscKategorii(kabel->Kategoria) - 0.001;
    QString tekst = TTekst::tr("Listy do %1 MHz: %2")
                        .arg(Krotko(gorna, 3), filtr ? TTekst::tr("najwyższej częstotliwości filtru przy %1 Mbps.")
                                                           .arg(Krotko(Mbps, 0))
                                                     : TTekst::tr("najwyższej częstotliwości kategorii."));
    const QString nazwy[] = {TTekst::tr("tłumienie"), TTekst::tr("przesłuchy"), TTekst::tr("echo")};
    QStringList wartosci;
    for (std::size_t i = 0; i < 3; ++i)
        if (pokazane[i])
            wartosci << nazwy[i] + QStringLiteral(" ") + Krotko(-dane[i]->back().Y, 1) + QStringLiteral(" dB");
    if (!wartosci.isEmpty())
        tekst += TTekst::tr("\nPrzy %1 MHz: %2.").arg(Krotko(gorna, 3), wartosci.join(QStringLiteral(", ")));
    PodsumowanieLabel->setText(tekst);
}
