// Lintavox: the splash window, then the main window and its message loop.
#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QStyleFactory>

#include <exception>

#include "Obrazy.h"
#include "TMainForm.h"
#include "TSplashForm.h"
#include "UslugiQt.h"
#include "WatekQt.h"

namespace {

// Qt's notify with the toolkit's error display for anything a handler lets through.
class TAplikacja : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* odbiorca, QEvent* zdarzenie) override
    {
        try {
            return QApplication::notify(odbiorca, zdarzenie);
        } catch (const std::exception& blad) {
            QMessageBox::critical(activeWindow(), QStringLiteral("Lintavox"), QString::fromLocal8Bit(blad.what()));
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    TAplikacja aplikacja(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lintavox"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(IkonaProgramu());
    ZaladujTlumaczenieQt();
    UstawSeparatorZLokalizacji();

    TSplashForm splash;
    splash.PokazModalnie();
    splash.PokazZPrzyciskiem();

    TMainForm oknoGlowne;
    splash.UstawOknoGlowne(&oknoGlowne);
    oknoGlowne.show();
    splash.raise();

    const int kod = QApplication::exec();
    // A run cancelled by closing its window may still be returning from a library.
    TWatek::ZakonczWszystkieICzekaj();
    return kod;
}
