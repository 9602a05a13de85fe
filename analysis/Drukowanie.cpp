#include "Drukowanie.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTableWidgetItem>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "PlotnoQt.h"
#include "TLegenda.h"
#include "TObszarPasm.h"
#include "TPanelRozkladow.h"
#include "TSimChildForm.h"
#include "UslugiQt.h"
#include "Vartostream.h"
#include "Wykres.h"

namespace {

constexpr int GruboscPiora = 2;
constexpr TColor Bialy = 0xFFFFFF;
// The report's text: the toolkit's default face at this size, plain or bold.
constexpr int RozmiarCzcionki = 10;
constexpr double CzynnikWykladnika = 0.75; // the superscript's size against the text's
constexpr int BokObrazuLegendy = 16;
constexpr int WysokoscMapyWSzerokosciach = 7;

constexpr std::array<int, 4> CzynnikiWejsc = {7, 3, 3, 3};
constexpr std::array<int, 4> CzynnikiWyjsc = {7, 15, 12, 3};

TCzcionka CzcionkaRaportu(bool pogrubiona = false, int rozmiar = RozmiarCzcionki)
{
    TCzcionka czcionka;
    czcionka.Rozmiar = rozmiar;
    czcionka.Pogrubiona = pogrubiona;
    return czcionka;
}

std::string Tekst(const QString& tekst)
{
    return tekst.toStdString();
}

// Plain text on white: the charts leave their own label font and brush on the canvas.
void PiszZwyklym(TPlotno& plotno)
{
    plotno.UstawCzcionke(CzcionkaRaportu());
    plotno.UstawKolorPedzla(Bialy);
}

int WysokoscWiersza(TPlotno& plotno)
{
    PiszZwyklym(plotno);
    return plotno.WysokoscTekstu("A");
}

void RysujTytul(TPlotno& plotno, const TUkladRaportu& u, int gora, const QString& tytul)
{
    const std::string tekst = Tekst(tytul);
    plotno.UstawCzcionke(CzcionkaRaportu(true));
    plotno.UstawKolorPedzla(Bialy);
    const int x = static_cast<int>(u.M + u.C * 0.5 - plotno.SzerokoscTekstu(tekst) * 0.5);
    plotno.PiszTekst(x, gora, tekst);
    plotno.UstawCzcionke(CzcionkaRaportu());
}

// One strip section: its charts, streams and the factors of its layout.
struct TSekcjaPasm {
    QString Tytul;
    TObszarPasm* Pasma;
    std::vector<TFltFltStrumien*> Strumienie; // give each strip its X spacing and name
    double CzescWysokosci;                     // strip height e as a share of C
    double CzescOpisow;                        // description width D as a share of C
    bool Nazwy;                                // write the streams' names
    bool MarginesMaxNaOstatnim;                // shrink OsY.MarginesMax on the last strip too
    TLegenda* Legenda;                         // or null
    int F;
};

// The strip's inner vertical margins shrink to m; the outer ones (and any that are 0)
// stay as they are on screen.
void ZmniejszMarginesy(TWykres& w, std::size_t i, std::size_t n, int m, bool marginesMaxNaOstatnim)
{
    const bool pierwsze = i == 0;
    const bool ostatnie = i + 1 == n;
    if (!ostatnie && w.MarginesDolny() != 0)
        w.UstawMarginesDolny(m);
    if (!pierwsze && w.MarginesGorny() != 0)
        w.UstawMarginesGorny(m);
    if ((marginesMaxNaOstatnim || !ostatnie) && w.OsY.MarginesMax() != 0)
        w.OsY.UstawMarginesMax(m);
    if (w.OsY.MarginesMin() != 0)
        w.OsY.UstawMarginesMin(m);
}

int RysujPasma(TPlotno& plotno, const TUkladRaportu& u, int gora, const TSekcjaPasm& s)
{
    const int h = WysokoscWiersza(plotno);
    RysujTytul(plotno, u, gora, s.Tytul);
    const int T = gora + 2 * h;
    const int e = static_cast<int>(u.C * s.CzescWysokosci);
    const int D = static_cast<int>(u.C * s.CzescOpisow);
    const int m = static_cast<int>(e * 0.03333333333333333);
    TObszarPasm& pasma = *s.Pasma;
    const std::size_t n = pasma.Wykresy.size();
    for (std::size_t i = 0; i < n; ++i) {
        TWykres& przebieg = *pasma.Wykresy[i];
        TWykres& opis = *pasma.Panele[i];
        const int gornaKrawedz = T + static_cast<int>(i) * e;
        for (TWykres* w : {&przebieg, &opis}) {
            w->EnableRepaint(false);
            ZmniejszMarginesy(*w, i, n, m, s.MarginesMaxNaOstatnim);
        }
        const TFltFltStrumien& strumien = *s.Strumienie.at(i);
        const float maxX = strumien.SkalaX * static_cast<float>(s.F) + przebieg.OsX.Min();
        przebieg.PaintToCanvas(plotno, 0, 0, u.M + D, gornaKrawedz, u.C - D, e, maxX, -1, u.K);
        opis.PaintToCanvas(plotno, 0, 0, u.M + 1, gornaKrawedz, D, e, opis.OsX.Max(), -1, u.K);
        if (s.Nazwy) {
            const std::string nazwa = strumien.ZwrocNazwe();
            PiszZwyklym(plotno);
            const int t = plotno.WysokoscTekstu(nazwa);
            plotno.PiszTekst(u.M, T + static_cast<int>(i + 1) * e - e / 2 - t / 2, nazwa);
        }
        przebieg.EnableRepaint(true);
        opis.EnableRepaint(true);
    }
    const int dol = T + static_cast<int>(n) * e;
    const int wiersze = s.Legenda ? s.Legenda->rowCount() : 0;
    for (int j = 0; j < wiersze; ++j) {
        const int srodek = dol + 2 * h * (j + 1);
        RysujObrazLegendy(plotno, s.Legenda->Obraz(j), u.M, srodek - BokObrazuLegendy / 2);
        plotno.UstawGruboscPiora(GruboscPiora);
        PiszZwyklym(plotno);
        plotno.PiszTekst(u.M + 3 * BokObrazuLegendy, srodek - h / 2, Tekst(s.Legenda->item(j, 0)->text()));
    }
    pasma.Rozmiesc();
    // The waveforms run on past the content width wherever their streams are longer.
    plotno.UstawKolorPedzla(Bialy);
    plotno.WypelnijProstokat(u.M + u.C, T, u.M + 2 * u.C, dol);
    return 2 * h + static_cast<int>(n) * e + 2 * h * wiersze;
}

TSekcjaPasm SekcjaWyjsc(TSimChildForm& okno, QString tytul, TObszarPasm* pasma, TLegenda* legenda, int F)
{
    const TWynikSymulacji& w = *okno.Wyniki;
    std::vector<TFltFltStrumien*> strumienie;
    for (const TTorWyniku& tor : w.Tory)
        strumienie.push_back(tor.Odebrany.get());
    const bool wiele = w.Tory.size() > 1;
    return {std::move(tytul),
            pasma,
            std::move(strumienie),
            wiele ? 0.2857142857142857 : 0.3333333333333333,
            wiele ? 0.16666666666666666 : 0.1,
            wiele,
            false,
            legenda,
            F};
}

bool RozkladyBledow(const TSimChildForm& okno)
{
    return okno.Ustawienia.RozkladyBledow != 0;
}

bool SekcjaBledow(const TSimChildForm& okno)
{
    return okno.Ustawienia.Dekoder != 0 || okno.Ustawienia.BerErf != 0 || RozkladyBledow(okno);
}

int SzerokoscEkranu()
{
    const QScreen* ekran = QGuiApplication::primaryScreen();
    return ekran ? ekran->geometry().width() : 0;
}

} // namespace

