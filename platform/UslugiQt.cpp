#include "UslugiQt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QAbstractButton>
#include <QTranslator>
#include <QWidget>

#include "Liczby.h"

namespace {

QString& FolderZastepczy()
{
    static QString folder;
    return folder;
}

} // namespace

QString FolderProgramu()
{
    if (!FolderZastepczy().isEmpty())
        return FolderZastepczy();
    return QCoreApplication::applicationDirPath();
}

void UstawFolderProgramu(const QString& folder)
{
    FolderZastepczy() = folder;
}

void PokazKomunikat(QWidget* pole, const QString& tekst)
{
    QWidget* rodzic = pole ? pole->window() : QApplication::activeWindow();
    QMessageBox okno(QMessageBox::NoIcon, QStringLiteral("Lintavox"), tekst, QMessageBox::Ok, rodzic);
    okno.setObjectName(QStringLiteral("Komunikat"));
    okno.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QAbstractButton* ok = okno.button(QMessageBox::Ok);
    ok->setText(QStringLiteral("OK"));
    ok->setIcon(QIcon());
    okno.exec();
    if (pole) {
        pole->activateWindow();
        pole->setFocus(Qt::OtherFocusReason);
    }
}

TKursorEkranu KursorEkranu()
{
    return QApplication::overrideCursor() ? TKursorEkranu::Uruchamianie : TKursorEkranu::Domyslny;
}

void UstawKursorEkranu(TKursorEkranu kursor)
{
    // One cursor for the whole screen, as a run or a recalculation sets it: the
    // override stack never holds more than one entry.
    if (kursor == TKursorEkranu::Domyslny) {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    } else if (!QApplication::overrideCursor()) {
        QApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    }
}

void UstawSeparatorZLokalizacji()
{
    const QString kropka = QLocale().decimalPoint();
    if (kropka.size() == 1 && kropka.front().unicode() < 0x80)
        UstawSeparatorDziesietny(static_cast<char>(kropka.front().unicode()));
}

void ZaladujTlumaczenieQt()
{
    static QTranslator tlumaczenie;
    if (tlumaczenie.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&tlumaczenie);
}

namespace {

// Icons and type names from the file's name and kind, never from its content.
class TIkonyPlikowPoNazwie : public QFileIconProvider {
public:
    QIcon icon(IconType typ) const override { return QFileIconProvider::icon(typ); }
    QIcon icon(const QFileInfo& plik) const override
    {
        return QFileIconProvider::icon(plik.isDir() ? QAbstractFileIconProvider::Folder
                                                    : QAbstractFileIconProvider::File);
    }
    QString type(const QFileInfo& plik) const override
    {
        if (plik.isDir())
            return QStringLiteral("Folder");
        return plik.suffix().isEmpty() ? QStringLiteral("Plik") : QStringLiteral("Plik ") + plik.suffix().toUpper();
    }
};

} // namespace

void PrzygotujDialogPliku(QFileDialog& dialog)
{
    static TIkonyPlikowPoNazwie ikony;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&ikony);
}

QString TekstStalo(double wartosc, int miejsca)
{
    return QString::fromStdString(FormatujStalo(wartosc, miejsca));
}
