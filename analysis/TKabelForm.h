// The dialog "Kabel": a cable category, a length and a temperature that fill an analysis's
// attenuation, crosstalk and echo in one step, previewed against the standard's limits.
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "Ustawienia.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TFltFltStrumien;
class TWykres;

// "Cat6, 80 m, 20 °C": the cable as the page and the dialog name it.
QString OpisKabla(const TParametryKabla& kabel);

class TKabelForm : public QDialog {
    Q_OBJECT

public:
    // standard and mbps: the analysis's (position in Standardy, Mbps within its limits),
    // which set the lists' highest frequency and the limits drawn; oferowane: the lists
    // the analysis has, the others are neither offered nor filled; kabel: the values the
    // fields start with.
    TKabelForm(int standard, std::int32_t mbps, TListyZrodla oferowane, const TParametryKabla& kabel,
               QWidget* rodzic);
    ~TKabelForm() override;

    // The cable of the fields; valid once the dialog closed with OK.
    TParametryKabla Kabel() const { return Wybrany; }
    // The lists ticked.
    TListyZrodla Listy() const;

    // Whether a typed key reaches an edit holding tekstPola with the cursor at kursor:
    // what the point dialog lets through, and a minus in front when ujemne.
    static bool Przepusc(const QString& tekstPola, int kursor, bool ujemne, int klawisz,
                         Qt::KeyboardModifiers modyfikatory, const QString& tekst);

    // Checks the fields; with all valid it rewrites them with one decimal and closes the
    // dialog with OK, otherwise a message names the fault and it stays open.
    void OKBtnClick();

    QComboBox* KategoriaComboBox;
    QLineEdit* DlugoscEdit;
    QLineEdit* TemperaturaEdit;
    QCheckBox* TlumienieCheckBox;
    QCheckBox* PrzesluchyCheckBox;
    QCheckBox* EchoCheckBox;
    TWykres* PodgladWykres;
    QLabel* PodsumowanieLabel;
    QPushButton* OKBtn;
    QPushButton* AnulujBtn;

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    // The cable of the fields, or none while one holds no number in its range.
    std::optional<TParametryKabla> KabelZPol() const;
    void OdswiezPodglad();

    const int Standard;
    const std::int32_t Mbps;
    TParametryKabla Wybrany;
    // The preview's attenuation, crosstalk and echo, then their limits.
    std::array<std::unique_ptr<TFltFltStrumien>, 6> Podglad;
};
