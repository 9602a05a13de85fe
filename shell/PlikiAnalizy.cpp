#include "PlikiAnalizy.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QSettings>

#include "JezykQt.h"
#include "Standardy.h"
#include "TSimChildForm.h"
#include "UslugiQt.h"

namespace {

const QString KluczOstatnich = QStringLiteral("OstatnieAnalizy");
const QString KluczFolderu = QStringLiteral("FolderAnaliz");

QString FiltrAnaliz()
{
    return TTekst::tr("Analizy Lintavox (*.%1)").arg(QLatin1String(RozszerzenieAnalizy));
}

// Where a dialog starts: the folder of the last file used, else the working folder.
QString FolderStartowy()
{
    const QString folder = QSettings().value(KluczFolderu).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::currentPath();
}

void ZapamietajFolder(const QString& plik)
{
    QSettings().setValue(KluczFolderu, QFileInfo(plik).absolutePath());
}

} // namespace

QStringList OstatnieAnalizy()
{
    QStringList pliki = QSettings().value(KluczOstatnich).toStringList();
    pliki.removeAll(QString());
    if (pliki.size() > LiczbaOstatnichAnaliz)
        pliki.resize(LiczbaOstatnichAnaliz);
    return pliki;
}

void DodajOstatniaAnalize(const QString& plik)
{
    const QString sciezka = QFileInfo(plik).absoluteFilePath();
    QStringList pliki = OstatnieAnalizy();
    pliki.removeAll(sciezka);
    pliki.prepend(sciezka);
    if (pliki.size() > LiczbaOstatnichAnaliz)
        pliki.resize(LiczbaOstatnichAnaliz);
    QSettings ustawienia;
    ustawienia.setValue(KluczOstatnich, pliki);
    ustawienia.setValue(KluczFolderu, QFileInfo(sciezka).absolutePath());
}

void UsunOstatniaAnalize(const QString& plik)
{
    QStringList pliki = OstatnieAnalizy();
    if (pliki.removeAll(QFileInfo(plik).absoluteFilePath()) > 0)
        QSettings().setValue(KluczOstatnich, pliki);
}

QStringList WybierzAnalizyDoOtwarcia(QWidget* rodzic)
{
    QFileDialog OpenDialog(rodzic, TTekst::tr("Otwieranie analizy"));
    OpenDialog.setObjectName(QStringLiteral("OpenAnalizaDialog"));
    PrzygotujDialogPliku(OpenDialog);
    OpenDialog.setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog.setFileMode(QFileDialog::ExistingFiles);
    // The command line's results are analyses too, whatever their names end with.
    OpenDialog.setNameFilters({FiltrAnaliz(), TTekst::tr("Wyniki lintavox-sim (*.json)"),
                               TTekst::tr("Wszystkie pliki (*)")});
    OpenDialog.setDirectory(FolderStartowy());
    if (OpenDialog.exec() != QDialog::Accepted)
        return {};
    const QStringList pliki = OpenDialog.selectedFiles();
    if (!pliki.isEmpty())
        ZapamietajFolder(pliki.front());
    return pliki;
}

std::optional<TWyborZapisu> WybierzZapisAnalizy(QWidget* rodzic, const TSimChildForm& analiza)
{
    QFileDialog SaveDialog(rodzic, TTekst::tr("Zapisywanie analizy"));
    SaveDialog.setObjectName(QStringLiteral("SaveAnalizaDialog"));
    PrzygotujDialogPliku(SaveDialog);
    SaveDialog.setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog.setFileMode(QFileDialog::AnyFile);
    SaveDialog.setNameFilter(FiltrAnaliz());
    SaveDialog.setDefaultSuffix(QLatin1String(RozszerzenieAnalizy));
    if (!analiza.Plik().isEmpty()) {
        SaveDialog.selectFile(analiza.Plik());
    } else {
        SaveDialog.setDirectory(FolderStartowy());
        const std::string_view standard = Standardy.at(static_cast<std::size_t>(analiza.Standard())).Nazwa;
        QString nazwa = QStringLiteral("analiza-") + QString::fromUtf8(standard.data(), static_cast<qsizetype>(standard.size()));
        nazwa.remove(QLatin1Char('(')).remove(QLatin1Char(')')).replace(QLatin1Char(' '), QLatin1Char('-'));
        SaveDialog.selectFile(nazwa + QLatin1Char('.') + QLatin1String(RozszerzenieAnalizy));
    }

    // Results that no longer belong to the settings on the page are never saved with them.
    auto* wyniki = new QCheckBox(TTekst::tr("Zapisz także wyniki ostatniej symulacji"), &SaveDialog);
    wyniki->setObjectName(QStringLiteral("ZWynikamiCheckBox"));
    const bool aktualne = analiza.WynikiAktualne();
    wyniki->setEnabled(aktualne);
    wyniki->setChecked(aktualne && analiza.ZapisujWyniki());
    wyniki->setToolTip(aktualne ? TTekst::tr("Przebiegi, wykresy i oceny błędów otworzą się bez ponownej symulacji.")
                                : TTekst::tr("Wyniki nie odpowiadają bieżącym ustawieniom albo symulacji jeszcze "
                                             "nie przeprowadzono."));
    if (auto* uklad = qobject_cast<QGridLayout*>(SaveDialog.layout()))
        uklad->addWidget(wyniki, uklad->rowCount(), 0, 1, uklad->columnCount());

    if (SaveDialog.exec() != QDialog::Accepted || SaveDialog.selectedFiles().isEmpty())
        return std::nullopt;
    return TWyborZapisu{SaveDialog.selectedFiles().constFirst(), wyniki->isChecked()};
}

QString KomunikatOtwarcia(const QString& plik, const TBladAnalizy& blad)
{
    return TTekst::tr("Nie można otworzyć analizy „%1”.\n\n%2")
        .arg(QFileInfo(plik).fileName(), QString::fromStdString(OpisBleduAnalizy(blad, JezykProgramu())));
}
