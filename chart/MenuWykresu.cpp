#include "MenuWykresu.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMenu>

#include "EksportWykresu.h"
#include "JezykQt.h"
#include "UslugiQt.h"
#include "Wykres.h"
#include "ZapisPlikuQt.h"

namespace {

const char* const TytulObrazu = QT_TRANSLATE_NOOP("TTekst", "Zapisz obraz wykresu");
const char* const TytulDanych = QT_TRANSLATE_NOOP("TTekst", "Zapisz dane wykresu");

// The folder of the last copy saved; the first one goes to "Wyniki" beside the program,
// where the results go.
QString& OstatniFolder()
{
    static QString folder;
    if (folder.isEmpty()) {
        const QString wyniki = QDir(FolderProgramu()).filePath(QStringLiteral("Wyniki"));
        folder = QDir().mkpath(wyniki) ? wyniki : QDir::homePath();
    }
    return folder;
}

// The file the user names in a save dialog (with the extension of the chosen type when
// none is typed), or an empty string when cancelled.
QString WybierzPlik(TWykres& wykres, const QString& tytul, const QString& nazwa, const QStringList& filtry)
{
    QFileDialog dialog(&wykres, tytul, QDir(OstatniFolder()).filePath(nazwa));
    dialog.setObjectName(QStringLiteral("EksportWykresuDialog"));
    PrzygotujDialogPliku(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    UstawTypyPlikow(dialog, filtry, 0);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString plik = dialog.selectedFiles().constFirst();
    OstatniFolder() = QFileInfo(plik).absolutePath();
    return plik;
}

void ZglosBlad(TWykres& wykres, const QString& plik, const std::optional<TBladEksportu>& blad)
{
    if (!blad)
        return;
    switch (blad->Rodzaj) {
    case TBladEksportu::NieZwyklyPlik:
        PokazKomunikat(&wykres, OpisBleduZapisu(plik, { TBladZapisu::NieZwyklyPlik, {} }));
        break;
    case TBladEksportu::ZaDuzyObraz:
        PokazKomunikat(&wykres, TTekst::tr("Obraz w tej skali byłby za duży; wybierz mniejszą skalę."));
        break;
    case TBladEksportu::Zapis:
        PokazKomunikat(&wykres, OpisBleduZapisu(plik, { TBladZapisu::Zapis, blad->Szczegoly }));
        break;
    }
}

void KopiujObraz(TWykres& wykres)
{
    QGuiApplication::clipboard()->setImage(ObrazWykresu(wykres, wykres.devicePixelRatioF()));
}

void ZapiszObrazZDialogiem(TWykres& wykres)
{
    const QString plik = WybierzPlik(wykres, TTekst::tr(TytulObrazu), QStringLiteral("wykres.png"),
        { TTekst::tr("Obraz PNG (*.png)"), TTekst::tr("Grafika wektorowa SVG (*.svg)"),
            TTekst::tr("Dokument PDF (*.pdf)") });
    if (plik.isEmpty())
        return;
    const std::optional<TFormatObrazu> format = FormatObrazu(plik);
    if (!format) {
        PokazKomunikat(&wykres, TTekst::tr("Obraz można zapisać jako plik .png, .svg lub .pdf."));
        return;
    }
    double skala = 1.0;
    if (*format == TFormatObrazu::Png) {
        bool ok = false;
        const QString pytanie =
            TTekst::tr("Skala obrazu (1 to %1 × %2 pikseli, jak na ekranie):").arg(wykres.width()).arg(wykres.height());
        skala = QInputDialog::getDouble(&wykres, TTekst::tr(TytulObrazu), pytanie, 2.0, 0.25, 8.0, 2, &ok,
                                        Qt::WindowFlags(), 0.25);
        if (!ok)
            return;
    }
    ZglosBlad(wykres, plik, ZapiszObraz(wykres, plik, *format, skala));
}

void ZapiszDaneZDialogiem(TWykres& wykres)
{
    const QString plik
        = WybierzPlik(wykres, TTekst::tr(TytulDanych), QStringLiteral("wykres.csv"), { TTekst::tr("Dane CSV (*.csv)") });
    if (!plik.isEmpty())
        ZglosBlad(wykres, plik, ZapiszDane(wykres, plik));
}

} // namespace

QMenu* UtworzMenuWykresu(TWykres& wykres)
{
    auto* menu = new QMenu(&wykres);
    menu->setObjectName(QStringLiteral("MenuWykresu"));
    QObject::connect(menu->addAction(TTekst::tr("Kopiuj obraz")), &QAction::triggered, &wykres,
        [&wykres] { KopiujObraz(wykres); });
    QObject::connect(menu->addAction(TTekst::tr("Zapisz obraz…")), &QAction::triggered, &wykres,
        [&wykres] { ZapiszObrazZDialogiem(wykres); });
    QAction* dane = menu->addAction(TTekst::tr("Zapisz dane…"));
    dane->setEnabled(MaDaneDoZapisu(wykres));
    QObject::connect(dane, &QAction::triggered, &wykres, [&wykres] { ZapiszDaneZDialogiem(wykres); });
    return menu;
}

void PokazMenuWykresu(TWykres& wykres, const QPoint& globalnie)
{
    QMenu* menu = UtworzMenuWykresu(wykres);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalnie);
}
