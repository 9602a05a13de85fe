#include "Drukowanie.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include <algorithm>
#include <limits>
#include <optional>

#include "EksportWykresu.h"
#include "JezykQt.h"
#include "PlotnoQt.h"
#include "StronyPasm.h"
#include "TSimChildForm.h"
#include "UslugiQt.h"
#include "ZapisPlikuQt.h"

namespace {

constexpr int WysokoscMapyWSzerokosciach = 7;
// Dots per inch of a PDF of the printed pages: a laser printer's, so that the pages come
// out as they would from one.
constexpr int RozdzielczoscPdf = 600;

QString TypMapyBitowej()
{
    return TTekst::tr("Bitmapy (*.bmp)");
}

const QString TypPdf = QStringLiteral("PDF (*.pdf)");

// The format of a file chosen in the save dialog, where wybrany is the type chosen there.
TFormatWynikow FormatPlikuWynikow(const QString& plik, TFormatWynikow wybrany)
{
    const QString rozszerzenie = QFileInfo(plik).suffix().toLower();
    if (rozszerzenie == RozszerzenieTypu(TypPdf))
        return TFormatWynikow::Pdf;
    if (rozszerzenie == RozszerzenieTypu(TypMapyBitowej()))
        return TFormatWynikow::MapaBitowa;
    return wybrany;
}

int SzerokoscEkranu()
{
    const QScreen* ekran = QGuiApplication::primaryScreen();
    return ekran ? ekran->geometry().width() : 0;
}

} // namespace

bool MaWynikiDoRaportu(const TSimChildForm& okno)
{
    // Background work may be replacing what the charts show: the report waits for it.
    if (okno.SymulacjaTrwa() || okno.RekalkulacjaTrwa())
        return false;
    return okno.WynikiGotowe() && okno.Wyniki() && okno.StronaWidoczna(okno.StronaWyjsc());
}

void RysujWydruk(TSimChildForm& okno, TPlotno& plotno, int W, int szerokoscEkranu,
                 const std::function<void()>& nowaStrona)
{
    const TUkladRaportu u = TUkladRaportu::Dla(W, szerokoscEkranu);
    plotno.UstawGruboscPiora(GruboscPioraRaportu);
    int y = u.M;
    bool pierwsza = true;
    for (const TSekcjaRaportu& sekcja : okno.SekcjeRaportu()) {
        if (!pierwsza) {
            switch (sekcja.WDruku) {
            case TSekcjaRaportu::TMiejsce::NowaStrona:
                nowaStrona();
                y = u.M;
                break;
            case TSekcjaRaportu::TMiejsce::PonizejZOdstepem:
                y += u.M;
                break;
            case TSekcjaRaportu::TMiejsce::Ponizej:
                break;
            }
        }
        pierwsza = false;
        y += sekcja.Rysuj(plotno, u, y);
    }
}

int RysujMapeBitowa(TSimChildForm& okno, TPlotno& plotno, int W, int szerokoscEkranu)
{
    const TUkladRaportu u = TUkladRaportu::Dla(W, szerokoscEkranu);
    plotno.UstawGruboscPiora(GruboscPioraRaportu);
    int y = u.M;
    for (const TSekcjaRaportu& sekcja : okno.SekcjeRaportu())
        y += sekcja.Rysuj(plotno, u, y) + u.M;
    return y;
}

QImage MapaWynikow(TSimChildForm& okno, int szerokoscEkranu)
{
    const int W = szerokoscEkranu;
    if (W <= 0 || W > std::numeric_limits<int>::max() / WysokoscMapyWSzerokosciach)
        return {};
    // Drawn first on a canvas seven widths high; a report that needs more is drawn
    // again on one as tall as it is, so nothing below that row is lost.
    int wysokosc = WysokoscMapyWSzerokosciach * W;
    for (int proba = 0; proba < 2; ++proba) {
        QImage obraz(W, wysokosc, QImage::Format_RGB32);
        if (obraz.isNull())
            return {};
        obraz.fill(Qt::white);
        int y = 0;
        {
            QPainter malarz(&obraz);
            TPlotnoQt plotno(malarz);
            y = RysujMapeBitowa(okno, plotno, W, szerokoscEkranu);
        }
        if (y <= wysokosc || proba == 1)
            return obraz.copy(0, 0, W, std::min(y, wysokosc));
        wysokosc = y;
    }
    return {};
}