TUkladRaportu TUkladRaportu::Dla(int W, int szerokoscEkranu)
{
    TUkladRaportu u;
    u.M = W / 20;
    u.C = static_cast<int>(W * 9 * 0.1);
    u.K = szerokoscEkranu > 0 ? static_cast<float>(static_cast<double>(u.C) / szerokoscEkranu * 2.0) : 1.0f;
    return u;
}

int CzynnikWejsc(int standard)
{
    return CzynnikiWejsc.at(static_cast<std::size_t>(standard));
}

int CzynnikWyjsc(int standard)
{
    return CzynnikiWyjsc.at(static_cast<std::size_t>(standard));
}

int RysujCharakterystyke(TPlotno& plotno, const TUkladRaportu& u, int gora, const QString& tytul, TWykres& wykres)
{
    const int h = WysokoscWiersza(plotno);
    RysujTytul(plotno, u, gora, tytul);
    const int wysokosc = static_cast<int>(u.C * 0.5);
    wykres.PaintToCanvas(plotno, 0, 0, u.M, gora + 3 * h, u.C, wysokosc, wykres.OsX.Max(), -1, u.K);
    return 3 * h + wysokosc;
}

int RysujWejsciowe(TSimChildForm& okno, TPlotno& plotno, const TUkladRaportu& u, int gora, int F)
{
    std::vector<TFltFltStrumien*> strumienie;
    for (const auto& s : okno.Wyniki->Wejsciowe)
        strumienie.push_back(s.get());
    return RysujPasma(plotno, u, gora,
                      {QStringLiteral("Ciągi i sygnały wejsciowe"), okno.PasmaWejsciowe, std::move(strumienie),
                       0.15384615384615385, 0.16666666666666666, true, true, nullptr, F});
}

