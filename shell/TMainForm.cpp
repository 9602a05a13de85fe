#include "TMainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "Drukowanie.h"
#include "JezykQt.h"
#include "ListaStandardow.h"
#include "Obrazy.h"
#include "PlikUstawien.h"
#include "PlikiAnalizy.h"
#include "TForm1.h"
#include "TSimChildForm.h"
#include "TStartForm.h"

namespace {

constexpr double CzescEkranu = 0.8;
constexpr QSize RozmiarMinimalny{620, 450};
const QColor KolorObszaru{0x80, 0x80, 0x80};

} // namespace

TMainForm::TMainForm(QWidget* rodzic) : QMainWindow(rodzic), TabelaUstawien(UstawieniaPoczatkowe())
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Lintavox"));
    setWindowIcon(IkonaProgramu());
    setMinimumSize(RozmiarMinimalny);
    if (const QScreen* ekran = QGuiApplication::primaryScreen()) {
        const QRect obszar = ekran->geometry();
        resize(static_cast<int>(obszar.width() * CzescEkranu), static_cast<int>(obszar.height() * CzescEkranu));
        move(ekran->availableGeometry().center() - rect().center());
    }

    ClientArea = new QMdiArea(this);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    ClientArea->setBackground(KolorObszaru);
    ClientArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ClientArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(ClientArea);
    connect(ClientArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* okno) {
        auto* analiza = okno ? qobject_cast<TSimChildForm*>(okno->widget()) : nullptr;
        if (analiza)
            analiza->FormActivate();
        ZapiszAnalize1->setEnabled(analiza != nullptr);
        ZapiszAnalizeJako1->setEnabled(analiza != nullptr);
    });
    setAcceptDrops(true);

    Nowa1 = DodajPolecenie(TTekst::tr("Nowa"), QStringLiteral("Nowa1"), IkonaNowa(), QKeySequence::New);
    Otworz1 = DodajPolecenie(TTekst::tr("Otwórz…"), QStringLiteral("Otworz1"), QIcon(), QKeySequence::Open);
    ZapiszAnalize1 = DodajPolecenie(TTekst::tr("Zapisz analizę"), QStringLiteral("ZapiszAnalize1"), QIcon(),
                                    QKeySequence(Qt::CTRL | Qt::Key_S));
    ZapiszAnalizeJako1 = DodajPolecenie(TTekst::tr("Zapisz analizę jako…"), QStringLiteral("ZapiszAnalizeJako1"),
                                        QIcon(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    ZapiszAnalize1->setEnabled(false);
    ZapiszAnalizeJako1->setEnabled(false);
    connect(Otworz1, &QAction::triggered, this, &TMainForm::Otworz);
    connect(ZapiszAnalize1, &QAction::triggered, this, [this] { PolecenieAnalizy(false); });
    connect(ZapiszAnalizeJako1, &QAction::triggered, this, [this] { PolecenieAnalizy(true); });
    // The bitmap export keeps its place and button; Ctrl+S now saves the analysis.
    Zapisz1 = DodajPolecenie(TTekst::tr("Zapisz"), QStringLiteral("Zapisz1"), IkonaZapisz(), QKeySequence());
    Drukuj1 = DodajPolecenie(TTekst::tr("Drukuj"), QStringLiteral("Drukuj1"), IkonaDrukuj(), QKeySequence::Print);
    Opcje1 = DodajPolecenie(TTekst::tr("Opcje"), QStringLiteral("Opcje1"), IkonaOpcje(), QKeySequence());
    Zakoncz1 = DodajPolecenie(TTekst::tr("Zakończ"), QStringLiteral("Zakoncz1"), IkonaZakoncz(), QKeySequence::Quit);
    Zapisz1->setEnabled(false);
    Drukuj1->setEnabled(false);
    connect(Nowa1, &QAction::triggered, this, [this] { UruchomStart(false); });
    connect(Zapisz1, &QAction::triggered, this, &TMainForm::ZapiszWyniki);
    connect(Drukuj1, &QAction::triggered, this, &TMainForm::DrukujWyniki);
    connect(Opcje1, &QAction::triggered, this, &TMainForm::Opcje);
    connect(Zakoncz1, &QAction::triggered, this, &QWidget::close);

    Symulacja1 = menuBar()->addMenu(TTekst::tr("Symulacja"));
    Symulacja1->setObjectName(QStringLiteral("Symulacja1"));
    Symulacja1->setToolTipsVisible(true);
    connect(Symulacja1, &QMenu::aboutToShow, this, &TMainForm::ZbudujMenuSymulacja);
    ZbudujMenuSymulacja();

    Kaskada1 = new QAction(TTekst::tr("Kaskada"), this);
    Kaskada1->setObjectName(QStringLiteral("Kaskada1"));
    UstawWPoziomie1 = new QAction(TTekst::tr("Ustaw w poziomie"), this);
    UstawWPoziomie1->setObjectName(QStringLiteral("UstawWPoziomie1"));
    UstawWPionie1 = new QAction(TTekst::tr("Ustaw w pionie"), this);
    UstawWPionie1->setObjectName(QStringLiteral("UstawWPionie1"));
    connect(Kaskada1, &QAction::triggered, ClientArea, &QMdiArea::cascadeSubWindows);
    connect(UstawWPoziomie1, &QAction::triggered, this, &TMainForm::UstawWPoziomie);
    connect(UstawWPionie1, &QAction::triggered, this, &TMainForm::UstawWPionie);
    Okno1 = menuBar()->addMenu(TTekst::tr("Okno"));
    Okno1->setObjectName(QStringLiteral("Okno1"));
    connect(Okno1, &QMenu::aboutToShow, this, &TMainForm::ZbudujMenuOkno);
    ZbudujMenuOkno();

    ToolBar1 = addToolBar(TTekst::tr("Symulacja"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(24, 24));
    ToolBar1->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    NewButton = DodajPrzycisk(Nowa1, QStringLiteral("NewButton"));
    SaveButton = DodajPrzycisk(Zapisz1, QStringLiteral("SaveButton"));
    PrintButton = DodajPrzycisk(Drukuj1, QStringLiteral("PrintButton"));
    ToolBar1->addSeparator();
    OpenButton = DodajPrzycisk(Opcje1, QStringLiteral("OpenButton"));
    ToolBar1->addSeparator();
    CloseButton = DodajPrzycisk(Zakoncz1, QStringLiteral("CloseButton"));

    WczytajUstawienia();
}

TMainForm::~TMainForm()
{
    disconnect(ClientArea, nullptr, this, nullptr);
}

QAction* TMainForm::DodajPolecenie(const QString& tekst, const QString& nazwa, const QIcon& ikona, QKeySequence skrot)
{
    auto* polecenie = new QAction(ikona, tekst, this);
    polecenie->setObjectName(nazwa);
    polecenie->setShortcut(skrot);
    return polecenie;
}

QToolButton* TMainForm::DodajPrzycisk(QAction* polecenie, const QString& nazwa)
{
    ToolBar1->addAction(polecenie);
    auto* przycisk = qobject_cast<QToolButton*>(ToolBar1->widgetForAction(polecenie));
    przycisk->setObjectName(nazwa);
    return przycisk;
}

void TMainForm::ZbudujMenuSymulacja()
{
    Symulacja1->clear();
    Symulacja1->addAction(Nowa1);
    Symulacja1->addAction(Otworz1);
    Symulacja1->addAction(ZapiszAnalize1);
    Symulacja1->addAction(ZapiszAnalizeJako1);
    Symulacja1->addSeparator();
    Symulacja1->addAction(Zapisz1);
    Symulacja1->addAction(Drukuj1);
    Symulacja1->addSeparator();
    Symulacja1->addAction(Opcje1);
    // The files used last, newest first, each under its number.
    const QStringList ostatnie = OstatnieAnalizy();
    if (!ostatnie.isEmpty())
        Symulacja1->addSeparator();
    for (qsizetype i = 0; i < ostatnie.size(); ++i) {
        const QString plik = ostatnie[i];
        QString nazwa = QDir::toNativeSeparators(plik);
        nazwa.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* pozycja = Symulacja1->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(nazwa));
        pozycja->setObjectName(QStringLiteral("OstatniaAnaliza%1").arg(i + 1));
        pozycja->setToolTip(plik);
        connect(pozycja, &QAction::triggered, this, [this, plik] { OtworzAnalize(plik); });
    }
    Symulacja1->addSeparator();
    Symulacja1->addAction(Zakoncz1);
}

void TMainForm::ZbudujMenuOkno()
{
    Okno1->clear();
    Okno1->addAction(Kaskada1);
    Okno1->addAction(UstawWPoziomie1);
    Okno1->addAction(UstawWPionie1);
    const QList<QMdiSubWindow*> okna = ClientArea->subWindowList();
    if (okna.isEmpty())
        return;
    Okno1->addSeparator();
    for (qsizetype i = 0; i < okna.size(); ++i) {
        QMdiSubWindow* okno = okna[i];
        const QString numer = i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QStringLiteral("%1 ").arg(i + 1);
        // The title as the window's frame shows it: the modified marker as a star.
        QString tytul = okno->windowTitle();
        tytul.replace(QStringLiteral("[*]"), okno->isWindowModified() ? QStringLiteral("*") : QString());
        QAction* pozycja = Okno1->addAction(numer + tytul);
        pozycja->setCheckable(true);
        pozycja->setChecked(okno == ClientArea->activeSubWindow());
        connect(pozycja, &QAction::triggered, ClientArea, [this, okno] {
            if (okno->isMinimized())
                okno->showNormal();
            ClientArea->setActiveSubWindow(okno);
        });
    }
}

TSimChildForm* TMainForm::NowaAnaliza(int standard)
{
    return UtworzAnalize(standard, TabelaUstawien[static_cast<std::size_t>(standard)]);
}

TSimChildForm* TMainForm::UtworzAnalize(int standard, const UstawieniaStandardu& opcje)
{
    auto* analiza = new TSimChildForm(opcje, {Zapisz1, Drukuj1}, this);
    analiza->UstawOpcje(standard);
    QMdiSubWindow* okno = ClientArea->addSubWindow(analiza);
    okno->setAttribute(Qt::WA_DeleteOnClose);
    okno->setWindowIcon(IkonaProgramu());
    okno->installEventFilter(this);
    // A new analysis opens at its designed size, shrunk to what the area can show.
    const QSize miejsce = ClientArea->viewport()->size();
    okno->resize(okno->sizeHint().boundedTo(miejsce).expandedTo(okno->minimumSizeHint()));
    okno->showNormal();
    analiza->UstawStandard();
    return analiza;
}

TSimChildForm* TMainForm::AktywnaAnaliza() const
{
    // The current window stays current while a menu of the main window has the focus.
    const QMdiSubWindow* okno = ClientArea->currentSubWindow();
    return okno ? qobject_cast<TSimChildForm*>(okno->widget()) : nullptr;
}

TSimChildForm* TMainForm::AnalizaPliku(const QString& plik) const
{
    const QString szukany = QFileInfo(plik).canonicalFilePath();
    if (szukany.isEmpty())
        return nullptr;
    for (QMdiSubWindow* okno : ClientArea->subWindowList()) {
        auto* analiza = qobject_cast<TSimChildForm*>(okno->widget());
        if (analiza && !analiza->Plik().isEmpty() && QFileInfo(analiza->Plik()).canonicalFilePath() == szukany)
            return analiza;
    }
    return nullptr;
}

void TMainForm::Otworz()
{
    for (const QString& plik : WybierzAnalizyDoOtwarcia(this))
        OtworzAnalize(plik);
}

void TMainForm::OtworzAnalize(const QString& plik)
{
    if (TSimChildForm* otwarta = AnalizaPliku(plik)) {
        ClientArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(otwarta->parentWidget()));
        emit AnalizaOtwarta(plik, otwarta);
        return;
    }
    const QString sciezka = QFileInfo(plik).absoluteFilePath();
    if (Wczytywane.contains(sciezka))
        return;
    Wczytywane.insert(sciezka);
    auto* watek = new TWatekOdczytuAnalizy(sciezka);
    connect(watek, &TWatekOdczytuAnalizy::Wczytano, this, &TMainForm::AnalizaWczytana);
    watek->start();
}

