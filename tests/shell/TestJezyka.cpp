// The program's language: switched in the options dialog on an open analysis with results,
// every window speaks English at once, engine sentences included, and back in Polish every
// text is exactly what it was; the choice is kept in the user's settings.
#include <QAbstractButton>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <optional>

#include "JezykQt.h"
#include "OknoTestowe.h"
#include "PlikUstawien.h"
#include "PomocnikiGui.h"
#include "TForm1.h"
#include "TMainForm.h"
#include "UslugiQt.h"

namespace {

// Every text the window and its children show, one line each, in the order of the tree.
QStringList Teksty(const QWidget& okno)
{
    QStringList teksty;
    const auto dodaj = [&](const QObject* o, const QString& tekst) {
        if (!tekst.isEmpty())
            teksty << o->objectName() + QStringLiteral(": ") + tekst;
    };
    QList<QWidget*> widzety = okno.findChildren<QWidget*>();
    widzety.prepend(const_cast<QWidget*>(&okno));
    for (const QWidget* w : widzety) {
        dodaj(w, w->windowTitle());
        dodaj(w, w->toolTip());
        if (const auto* l = qobject_cast<const QLabel*>(w))
            dodaj(w, l->text());
        else if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            dodaj(w, b->text());
        else if (const auto* g = qobject_cast<const QGroupBox*>(w))
            dodaj(w, g->title());
        else if (const auto* m = qobject_cast<const QMenu*>(w))
            dodaj(w, m->title());
        else if (const auto* z = qobject_cast<const QTabBar*>(w))
            for (int i = 0; i < z->count(); ++i)
                dodaj(w, z->tabText(i));
        else if (const auto* c = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                dodaj(w, c->itemText(i) + QLatin1Char('|') + c->itemData(i, Qt::ToolTipRole).toString());
        else if (const auto* d = qobject_cast<const QTreeWidget*>(w))
            for (int k = 0; k < d->columnCount(); ++k)
                dodaj(w, d->headerItem()->text(k));
        for (const QAction* a : w->actions())
            dodaj(a, a->text());
    }
    return teksty;
}

// Chooses the language in the options dialog of the main window and presses "OK".
void WybierzJezyk(TMainForm& okno, const QString& jezyk)
{
    TPrzyOknieModalnym<TForm1> wybor([&](TForm1& opcje) {
        opcje.JezykComboBox->setCurrentIndex(opcje.JezykComboBox->findText(jezyk));
        QTest::mouseClick(opcje.OKButton, Qt::LeftButton);
    });
    okno.Opcje();
    QVERIFY(wybor.Wykonane);
    // The windows' own handlers of the change come through the event loop.
    QCoreApplication::processEvents();
}

} // namespace

class TestJezyka : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The user's settings of the tests, never the real ones.
        QStandardPaths::setTestModeEnabled(true);
        UstawLokalizacjePolska();
        QVERIFY(UstawJezyk(TJezyk::Polski));
    }

    void init()
    {
        QVERIFY(Folder.emplace().isValid());
        UstawFolderProgramu(Folder->path());
    }

    void cleanup()
    {
        UstawJezyk(TJezyk::Polski);
        ZapiszJezyk(TJezyk::Polski);
        UstawFolderProgramu(QString());
        Folder.reset();
    }

    void jezykOtwartejAnalizy_data()
    {
        QTest::addColumn<int>("standard");
        QTest::newRow("100BaseTX") << 1;
        QTest::newRow("1000BaseT") << 3;
    }

    void jezykOtwartejAnalizy()
    {
        QFETCH(int, standard);
        TMainForm okno;
        okno.show();
        TSimChildForm* analiza = okno.NowaAnaliza(standard);
        const TKontrolkiOkna k(*analiza);
        k.GenComboBox->setCurrentIndex(static_cast<int>(TZrodloBitow::Prbs9));
        QVERIFY(Przeprowadz(*analiza));
        k.PageControl1->setCurrentWidget(k.ErrorTabSheet);
        QCoreApplication::processEvents();
        const QStringList polskie = Teksty(okno);
        QVERIFY(k.TimeErrorLabel->text().startsWith(QStringLiteral("Transmisja poprawna w ")));

        WybierzJezyk(okno, QStringLiteral("English"));
        QCOMPARE(JezykProgramu(), TJezyk::Angielski);
        QCOMPARE(ZapisanyJezyk(), TJezyk::Angielski);
        // The settings page, the result tabs and the error page, engine sentences included.
        QCOMPARE(k.SimBut->text(), QStringLiteral("Run the simulation"));
        QCOMPARE(k.SzumGroupBox->title(), QStringLiteral(" Noise and jitter "));
        QCOMPARE(k.KanalPageControl->tabText(0), QStringLiteral(" Attenuation "));
        QCOMPARE(k.GenComboBox->itemText(static_cast<int>(TZrodloBitow::Prbs9)), QStringLiteral("PRBS9 sequence"));
        QCOMPARE(k.Tlumienie.ListView->headerItem()->text(0), QStringLiteral("Frequency[MHz]"));
        const QStringList zakladki{QStringLiteral("Analysis settings"), QStringLiteral(" Input sequences and signals "),
                                   QStringLiteral(" Output sequences and signals "), QStringLiteral("Eye diagram"),
                                   QStringLiteral("Error analysis")};
        for (int i = 0; i < zakladki.size(); ++i)
            QCOMPARE(k.PageControl1->tabText(i), zakladki[i]);
        QCOMPARE(k.Label6->text(), QStringLiteral("Bit error rate (BER):"));
        QVERIFY(k.BERLabel2->text().startsWith(QStringLiteral("At a transmission rate of ")) ||
                k.BERLabel2->text() == QStringLiteral("This means no errors"));
        QVERIFY(k.TimeErrorLabel->text().startsWith(QStringLiteral("Transmission correct for ")));
        QVERIFY(!k.TimeErrorLabel->text().contains(QLatin1Char(',')));
        QVERIFY(k.ZliczoneLabel->text().startsWith(QStringLiteral("Counted errors: ")));
        QVERIFY(k.WykazanieLabel->text().startsWith(QStringLiteral("Showing a BER below 1.0×10⁻¹⁰")));
        QVERIFY(k.FazaLabel->text().startsWith(standard == 3 ? QStringLiteral("Sampling phases (code symbol period): ")
                                                             : QStringLiteral("Sampling phase: ")));
        QVERIFY(analiza->windowTitle().startsWith(QStringLiteral("Analysis of ")));
        QCOMPARE(okno.Symulacja1->title(), QStringLiteral("Simulation"));
        // Nothing Polish is left anywhere in the window.
        const QRegularExpression polskie_litery(QStringLiteral("[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]"));
        for (const QString& tekst : Teksty(okno))
            QVERIFY2(!tekst.contains(polskie_litery), qPrintable(tekst));

        WybierzJezyk(okno, QStringLiteral("Polski"));
        QCOMPARE(JezykProgramu(), TJezyk::Polski);
        QCOMPARE(ZapisanyJezyk(), TJezyk::Polski);
        QCOMPARE(Teksty(okno), polskie);
    }

    // A window opened while English is on is English from the start and Polish after.
    void nowaAnalizaPoZmianie()
    {
        TMainForm okno;
        okno.show();
        WybierzJezyk(okno, QStringLiteral("English"));
        TSimChildForm* analiza = okno.NowaAnaliza(0);
        const TKontrolkiOkna k(*analiza);
        QCOMPARE(k.SimBut->text(), QStringLiteral("Run the simulation"));
        QCOMPARE(analiza->windowTitle(), QStringLiteral("Analysis of 10BaseT[*]"));
        WybierzJezyk(okno, QStringLiteral("Polski"));
        QCOMPARE(k.SimBut->text(), QStringLiteral("Przeprowadź symulację"));
        QCOMPARE(k.KanalPageControl->tabText(1), QStringLiteral("      Przesłuchy "));
        QCOMPARE(analiza->windowTitle(), QStringLiteral("Analiza dla 10BaseT[*]"));
    }

    // "Anuluj" leaves the language as it was; the choice outlives the program.
    void anulowanieIZapis()
    {
        TMainForm okno;
        TPrzyOknieModalnym<TForm1> anuluj([](TForm1& opcje) {
            QCOMPARE(opcje.JezykComboBox->currentText(), QStringLiteral("Polski"));
            opcje.JezykComboBox->setCurrentIndex(1);
            opcje.AnulujButton->click();
        });
        okno.Opcje();
        QVERIFY(anuluj.Wykonane);
        QCOMPARE(JezykProgramu(), TJezyk::Polski);
        QCOMPARE(ZapisanyJezyk(), TJezyk::Polski);
        ZapiszJezyk(TJezyk::Angielski);
        QCOMPARE(ZapisanyJezyk(), TJezyk::Angielski);
        // varto.cfg keeps its 24 bytes whatever the language.
        WybierzJezyk(okno, QStringLiteral("English"));
        QCOMPARE(QFileInfo(SciezkaPlikuUstawien()).size(), 24);
    }

private:
    std::optional<QTemporaryDir> Folder;
};

QTEST_MAIN(TestJezyka)
#include "TestJezyka.moc"
