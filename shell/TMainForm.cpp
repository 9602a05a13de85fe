#include "TMainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "Drukowanie.h"
#include "ListaStandardow.h"
#include "Obrazy.h"
#include "PlikUstawien.h"
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
    connect(ClientArea, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* okno) {
        if (auto* analiza = okno ? qobject_cast<TSimChildForm*>(okno->widget()) : nullptr)
            analiza->FormActivate();
    });

    Nowa1 = DodajPolecenie(QStringLiteral("Nowa"), QStringLiteral("Nowa1"), IkonaNowa(), QKeySequence::New);
    Zapisz1 = DodajPolecenie(QStringLiteral("Zapisz"), QStringLiteral("Zapisz1"), IkonaZapisz(), QKeySequence::Save);
    Drukuj1 = DodajPolecenie(QStringLiteral("Drukuj"), QStringLiteral("Drukuj1"), IkonaDrukuj(), QKeySequence::Print);
    Opcje1 = DodajPolecenie(QStringLiteral("Opcje"), QStringLiteral("Opcje1"), IkonaOpcje(), QKeySequence());
    Zakoncz1 = DodajPolecenie(QStringLiteral("Zakończ"), QStringLiteral("Zakoncz1"), IkonaZakoncz(), QKeySequence::Quit);
    Zapisz1->setEnabled(false);
    Drukuj1->setEnabled(false);
    connect(Nowa1, &QAction::triggered, this, [this] { UruchomStart(false); });
    connect(Zapisz1, &QAction::triggered, this, &TMainForm::ZapiszWyniki);
    connect(Drukuj1, &QAction::triggered, this, &TMainForm::DrukujWyniki);
    connect(Opcje1, &QAction::triggered, this, &TMainForm::Opcje);
    connect(Zakoncz1, &QAction::triggered, this, &QWidget::close);

    Symulacja1 = menuBar()->addMenu(QStringLiteral("Symulacja"));
    Symulacja1->setObjectName(QStringLiteral("Symulacja1"));
    Symulacja1->addAction(Nowa1);
    Symulacja1->addAction(Zapisz1);
    Symulacja1->addAction(Drukuj1);
    Symulacja1->addSeparator();
    Symulacja1->addAction(Opcje1);
    Symulacja1->addSeparator();
    Symulacja1->addAction(Zakoncz1);

    Kaskada1 = new QAction(QStringLiteral("Kaskada"), this);
    Kaskada1->setObjectName(QStringLiteral("Kaskada1"));
    UstawWPoziomie1 = new QAction(QStringLiteral("Ustaw w poziomie"), this);
    UstawWPoziomie1->setObjectName(QStringLiteral("UstawWPoziomie1"));
    UstawWPionie1 = new QAction(QStringLiteral("Ustaw w pionie"), this);
    UstawWPionie1->setObjectName(QStringLiteral("UstawWPionie1"));
    connect(Kaskada1, &QAction::triggered, ClientArea, &QMdiArea::cascadeSubWindows);
    connect(UstawWPoziomie1, &QAction::triggered, this, &TMainForm::UstawWPoziomie);
    connect(UstawWPionie1, &QAction::triggered, this, &TMainForm::UstawWPionie);
    Okno1 = menuBar()->addMenu(QStringLiteral("Okno"));
    Okno1->setObjectName(QStringLiteral("Okno1"));
    connect(Okno1, &QMenu::aboutToShow, this, &TMainForm::ZbudujMenuOkno);
    ZbudujMenuOkno();

    ToolBar1 = addToolBar(QStringLiteral("Symulacja"));
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
        QAction* pozycja = Okno1->addAction(numer + okno->windowTitle());
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
    const auto indeks = static_cast<std::size_t>(standard);
    auto* analiza = new TSimChildForm(TabelaUstawien[indeks], {Zapisz1, Drukuj1}, this);
    analiza->UstawOpcje(standard);
    QMdiSubWindow* okno = ClientArea->addSubWindow(analiza);
    okno->setAttribute(Qt::WA_DeleteOnClose);
    okno->setWindowIcon(IkonaProgramu());
    analiza->setWindowTitle(QStringLiteral("Analiza dla ") + NazwyStandardow()[standard]);
    // A new analysis opens at its designed size, shrunk to what the area can show.
    const QSize miejsce = ClientArea->viewport()->size();
    okno->resize(okno->sizeHint().boundedTo(miejsce).expandedTo(okno->minimumSizeHint()));
    okno->showNormal();
    analiza->UstawStandard();
    return analiza;
}

TSimChildForm* TMainForm::AnalizaZWynikami() const
{
    // The current window stays current while a menu of the main window has the focus.
    const QMdiSubWindow* okno = ClientArea->currentSubWindow();
    auto* analiza = okno ? qobject_cast<TSimChildForm*>(okno->widget()) : nullptr;
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
    // "Otwórz analizę z dysku" has no analysis file to read: it opens nothing.
    if (const int standard = start.WybranyStandard(); standard >= 0)
        NowaAnaliza(standard);
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
    // Every analysis closes first, cancelling its background work.
    ClientArea->closeAllSubWindows();
    QMainWindow::closeEvent(zdarzenie);
}
