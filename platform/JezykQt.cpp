#include "JezykQt.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMutex>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableWidget>
#include <QTranslator>
#include <QTreeWidget>

#include <optional>

namespace {

// The names the encoders give their streams, the stages the channel reports and the
// standard whose name says something, for the catalogue: the program shows them translated.
[[maybe_unused]] constexpr const char* TekstyBibliotek[] = {
    QT_TRANSLATE_NOOP("TTekst", "Ciąg wejsciowy"),   QT_TRANSLATE_NOOP("TTekst", "Ciąg An"),
    QT_TRANSLATE_NOOP("TTekst", "Ciąg Bn"),          QT_TRANSLATE_NOOP("TTekst", "Ciąg Cn"),
    QT_TRANSLATE_NOOP("TTekst", "Ciąg Dn"),          QT_TRANSLATE_NOOP("TTekst", "Sygnał An"),
    QT_TRANSLATE_NOOP("TTekst", "Sygnał Bn"),        QT_TRANSLATE_NOOP("TTekst", "Sygnał Cn"),
    QT_TRANSLATE_NOOP("TTekst", "Sygnał Dn"),        QT_TRANSLATE_NOOP("TTekst", "Ciąg 4B5B"),
    QT_TRANSLATE_NOOP("TTekst", "Ciąg MLT3"),        QT_TRANSLATE_NOOP("TTekst", "Sygnał MLT3"),
    QT_TRANSLATE_NOOP("TTekst", "Ciąg Manchester"),  QT_TRANSLATE_NOOP("TTekst", "Sygnał Manchester"),
    QT_TRANSLATE_NOOP("TTekst", "Kalkulacja odpowiedzi"), QT_TRANSLATE_NOOP("TTekst", "Kalkulacja charakterystyki"),
    QT_TRANSLATE_NOOP("TTekst", "Tlumienie"),        QT_TRANSLATE_NOOP("TTekst", "Regenracja"),
    QT_TRANSLATE_NOOP("TTekst", "100BaseTX (bez 4B5B)"),
};

// Where a text on show came from: the context and source it was translated from.
struct TPochodzenieTekstu {
    QByteArray Kontekst;
    QByteArray Zrodlo;
    QByteArray Rozroznienie;
};

// Every text handed out, by whichever translator is installed (the English catalogue, or
// Qt's Polish one, whose texts Qt's own widgets show), with where it came from; the way
// back to the source when the language changes. Workers translate too, hence the lock.
class TRejestr {
public:
    void Zapisz(const QString& tekst, const char* kontekst, const char* zrodlo, const char* rozroznienie)
    {
        const QMutexLocker blokada(&Blokada);
        Teksty.insert(tekst, {kontekst, zrodlo, rozroznienie});
    }