void TMainForm::AnalizaWczytana(const TWatekOdczytuAnalizy::TOdczyt& odczyt)
{
    Wczytywane.remove(odczyt.Plik);
    if (!odczyt.Analiza) {
        QMessageBox komunikat(QMessageBox::Warning, QStringLiteral("Lintavox"), KomunikatOtwarcia(odczyt.Plik, odczyt.Blad),
                              QMessageBox::Ok, this);
        komunikat.setDetailedText(odczyt.Plik + QStringLiteral(": ") + QString::fromStdString(odczyt.Blad.Opis));
        komunikat.exec();
        if (!QFileInfo::exists(odczyt.Plik))
            UsunOstatniaAnalize(odczyt.Plik);
        emit AnalizaOtwarta(odczyt.Plik, nullptr);
        return;
    }
    // Opened twice before the first arrived: the window already there serves.
    if (TSimChildForm* otwarta = AnalizaPliku(odczyt.Plik)) {
        emit AnalizaOtwarta(odczyt.Plik, otwarta);
        return;
    }
    TAnaliza& analiza = *odczyt.Analiza;
    const int standard = analiza.Ustawienia.Standard;
    TSimChildForm* okno =
        UtworzAnalize(standard, OpcjeAnalizy(TabelaUstawien[static_cast<std::size_t>(standard)], analiza.Ustawienia));
    okno->OtworzAnalize(std::move(analiza), odczyt.Plik);
    DodajOstatniaAnalize(odczyt.Plik);
    emit AnalizaOtwarta(odczyt.Plik, okno);
}

