// The dialog that adds or edits one point of a characteristic: a frequency in MHz
// strictly between two bounds and a level from 0 to 100 dB, both typed as decimals.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TDodajPunktForm : public QDialog {
    Q_OBJECT

public:
    explicit TDodajPunktForm(QWidget* rodzic);

    // The value label reads "Wzmocnienie" for the regenerator's list, "Tłumienie:" for
    // the others, and the range message names the same quantity.
    void UstawRegeneracja(bool regeneracja);
    bool Regeneracja() const { return regeneracja; }

    // Whether a typed key reaches an edit holding tekstPola: digits and backspace always,
    // the decimal separator only after a digit and once; keys that type nothing, and
    // shortcuts, always do.
    static bool Przepusc(const QString& tekstPola, int klawisz, Qt::KeyboardModifiers modyfikatory,
                         const QString& tekst);

    // Checks the two edits; with both valid it rewrites them with three decimals and
    // closes the dialog with OK, otherwise a message names the fault and it stays open.
    void OKBtnClick();

    // Open bounds of the frequency, MHz; 0 unless set. A disabled frequency edit (a
    // point whose frequency is fixed) is not checked against them.
    float Dolna = 0.0f;
    float Gorna = 0.0f;

    QLabel* CzestotliwoscLabel;
    QLabel* MHzLabel;
    QLabel* WartoscLabel;
    QLabel* DBLabel;
    QLineEdit* CzestotliwoscEdit;
    QLineEdit* WartoscEdit;
    QPushButton* OKBtn;
    QPushButton* AnulujBtn;

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    bool regeneracja = false;
};
