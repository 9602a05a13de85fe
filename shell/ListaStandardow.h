// The standards list as the start and options dialogs show it.
#pragma once

#include <QStringList>

class QComboBox;
class TRadioGroup;

// The four names in the order of the standards table, in the language in use.
QStringList NazwyStandardow();

// Clears the control's items and adds the texts in order.
void WypelnijListe(TRadioGroup* lista, const QStringList& teksty);
void WypelnijListe(QComboBox* lista, const QStringList& teksty);
