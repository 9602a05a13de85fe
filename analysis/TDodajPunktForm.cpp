#include "TDodajPunktForm.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

#include "JezykQt.h"
#include "Kontrolki.h"
#include "Liczby.h"
#include "UslugiQt.h"

namespace {

constexpr int DlugoscPola = 7; // characters of either edit
constexpr int SzerokoscPola = 72;
constexpr double WartoscMin = 0.0;   // dB
constexpr double WartoscMax = 100.0; // dB
constexpr int Miejsca = 3;           // decimals of every number the lists show

// The edit's number as the list will show it, with three decimals.
std::optional<double> ZaokraglonaWartosc(const QLineEdit& pole)
{
    const std::optional<double> wartosc = ParsujLiczbe(pole.text().toStdString());
    if (!wartosc)
        return std::nullopt;
    return ParsujLiczbe(FormatujStalo(*wartosc, Miejsca));
}

} // namespace

TDodajPunktForm::TDodajPunktForm(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName(QStringLiteral("DodajPunktForm"));
    setWindowTitle(TTekst::tr("Dodaj punkt filtru"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    CzestotliwoscLabel = Etykieta(TTekst::tr("Częstotliwość: "), this, QStringLiteral("CzestotliwoscLabel"));
    MHzLabel = Etykieta(QStringLiteral("MHz"), this, QStringLiteral("MHzLabel"));
    WartoscLabel = Etykieta(TTekst::tr("Tłumienie:"), this, QStringLiteral("WartoscLabel"));
    DBLabel = Etykieta(QStringLiteral("dB"), this, QStringLiteral("DBLabel"));
    CzestotliwoscEdit = new QLineEdit(this);
    CzestotliwoscEdit->setObjectName(QStringLiteral("CzestotliwoscEdit"));
    WartoscEdit = new QLineEdit(this);
    WartoscEdit->setObjectName(QStringLiteral("WartoscEdit"));
    for (QLineEdit* pole : {CzestotliwoscEdit, WartoscEdit}) {
        pole->setMaxLength(DlugoscPola);
        pole->setFixedWidth(SzerokoscPola);
        pole->setAlignment(Qt::AlignRight);
        pole->installEventFilter(this);
    }

    // Enter anywhere in the dialog acts as "OK"; Escape rejects it, as QDialog does.
    const TPrzyciskiDialogu przyciski = PrzyciskiDialogu(*this, QStringLiteral("OK"));
    OKBtn = przyciski.OK;
    AnulujBtn = przyciski.Anuluj;
    connect(OKBtn, &QPushButton::clicked, this, &TDodajPunktForm::OKBtnClick);

    auto* pola = new QGridLayout;
    pola->setHorizontalSpacing(6);
    pola->setVerticalSpacing(8);
    pola->addWidget(CzestotliwoscLabel, 0, 0);
    pola->addWidget(CzestotliwoscEdit, 0, 1);
    pola->addWidget(MHzLabel, 0, 2);
    pola->addWidget(WartoscLabel, 1, 0);
    pola->addWidget(WartoscEdit, 1, 1);
    pola->addWidget(DBLabel, 1, 2);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(12, 12, 12, 12);
    uklad->setSpacing(12);
    uklad->addLayout(pola);
    uklad->addLayout(przyciski.Uklad);
    uklad->setSizeConstraint(QLayout::SetFixedSize);
}

void TDodajPunktForm::UstawRegeneracja(bool wartosc)
{
    regeneracja = wartosc;
    WartoscLabel->setText(regeneracja ? TTekst::tr("Wzmocnienie") : TTekst::tr("Tłumienie:"));
}

bool TDodajPunktForm::Przepusc(const QString& tekstPola, int klawisz, Qt::KeyboardModifiers modyfikatory,
                               const QString& tekst)
{
    if (modyfikatory & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return true;
    if (klawisz == Qt::Key_Tab || klawisz == Qt::Key_Backtab || klawisz == Qt::Key_Backspace || tekst.isEmpty())
        return true;
    if (tekst.size() != 1)
        return false;
    const QChar znak = tekst.front();
    if (znak >= u'0' && znak <= u'9')
        return true;
    const QChar separator = QLatin1Char(SeparatorDziesietny());
    return znak == separator && !tekstPola.isEmpty() && !tekstPola.contains(separator);
}

bool TDodajPunktForm::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    auto* pole = qobject_cast<QLineEdit*>(obiekt);
    if (zdarzenie->type() != QEvent::KeyPress || !pole)
        return QDialog::eventFilter(obiekt, zdarzenie);
    const auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
    // Enter and Escape are the dialog's, not the edit's.
    if (klawisz->key() == Qt::Key_Return || klawisz->key() == Qt::Key_Enter || klawisz->key() == Qt::Key_Escape)
        return false;
    if (Przepusc(pole->text(), klawisz->key(), klawisz->modifiers(), klawisz->text()))
        return false;
    QApplication::beep();
    return true;
}

void TDodajPunktForm::OKBtnClick()
{
    // A pasted text that is no number is as bad as an empty one. The bounds are checked
    // on the three decimals the list keeps, so that no two points share a frequency.
    const std::optional<double> f = ZaokraglonaWartosc(*CzestotliwoscEdit);
    const std::optional<double> v = ZaokraglonaWartosc(*WartoscEdit);
    if (!f) {
        PokazKomunikat(CzestotliwoscEdit->isEnabled() ? CzestotliwoscEdit : WartoscEdit,
                       TTekst::tr("Nieprawidłowa wartość"));
        return;
    }
    if (!v) {
        PokazKomunikat(WartoscEdit, TTekst::tr("Nieprawidłowa wartość"));
        return;
    }
    if (CzestotliwoscEdit->isEnabled() && !(Dolna < *f && *f < Gorna)) {
        PokazKomunikat(CzestotliwoscEdit, TTekst::tr("Częstotliwość powinna zawierać się w przedziale (%1;%2)")
                                              .arg(TekstStalo(Dolna, Miejsca), TekstStalo(Gorna, Miejsca)));
        return;
    }
    if (!(WartoscMin <= *v && *v <= WartoscMax)) {
        PokazKomunikat(WartoscEdit, regeneracja
                                        ? TTekst::tr("Wzmocnienie powinnno zawierać się w przedziale <0;100>")
                                        : TTekst::tr("Tłumienie powinnno zawierać się w przedziale <0;100>"));
        return;
    }
    CzestotliwoscEdit->setText(TekstStalo(*f, Miejsca));
    WartoscEdit->setText(TekstStalo(*v, Miejsca));
    accept();
}