void TMainForm::OtworzPlikiStartowe(const QStringList& pliki)
{
    PlikiStartowe = PlikiStartowe || !pliki.isEmpty();
    for (const QString& plik : pliki)
        OtworzAnalize(plik);
}

void TMainForm::PolecenieAnalizy(bool jako)
{
    if (TSimChildForm* analiza = AktywnaAnaliza())
        ZapiszAnalize(*analiza, jako);
}

bool TMainForm::ZapiszAnalize(TSimChildForm& analiza, bool jako)
{
    TWyborZapisu wybor{analiza.Plik(), analiza.ZapisujWyniki()};
    if (jako || wybor.Plik.isEmpty()) {
        const std::optional<TWyborZapisu> wybrany = WybierzZapisAnalizy(this, analiza);
        if (!wybrany)
            return false;
        wybor = *wybrany;
    }
    const bool byl = QFileInfo::exists(wybor.Plik);
    if (const std::string blad = analiza.ZapiszAnalize(wybor.Plik, wybor.ZWynikami); !blad.empty()) {
        QString tekst = TTekst::tr("Nie można zapisać analizy w pliku „%1”.").arg(QFileInfo(wybor.Plik).fileName());
        if (byl)
            tekst += TTekst::tr(" Plik, który tam był, pozostał bez zmian.");
        QMessageBox komunikat(QMessageBox::Warning, QStringLiteral("Lintavox"), tekst, QMessageBox::Ok, this);
        komunikat.setDetailedText(QString::fromStdString(blad));
        komunikat.exec();
        return false;
    }
    DodajOstatniaAnalize(wybor.Plik);
    return true;
}

