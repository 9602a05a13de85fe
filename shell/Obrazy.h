// The program's own pictures, drawn in code: the window and tool-bar icons, the
// splash picture and the splash window's button picture.
#pragma once

#include <QIcon>
#include <QPixmap>

QIcon IkonaProgramu();
QIcon IkonaNowa();
QIcon IkonaZapisz();
QIcon IkonaDrukuj();
QIcon IkonaOpcje();
QIcon IkonaZakoncz();

// The upper picture of the splash window: an eye diagram behind the program's name.
QPixmap ObrazPowitalny(QSize rozmiar);
// The picture on the splash window's button: an arrow pointing onwards.
QPixmap ObrazPrzyciskuDalej(QSize rozmiar);