    std::optional<TPochodzenieTekstu> Pochodzenie(const QString& tekst) const
    {
        const QMutexLocker blokada(&Blokada);
        const auto p = Teksty.constFind(tekst);
        return p == Teksty.constEnd() ? std::nullopt : std::optional(*p);
    }

private:
    mutable QMutex Blokada;
    QHash<QString, TPochodzenieTekstu> Teksty;
};

TRejestr& Rejestr()
{
    static TRejestr rejestr;
    return rejestr;
}

// A translator that records in the register what it gives, and the source itself where
// it has no translation: that is the text then on show.
class TTlumaczZRejestrem : public QTranslator {
public:
    QString translate(const char* kontekst, const char* zrodlo, const char* rozroznienie, int n) const override
    {
        QString przeklad = QTranslator::translate(kontekst, zrodlo, rozroznienie, n);
        if (zrodlo != nullptr)
            Rejestr().Zapisz(przeklad.isEmpty() ? QString::fromUtf8(zrodlo) : przeklad, kontekst, zrodlo, rozroznienie);
        return przeklad;
    }
};

struct TStanJezyka {
    TJezyk Jezyk = TJezyk::Polski;
    TTlumaczZRejestrem Katalog;
    TTlumaczZRejestrem QtPolski;
    bool QtPolskiZaladowany = false;
};

TStanJezyka& Stan()
{
    static TStanJezyka stan;
    return stan;
}

template <class TUstaw>
void Zamien(const QString& tekst, TUstaw ustaw)
{
    if (tekst.isEmpty())
        return;
    const QString nowy = PrzetlumaczTekst(tekst);
    if (nowy != tekst)
        ustaw(nowy);
}

void PrzetlumaczElement(QTreeWidgetItem* element)
{
    for (int k = 0; k < element->columnCount(); ++k) {
        Zamien(element->text(k), [&](const QString& t) { element->setText(k, t); });
        Zamien(element->toolTip(k), [&](const QString& t) { element->setToolTip(k, t); });
    }
}

void PrzetlumaczElement(QTableWidgetItem* element)
{
    if (element == nullptr)
        return;
    Zamien(element->text(), [&](const QString& t) { element->setText(t); });
    Zamien(element->toolTip(), [&](const QString& t) { element->setToolTip(t); });
}

void PrzetlumaczAkcje(QAction* a)
{
    Zamien(a->text(), [&](const QString& t) { a->setText(t); });
    Zamien(a->toolTip(), [&](const QString& t) { a->setToolTip(t); });
    Zamien(a->statusTip(), [&](const QString& t) { a->setStatusTip(t); });
}

// The texts a widget of a standard kind shows; what a widget builds from several parts or
// from results it renews itself on QEvent::LanguageChange.
void PrzetlumaczWidzet(QWidget* w)
{
    Zamien(w->windowTitle(), [&](const QString& t) { w->setWindowTitle(t); });
    Zamien(w->toolTip(), [&](const QString& t) { w->setToolTip(t); });
    if (auto* l = qobject_cast<QLabel*>(w))
        Zamien(l->text(), [&](const QString& t) { l->setText(t); });
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        Zamien(b->text(), [&](const QString& t) { b->setText(t); });
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        Zamien(g->title(), [&](const QString& t) { g->setTitle(t); });
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        Zamien(e->placeholderText(), [&](const QString& t) { e->setPlaceholderText(t); });
    else if (auto* m = qobject_cast<QMenu*>(w))
        Zamien(m->title(), [&](const QString& t) { m->setTitle(t); });
    else if (auto* z = qobject_cast<QTabBar*>(w)) {
        for (int i = 0; i < z->count(); ++i) {
            Zamien(z->tabText(i), [&](const QString& t) { z->setTabText(i, t); });
            Zamien(z->tabToolTip(i), [&](const QString& t) { z->setTabToolTip(i, t); });
        }
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < c->count(); ++i) {
            Zamien(c->itemText(i), [&](const QString& t) { c->setItemText(i, t); });
            Zamien(c->itemData(i, Qt::ToolTipRole).toString(),
                   [&](const QString& t) { c->setItemData(i, t, Qt::ToolTipRole); });
        }
    } else if (auto* d = qobject_cast<QTreeWidget*>(w)) {
        PrzetlumaczElement(d->headerItem());
        for (int i = 0; i < d->topLevelItemCount(); ++i)
            PrzetlumaczElement(d->topLevelItem(i));
    } else if (auto* tab = qobject_cast<QTableWidget*>(w)) {
        for (int k = 0; k < tab->columnCount(); ++k)
            PrzetlumaczElement(tab->horizontalHeaderItem(k));
        for (int r = 0; r < tab->rowCount(); ++r) {
            PrzetlumaczElement(tab->verticalHeaderItem(r));
            for (int k = 0; k < tab->columnCount(); ++k)
                PrzetlumaczElement(tab->item(r, k));
        }
    } else if (auto* lista = qobject_cast<QListWidget*>(w)) {
        for (int i = 0; i < lista->count(); ++i)
            Zamien(lista->item(i)->text(), [&](const QString& t) { lista->item(i)->setText(t); });
    }
    for (QAction* a : w->actions())
        PrzetlumaczAkcje(a);
}