bool DrukujStrony(TSimChildForm& okno, QPagedPaintDevice& strony)
{
    QPainter malarz;
    if (!malarz.begin(&strony))
        return false;
    {
        TPlotnoQt plotno(malarz);
        RysujWydruk(okno, plotno, strony.width(), SzerokoscEkranu(), [&] {
            // A move hands the lines the canvas has gathered to the painter, so they
            // land on the page they belong to.
            plotno.PrzesunDo(0, 0);
            strony.newPage();
        });
    }
    return malarz.end();
}

bool ZapiszPdfWynikow(TSimChildForm& okno, QIODevice& wyjscie)
{
    QPdfWriter pdf(&wyjscie);
    UstawPdf(pdf, QPageSize(QPageSize::A4), RozdzielczoscPdf);
    pdf.setTitle(okno.windowTitle());
    return DrukujStrony(okno, pdf);
}

void DrukujWyniki(TSimChildForm& okno, QWidget* rodzic)
{
    DrukujWyniki(okno, rodzic, QPrinterInfo::defaultPrinter());
}

void DrukujWyniki(TSimChildForm& okno, QWidget* rodzic, const QPrinterInfo& drukarka)
{
    if (drukarka.isNull()) {
        if (ZapytajTakNie(rodzic, TTekst::tr("Brak zainstalowanej drukarki - wyników nie wydrukowano.\n"
                                             "Czy zapisać je w pliku PDF?")))
            ZapiszWyniki(okno, rodzic, TFormatWynikow::Pdf);
        return;
    }
    QPrinter wydruk(drukarka);
    wydruk.setDocName(okno.windowTitle());
    if (!DrukujStrony(okno, wydruk))
        PokazKomunikat(rodzic, TTekst::tr("Nie udało się wydrukować wyników na drukarce %1.").arg(drukarka.printerName()));
}

bool EksportujWyniki(TSimChildForm& okno, const QString& plik, TFormatWynikow format)
{
    std::optional<TBladZapisu> blad;
    if (format == TFormatWynikow::Pdf) {
        blad = ZapiszPlik(plik, [&](QIODevice& wyjscie) { return ZapiszPdfWynikow(okno, wyjscie); });
    } else {
        const QImage obraz = MapaWynikow(okno, SzerokoscEkranu());
        if (obraz.isNull()) {
            PokazKomunikat(nullptr, TTekst::tr("Brak pamięci na mapę bitową wyników - plik nie został zapisany."));
            return false;
        }
        blad = ZapiszPlik(plik, [&](QIODevice& wyjscie) { return obraz.save(&wyjscie, "BMP"); });
    }
    if (blad)
        PokazKomunikat(nullptr, OpisBleduZapisu(plik, *blad));
    return !blad;
}

void ZapiszWyniki(TSimChildForm& okno, QWidget* rodzic, TFormatWynikow format)
{
    const QString nazwaFolderu = QStringLiteral("Wyniki");
    QDir(FolderProgramu()).mkpath(nazwaFolderu);
    QFileDialog WynikSaveDialog(rodzic, TTekst::tr("Zapisywanie wynikow symulacji"));
    WynikSaveDialog.setObjectName(QStringLiteral("WynikSaveDialog"));
    PrzygotujDialogPliku(WynikSaveDialog);
    WynikSaveDialog.setAcceptMode(QFileDialog::AcceptSave);
    WynikSaveDialog.setFileMode(QFileDialog::AnyFile);
    UstawTypyPlikow(WynikSaveDialog, {TypMapyBitowej(), TypPdf}, format == TFormatWynikow::Pdf ? 1 : 0);
    WynikSaveDialog.setDirectory(QDir(FolderProgramu()).filePath(nazwaFolderu));
    WynikSaveDialog.selectFile(QStringLiteral("wyniki"));
    if (WynikSaveDialog.exec() != QDialog::Accepted || WynikSaveDialog.selectedFiles().isEmpty())
        return;
    const QString plik = WynikSaveDialog.selectedFiles().constFirst();
    const TFormatWynikow wybrany =
        WynikSaveDialog.selectedNameFilter() == TypPdf ? TFormatWynikow::Pdf : TFormatWynikow::MapaBitowa;
    EksportujWyniki(okno, plik, FormatPlikuWynikow(plik, wybrany));
}
