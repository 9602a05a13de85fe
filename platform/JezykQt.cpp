#include "JezykQt.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMutex>
#include <QTabBar>
#include <QTableWidget>
#include <QTranslator>
#include <QTreeWidget>

namespace {

// The English catalogue, remembering for every translation it gave the Polish text it
// came from: the way back when the language returns to Polish. Workers translate their
// messages too, hence the lock.
class TKatalog : public QTranslator {
public:
    QString translate(const char* kontekst, const char* zrodlo, const char* rozroznienie, int n) const override
    {
        QString przeklad = QTranslator::translate(kontekst, zrodlo, rozroznienie, n);
        if (!przeklad.isEmpty()) {
            const QMutexLocker blokada(&Blokada);
            Zrodla.insert(przeklad, QString::fromUtf8(zrodlo));
        }
        return przeklad;
    }

    // The Polish source of a text given so far, or the text itself. The record outlives
    // the catalogue's removal, which is when it is needed.
    QString Zrodlo(const QString& tekst) const
    {
        const QMutexLocker blokada(&Blokada);
        return Zrodla.value(tekst, tekst);
    }

private:
    mutable QMutex Blokada;
    mutable QHash<QString, QString> Zrodla;
};

struct TStanJezyka {
    TJezyk Jezyk = TJezyk::Polski;
    TKatalog Katalog;
    QTranslator QtPolski;
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
    const QString zrodlo = Stan().Katalog.Zrodlo(tekst);
    if (Stan().Jezyk == TJezyk::Polski)
        return zrodlo;
    const QByteArray utf8 = zrodlo.toUtf8();
    return TTekst::tr(utf8.constData());
}

QString KodJezyka(TJezyk jezyk)
{
    return jezyk == TJezyk::Angielski ? QStringLiteral("en") : QStringLiteral("pl");
}

TJezyk JezykZKodu(const QString& kod)
{
    return kod == QStringLiteral("en") ? TJezyk::Angielski : TJezyk::Polski;
}