// Retranslates every widget once per change, when the application object hears of it:
// before the widgets' own handlers, which then renew what they build themselves.
class TStraznikJezyka : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override
    {
        if (zdarzenie->type() == QEvent::LanguageChange && obiekt == QCoreApplication::instance())
            for (QWidget* w : QApplication::allWidgets())
                PrzetlumaczWidzet(w);
        return false;
    }
};

void PilnujJezyka()
{
    static TStraznikJezyka* straznik = nullptr;
    if (straznik == nullptr && QCoreApplication::instance() != nullptr) {
        straznik = new TStraznikJezyka(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(straznik);
    }
}

} // namespace

TJezyk JezykProgramu()
{
    return Stan().Jezyk;
}

bool UstawJezyk(TJezyk jezyk)
{
    TStanJezyka& s = Stan();
    PilnujJezyka();
    if (jezyk == TJezyk::Angielski && s.Katalog.isEmpty() && !s.Katalog.load(QStringLiteral(":/i18n/lintavox_en.qm")))
        return false;
    if (!s.QtPolskiZaladowany)
        s.QtPolskiZaladowany =
            s.QtPolski.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    s.Jezyk = jezyk;
    // Qt's own texts (the file dialog, standard buttons) are English without a catalogue.
    QCoreApplication::removeTranslator(&s.Katalog);
    QCoreApplication::removeTranslator(&s.QtPolski);
    if (jezyk == TJezyk::Angielski)
        QCoreApplication::installTranslator(&s.Katalog);
    else if (s.QtPolskiZaladowany)
        QCoreApplication::installTranslator(&s.QtPolski);
    return true;
}

QString PrzetlumaczTekst(const QString& tekst)
{
    if (const std::optional<TPochodzenieTekstu> p = Rejestr().Pochodzenie(tekst)) {
        const char* rozroznienie = p->Rozroznienie.isNull() ? nullptr : p->Rozroznienie.constData();
        QString nowy = QCoreApplication::translate(p->Kontekst.constData(), p->Zrodlo.constData(), rozroznienie);
        // Remembered even when no translator was installed to see it (between removing one
        // catalogue and installing the other): the way back must not be lost.
        Rejestr().Zapisz(nowy, p->Kontekst.constData(), p->Zrodlo.constData(), rozroznienie);
        return nowy;
    }
    // A Polish text of the program's not handed out by a translator yet.
    const QByteArray utf8 = tekst.toUtf8();
    return TTekst::tr(utf8.constData());
}

QString PrzetlumaczTekstBiblioteki(const QString& tekst)
{
    if (const qsizetype dwukropek = tekst.indexOf(QStringLiteral(": ")); dwukropek > 0)
        return PrzetlumaczTekstBiblioteki(tekst.left(dwukropek)) + QStringLiteral(": ") +
            PrzetlumaczTekstBiblioteki(tekst.mid(dwukropek + 2));
    // A numbered copy: "Sygnał MLT3 (2)".
    static const QRegularExpression numer(QStringLiteral(" \\(\\d+\\)$"));
    const QRegularExpressionMatch m = numer.match(tekst);
    const QString rdzen = m.hasMatch() ? tekst.left(m.capturedStart()) : tekst;
    const QByteArray utf8 = rdzen.toUtf8();
    return TTekst::tr(utf8.constData()) + tekst.mid(rdzen.size());
}

QString KodJezyka(TJezyk jezyk)
{
    return jezyk == TJezyk::Angielski ? QStringLiteral("en") : QStringLiteral("pl");
}

TJezyk JezykZKodu(const QString& kod)
{
    return kod == QStringLiteral("en") ? TJezyk::Angielski : TJezyk::Polski;
}
