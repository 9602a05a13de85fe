// The options of a Touchstone import, asked once the file has been read: the port order of
// a four- or eight-port file, the attenuation below its lowest frequency, the most points a
// list keeps, and which characteristics the file's parameters fill.
#pragma once

#include <QDialog>

#include "Ustawienia.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TImportTouchstoneForm : public QDialog {
    Q_OBJECT

public:
    // dane: the file as read; plik: its name. Of the lists the file gives, those in
    // oferowane are offered and the one in zaznaczone starts ticked.
    TImportTouchstoneForm(const TDaneTouchstone& dane, const QString& plik, TListyZrodla oferowane,
                          TListyZrodla zaznaczone, QWidget* rodzic);

    // The options chosen (the filter's highest frequency is the caller's to set) and the
    // lists ticked; valid once the dialog closed with "Importuj".
    TOpcjeImportu Opcje() const { return Wybrane; }
    TListyZrodla Listy() const;

    // Checks the point count; when it is valid the dialog closes with "Importuj",
    // otherwise a message names the fault and it stays open.
    void ImportujBtnClick();

    QLabel* PlikLabel;
    QRadioButton* Porty1324Radio;
    QRadioButton* Porty1234Radio;
    QRadioButton* DopasowanieRadio;
    QRadioButton* StalaRadio;
    QLineEdit* PunktyEdit;
    QCheckBox* TlumienieCheckBox;
    QCheckBox* EchoCheckBox;
    QCheckBox* PrzesluchyCheckBox;
    QPushButton* ImportujBtn;
    QPushButton* AnulujBtn;

private:
    TOpcjeImportu Wybrane;
    bool Roznicowe = false;
};