int RysujWyjsciowe(TSimChildForm& okno, TPlotno& plotno, const TUkladRaportu& u, int gora, int F)
{
    return RysujPasma(plotno, u, gora,
                      SekcjaWyjsc(okno, QStringLiteral("Sygnały wyjsciowe"), okno.PasmaWyjsciowe,
                                  okno.LegendaWyjsciowe, F));
}

int RysujZdekodowane(TSimChildForm& okno, TPlotno& plotno, const TUkladRaportu& u, int gora, int F)
{
    return RysujPasma(plotno, u, gora,
                      SekcjaWyjsc(okno, QStringLiteral("Ciagi zdekodowane"), okno.PasmaZdekodowane,
                                  okno.LegendaZdekodowane, F));
}

int RysujWynikiBledow(TSimChildForm& okno, TPlotno& plotno, const TUkladRaportu& u, int gora)
{
    const int h = WysokoscWiersza(plotno);
    RysujTytul(plotno, u, gora, QStringLiteral("Wyniki analizy błędów"));
    int y = gora + 3 * h;
    if (RozkladyBledow(okno)) {
        // With a maximum error of 0 the screen hides the charts, which then show nothing
        // of this run: the report says so as the page does.
        if (okno.Wyniki->NajwiekszyBlad != 0.0f) {
            const int E = static_cast<int>(u.C * 0.5);
            TWykres& rozklad = *okno.Panel3->RozkladBledowWykres;
            const float maxX = rozklad.OsX.Max();
            rozklad.PaintToCanvas(plotno, 0, 0, u.M, y, u.C, E, maxX, -1, u.K);
            okno.Panel3->DystrBledowWykres->PaintToCanvas(plotno, 0, 0, u.M, static_cast<int>(y + E * 1.2), u.C, E,
                                                          maxX, -1, u.K);
            y = static_cast<int>(y + E * 2.4);
        } else {
            PiszZwyklym(plotno);
            plotno.PiszTekst(u.M, y, "Charakterystyki niedostępne ( błąd maksymalny równy 0 )");
            y += 2 * h;
        }
    }
    if (okno.Ustawienia.BerErf != 0) {
        PiszZwyklym(plotno);
        const std::string opis = Tekst(okno.Label6->text());
        const std::string ber = Tekst(okno.BERLabel->text());
        const int w1 = plotno.SzerokoscTekstu(opis);
        const int w2 = plotno.SzerokoscTekstu(ber);
        plotno.PiszTekst(u.M, y, opis);
        plotno.PiszTekst(u.M + w1 + 10, y, ber);
        const TCzcionka zwykla = plotno.Czcionka();
        plotno.UstawCzcionke(CzcionkaRaportu(false, static_cast<int>(zwykla.Rozmiar * CzynnikWykladnika)));
        const int hWykladnika = plotno.WysokoscTekstu("A");
        plotno.PiszTekst(u.M + w1 + w2 + 20, y - hWykladnika / 2, Tekst(okno.ExpBERLabel->text()));
        plotno.UstawCzcionke(zwykla);
        plotno.PiszTekst(u.M, y + 2 * h, Tekst(okno.BERLabel2->text()));
        y += 4 * h;
    }
    if (okno.Ustawienia.Dekoder != 0) {
        PiszZwyklym(plotno);
        plotno.PiszTekst(u.M, y, Tekst(okno.TimeErrorLabel->text()));
        y += 2 * h;
    }
    return y - gora;
}

