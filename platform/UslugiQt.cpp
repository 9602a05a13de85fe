#include "UslugiQt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QAbstractButton>
#include <QWidget>

#include <initializer_list>
#include <utility>

#include "JezykQt.h"
#include "Liczby.h"

namespace {

QString& FolderZastepczy()
{
    static QString folder;
    return folder;
}

// The program's message box: its caption, no icon, a title bar with a close button only,
// and the buttons under the texts given, without icons.
void PrzygotujKomunikat(QMessageBox& okno, const std::initializer_list<std::pair<QMessageBox::StandardButton, QString>>& przyciski)
{
    okno.setWindowTitle(QStringLiteral("Lintavox"));
    okno.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    for (const auto& [przycisk, tekst] : przyciski) {
        QPushButton* b = okno.addButton(przycisk);
        b->setText(tekst);
        b->setIcon(QIcon());
    }
}

QWidget* OknoNad(QWidget* pole)
{
    return pole ? pole->window() : QApplication::activeWindow();
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
    QMessageBox okno(QMessageBox::NoIcon, {}, tekst, QMessageBox::NoButton, OknoNad(pole));
    okno.setObjectName(QStringLiteral("Komunikat"));
    PrzygotujKomunikat(okno, {{QMessageBox::Ok, QStringLiteral("OK")}});
    okno.exec();
    if (pole) {
        pole->activateWindow();
        pole->setFocus(Qt::OtherFocusReason);
    }
}

bool ZapytajTakNie(QWidget* rodzic, const QString& tekst)
{
    QMessageBox okno(QMessageBox::NoIcon, {}, tekst, QMessageBox::NoButton, OknoNad(rodzic));
    okno.setObjectName(QStringLiteral("Pytanie"));
    PrzygotujKomunikat(okno, {{QMessageBox::Yes, TTekst::tr("Tak")}, {QMessageBox::No, TTekst::tr("Nie")}});
    okno.setDefaultButton(QMessageBox::Yes);
    return okno.exec() == QMessageBox::Yes;
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
            return TTekst::tr("Folder");
        return plik.suffix().isEmpty() ? TTekst::tr("Plik") : TTekst::tr("Plik %1").arg(plik.suffix().toUpper());
    }
};

} // namespace

void PrzygotujDialogPliku(QFileDialog& dialog)
{
    static TIkonyPlikowPoNazwie ikony;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&ikony);
}

QString RozszerzenieTypu(const QString& filtr)
{
    const qsizetype gwiazdka = filtr.indexOf(QStringLiteral("*."));
    if (gwiazdka < 0)
        return {};
    const qsizetype koniec = filtr.indexOf(QLatin1Char(')'), gwiazdka);
    return filtr.mid(gwiazdka + 2, koniec < 0 ? -1 : koniec - gwiazdka - 2);
}

void UstawTypyPlikow(QFileDialog& dialog, const QStringList& filtry, int wybrany)
{
    dialog.setNameFilters(filtry);
    const QString typ = filtry.value(wybrany);
    dialog.selectNameFilter(typ);
    dialog.setDefaultSuffix(RozszerzenieTypu(typ));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filtr) { dialog.setDefaultSuffix(RozszerzenieTypu(filtr)); });
}

QString TekstStalo(double wartosc, int miejsca)
{
    return QString::fromStdString(FormatujStalo(wartosc, miejsca));
}
