// The start dialog: picks the standard of a new analysis, optionally offering to open
// one from disk. Its height follows the standards list and the open option.
#pragma once

#include <QDialog>

class QPushButton;
class TRadioGroup;

class TStartForm : public QDialog {
    Q_OBJECT

public:
    // pokazOtworz: offer "Otwórz analizę z dysku" (at start-up; not for the "Nowa" command).
    TStartForm(bool pokazOtworz, QWidget* rodzic);

    // The chosen standard's index, or -1 when the open option is chosen.
    int WybranyStandard() const;

    TRadioGroup* NewSimRadioGroup;
    TRadioGroup* OpenSimRadioGroup;
    QPushButton* OKButton;
    QPushButton* CancelButton;

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    void RozmiescKontrolki();
};