bool MaWynikiDoRaportu(const TSimChildForm& okno)
{
    // Background work may be replacing what the charts show: the report waits for it.
    if (okno.SymulacjaTrwa || okno.RekalkulacjaTrwa)
        return false;
    return okno.WynikiGotowe && okno.Wyniki &&
           okno.PageControl1->isTabVisible(okno.PageControl1->indexOf(okno.TabSheetWyjsciowe));
}

void RysujWydruk(TSimChildForm& okno, TPlotno& plotno, int W, int szerokoscEkranu,
                 const std::function<void()>& nowaStrona)
{
    const TUkladRaportu u = TUkladRaportu::Dla(W, szerokoscEkranu);
    plotno.UstawGruboscPiora(GruboscPiora);
    int y = u.M;
    const auto strona = [&] {
        nowaStrona();
        y = u.M;
    };

    // At most two characteristics to a page.
    y += RysujCharakterystyke(plotno, u, y, QStringLiteral("Charakterystyka tłumienia"), *okno.Tlumienie.CharWykres);
    const bool przesluchy = okno.PrzesluchyCheckBox->isChecked();
    const bool echo = okno.EchoCheckBox->isChecked();
    if (przesluchy)
        y += RysujCharakterystyke(plotno, u, y, QStringLiteral("Charakterystyka przesłuchów"),
                                  *okno.Przesluchy.CharWykres);
    if (echo) {
        if (przesluchy)
            strona();
        y += RysujCharakterystyke(plotno, u, y, QStringLiteral("Charakterystyka echa"), *okno.Echo.CharWykres);
    }
    if (okno.WzmocnienieCheckBox->isChecked()) {
        if (przesluchy != echo)
            strona();
        RysujCharakterystyke(plotno, u, y, QStringLiteral("Charakterystyka regenratora"),
                             *okno.Wzmocnienie.CharWykres);
    }

    strona();
    RysujWejsciowe(okno, plotno, u, y, CzynnikWejsc(okno.Standard));
    strona();
    y += RysujWyjsciowe(okno, plotno, u, y, CzynnikWyjsc(okno.Standard));
    if (okno.Ustawienia.Dekoder != 0) {
        // Four lanes of decoded sequences need a page of their own.
        if (okno.Wyniki->Tory.size() > 1)
            strona();
        else
            y += u.M;
        RysujZdekodowane(okno, plotno, u, y, CzynnikWyjsc(okno.Standard));
    }
    if (SekcjaBledow(okno)) {
        strona();
        RysujWynikiBledow(okno, plotno, u, y);
    }
}

int RysujMapeBitowa(TSimChildForm& okno, TPlotno& plotno, int W, int szerokoscEkranu)
{
    const TUkladRaportu u = TUkladRaportu::Dla(W, szerokoscEkranu);
    plotno.UstawGruboscPiora(GruboscPiora);
    int y = u.M;
    const auto charakterystyka = [&](const QString& tytul, TWykres* wykres) {
        y += RysujCharakterystyke(plotno, u, y, tytul, *wykres) + u.M;
    };
    charakterystyka(QStringLiteral("Charakterystyka tłumienia"), okno.Tlumienie.CharWykres);
    if (okno.PrzesluchyCheckBox->isChecked())
        charakterystyka(QStringLiteral("Charakterystyka przesłuchów"), okno.Przesluchy.CharWykres);
    if (okno.EchoCheckBox->isChecked())
        charakterystyka(QStringLiteral("Charakterystyka echa"), okno.Echo.CharWykres);
    if (okno.WzmocnienieCheckBox->isChecked())
        charakterystyka(QStringLiteral("Charakterystyka regenratora"), okno.Wzmocnienie.CharWykres);
    y += RysujWejsciowe(okno, plotno, u, y, CzynnikWejsc(okno.Standard)) + u.M;
    y += RysujWyjsciowe(okno, plotno, u, y, CzynnikWyjsc(okno.Standard)) + u.M;
    if (okno.Ustawienia.Dekoder != 0)
        y += RysujZdekodowane(okno, plotno, u, y, CzynnikWyjsc(okno.Standard)) + u.M;
    if (SekcjaBledow(okno))
        y += RysujWynikiBledow(okno, plotno, u, y) + u.M;
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
