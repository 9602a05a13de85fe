// The options dialog "Ustawienia": per standard, which features an analysis offers.
// It edits the main window's table in place; "OK" writes varto.cfg and applies the language.
#pragma once

#include <QDialog>

#include "UstawieniaStandardu.h"

class QComboBox;
class QPushButton;
class TRadioGroup;

class TForm1 : public QDialog {
    Q_OBJECT

public:
    // tabela: the main window's options table, edited in place; plik: path of varto.cfg.
    TForm1(TTabelaUstawien& tabela, const QString& plik, QWidget* rodzic);

    QComboBox* NewSimComboBox;
    TRadioGroup* BerErfRadioGroup;
    TRadioGroup* RegeneracjaRadioGroup;
    TRadioGroup* PrzesluchyRadioGroup;
    TRadioGroup* EchoRadioGroup;
    TRadioGroup* DekoderRadioGroup;
    TRadioGroup* RozkladyRadioGroup;
    // "Język / Language": Polski or English, applied to every window by "OK".
    QComboBox* JezykComboBox;
    QPushButton* OKButton;
    QPushButton* AnulujButton;

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    TRadioGroup* DodajGrupe(const QString& tytul, const QString& nazwa, std::int32_t UstawieniaStandardu::*pole,
                            bool efektKanalu);
    void PokazStandard(int indeks);
    void OKButtonClick();

    TTabelaUstawien& Tabela;
    QString Plik;
    struct TGrupaPola {
        TRadioGroup* Grupa;
        std::int32_t UstawieniaStandardu::*Pole;
    };
    QList<TGrupaPola> Grupy;
};
