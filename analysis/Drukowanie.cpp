#include "Drukowanie.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include <algorithm>
#include <limits>

#include "PlotnoQt.h"
#include "StronyPasm.h"
#include "TSimChildForm.h"
#include "UslugiQt.h"

namespace {

constexpr int WysokoscMapyWSzerokosciach = 7;

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

bool DrukujWyniki(TSimChildForm& okno, QPrinter& drukarka)
{
    QPainter malarz;
    if (!malarz.begin(&drukarka))
        return false;
    {
        TPlotnoQt plotno(malarz);
        RysujWydruk(okno, plotno, drukarka.width(), SzerokoscEkranu(), [&] {
            // A move hands the lines the canvas has gathered to the painter, so they
            // land on the page they belong to.
            plotno.PrzesunDo(0, 0);
            drukarka.newPage();
        });
    }
    return malarz.end();
}

void DrukujWyniki(TSimChildForm& okno)
{
    const QPrinterInfo domyslna = QPrinterInfo::defaultPrinter();
    if (domyslna.isNull()) {
        PokazKomunikat(nullptr, QStringLiteral("Brak zainstalowanej drukarki - wyników nie wydrukowano."));
        return;
    }
    QPrinter drukarka(domyslna);
    drukarka.setDocName(okno.windowTitle());
    if (!DrukujWyniki(okno, drukarka))
        PokazKomunikat(nullptr, QStringLiteral("Nie udało się wydrukować wyników na drukarce ") +
                                    domyslna.printerName() + QStringLiteral("."));
}

bool EksportujWyniki(TSimChildForm& okno, const QString& plik)
{
    const QImage obraz = MapaWynikow(okno, SzerokoscEkranu());
    if (obraz.isNull()) {
        PokazKomunikat(nullptr, QStringLiteral("Brak pamięci na mapę bitową wyników - plik nie został zapisany."));
        return false;
    }
    if (!obraz.save(plik, "BMP")) {
        PokazKomunikat(nullptr, QStringLiteral("Nie udało się zapisać pliku ") + QDir::toNativeSeparators(plik) +
                                    QStringLiteral("."));
        return false;
    }
    return true;
}

void ZapiszWyniki(TSimChildForm& okno, QWidget* rodzic)
{
    const QString nazwaFolderu = QStringLiteral("Wyniki");
    QDir(FolderProgramu()).mkpath(nazwaFolderu);
    QFileDialog WynikSaveDialog(rodzic, QStringLiteral("Zapisywanie wynikow symulacji"));
    WynikSaveDialog.setObjectName(QStringLiteral("WynikSaveDialog"));
    PrzygotujDialogPliku(WynikSaveDialog);
    WynikSaveDialog.setAcceptMode(QFileDialog::AcceptSave);
    WynikSaveDialog.setFileMode(QFileDialog::AnyFile);
    WynikSaveDialog.setNameFilter(QStringLiteral("Bitmapy (*.bmp)"));
    WynikSaveDialog.setDefaultSuffix(QStringLiteral("bmp"));
    WynikSaveDialog.setDirectory(QDir(FolderProgramu()).filePath(nazwaFolderu));
    WynikSaveDialog.selectFile(QStringLiteral("wyniki"));
    if (WynikSaveDialog.exec() != QDialog::Accepted || WynikSaveDialog.selectedFiles().isEmpty())
        return;
    EksportujWyniki(okno, WynikSaveDialog.selectedFiles().constFirst());
}
