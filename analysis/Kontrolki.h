// Small controls as the analysis window's pages and dialogs all make them: a label of
// plain text, and the row of buttons a dialog closes with.
#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// A label that shows its text as it is, never as markup; nazwa: its object name, if any.
QLabel* Etykieta(const QString& tekst, QWidget* rodzic, const QString& nazwa = {});

// The accepting button (text tekst, named OKBtn unless nazwa says otherwise, the default
// for Enter) and "Anuluj" (AnulujBtn, rejecting, as Escape does), right-aligned in Uklad.
// What the accepting button does is the dialog's to connect.
struct TPrzyciskiDialogu {
    QPushButton* OK;
    QPushButton* Anuluj;
    QHBoxLayout* Uklad;
};
TPrzyciskiDialogu PrzyciskiDialogu(QDialog& dialog, const QString& tekst, const QString& nazwa = {});