bool TMainForm::PytajOZapis(TSimChildForm& analiza)
{
    if (!analiza.Zmodyfikowana())
        return true;
    const QString nazwa = analiza.Plik().isEmpty() ? analiza.windowTitle().remove(QStringLiteral("[*]"))
                                                   : QFileInfo(analiza.Plik()).fileName();
    QMessageBox pytanie(QMessageBox::Question, QStringLiteral("Lintavox"),
                        TTekst::tr("Analiza „%1” została zmieniona. Czy zapisać zmiany?").arg(nazwa),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    pytanie.setObjectName(QStringLiteral("PytanieOZapis"));
    pytanie.button(QMessageBox::Save)->setText(TTekst::tr("Zapisz"));
    pytanie.button(QMessageBox::Discard)->setText(TTekst::tr("Nie zapisuj"));
    pytanie.button(QMessageBox::Cancel)->setText(TTekst::tr("Anuluj"));
    pytanie.setDefaultButton(QMessageBox::Save);
    switch (pytanie.exec()) {
    case QMessageBox::Save:
        return ZapiszAnalize(analiza, false);
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool TMainForm::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::Close) {
        auto* okno = qobject_cast<QMdiSubWindow*>(obiekt);
        auto* analiza = okno ? qobject_cast<TSimChildForm*>(okno->widget()) : nullptr;
        if (analiza && !PytajOZapis(*analiza)) {
            zdarzenie->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

void TMainForm::dragEnterEvent(QDragEnterEvent* zdarzenie)
{
    for (const QUrl& adres : zdarzenie->mimeData()->urls())
        if (adres.isLocalFile()) {
            zdarzenie->acceptProposedAction();
            return;
        }
}

void TMainForm::dropEvent(QDropEvent* zdarzenie)
{
    for (const QUrl& adres : zdarzenie->mimeData()->urls())
        if (adres.isLocalFile())
            OtworzAnalize(adres.toLocalFile());
    zdarzenie->acceptProposedAction();
}

TSimChildForm* TMainForm::AnalizaZWynikami() const
{
    TSimChildForm* analiza = AktywnaAnaliza();
    return analiza && MaWynikiDoRaportu(*analiza) ? analiza : nullptr;
}

void TMainForm::ZapiszWyniki()
{
    if (TSimChildForm* analiza = AnalizaZWynikami())
        ::ZapiszWyniki(*analiza, this);
}

void TMainForm::DrukujWyniki()
{
    if (TSimChildForm* analiza = AnalizaZWynikami())
        ::DrukujWyniki(*analiza, this);
}

void TMainForm::UruchomStart(bool pokazOtworz)
{
    TStartForm start(pokazOtworz, this);
    if (start.exec() != QDialog::Accepted)
        return;
    if (const int standard = start.WybranyStandard(); standard >= 0)
        NowaAnaliza(standard);
    else
        Otworz();
}

void TMainForm::Opcje()
{
    TForm1 opcje(TabelaUstawien, SciezkaPlikuUstawien(), this);
    opcje.exec();
}

void TMainForm::WczytajUstawienia()
{
    ::WczytajUstawienia(SciezkaPlikuUstawien(), TabelaUstawien);
}

void TMainForm::UstawPokazStart()
{
    PokazStart = true;
    // The dialog opens from the event loop, once the splash window has gone.
    QTimer::singleShot(0, this, &TMainForm::PokazStartJesliTrzeba);
}

void TMainForm::PokazStartJesliTrzeba()
{
    if (!PokazStart)
        return;
    PokazStart = false;
    // Files named on the command line are what the user came for.
    if (!PlikiStartowe)
        UruchomStart(true);
}

namespace {

// The analyses that tiling arranges: every one that is not minimised.
QList<QMdiSubWindow*> OknaDoUlozenia(QMdiArea* obszar)
{
    QList<QMdiSubWindow*> okna;
    for (QMdiSubWindow* okno : obszar->subWindowList())
        if (!okno->isMinimized())
            okna.append(okno);
    return okna;
}

// Splits dlugosc into n strips whose sizes differ by at most one pixel.
std::pair<int, int> Pasek(int dlugosc, int n, int i)
{
    const int poczatek = static_cast<int>(static_cast<long long>(dlugosc) * i / n);
    const int koniec = static_cast<int>(static_cast<long long>(dlugosc) * (i + 1) / n);
    return {poczatek, koniec - poczatek};
}

} // namespace

void TMainForm::UstawWPoziomie()
{
    const QList<QMdiSubWindow*> okna = OknaDoUlozenia(ClientArea);
    const QSize obszar = ClientArea->viewport()->size();
    const auto n = static_cast<int>(okna.size());
    for (int i = 0; i < n; ++i) {
        const auto [gora, wysokosc] = Pasek(obszar.height(), n, i);
        okna[i]->showNormal();
        okna[i]->setGeometry(0, gora, obszar.width(), wysokosc);
    }
}

void TMainForm::UstawWPionie()
{
    const QList<QMdiSubWindow*> okna = OknaDoUlozenia(ClientArea);
    const QSize obszar = ClientArea->viewport()->size();
    const auto n = static_cast<int>(okna.size());
    for (int i = 0; i < n; ++i) {
        const auto [lewa, szerokosc] = Pasek(obszar.width(), n, i);
        okna[i]->showNormal();
        okna[i]->setGeometry(lewa, 0, szerokosc, obszar.height());
    }
}

void TMainForm::closeEvent(QCloseEvent* zdarzenie)
{
    // Every analysis closes first, asking about its changes and cancelling its background
    // work; the first one the user keeps keeps the program running, and no more is asked.
    for (QMdiSubWindow* okno : ClientArea->subWindowList())
        if (!okno->close()) {
            zdarzenie->ignore();
            return;
        }
    QMainWindow::closeEvent(zdarzenie);
}
