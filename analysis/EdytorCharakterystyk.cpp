// The characteristic editor of the settings page: points added, edited and removed
// through the point dialog, the list read back into its stream (and mirrored into the
// adaptive amplifier), the selection rules of the buttons, the model files, the cable
// presets and the Touchstone import.
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QKeyEvent>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <functional>

#include "Charakterystyki.h"
#include "JezykQt.h"
#include "PlikModelu.h"
#include "TDodajPunktForm.h"
#include "TImportTouchstoneForm.h"
#include "TKabelForm.h"
#include "StronaUstawien.h"
#include "TStatToolBar.h"
#include "UslugiQt.h"
#include "Vartostream.h"
#include "ZrodlaCharakterystyk.h"

namespace {

// Enter (either key) in a list runs the action instead of reaching the list.
class TEnterNaLiscie : public QObject {
public:
    TEnterNaLiscie(std::function<void()> dzialanie, QObject* rodzic) : QObject(rodzic), Dzialanie(std::move(dzialanie)) {}

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override
    {
        if (zdarzenie->type() == QEvent::KeyPress) {
            const int klawisz = static_cast<QKeyEvent*>(zdarzenie)->key();
            if (klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter) {
                Dzialanie();
                return true;
            }
        }
        return QObject::eventFilter(obiekt, zdarzenie);
    }

private:
    std::function<void()> Dzialanie;
};

} // namespace

void TStronaUstawien::PolaczEdytor()
{
    const QString filtr = TTekst::tr("Plik filtru (*.att)");
    Tlumienie.Strumien = CharTlumienie.get();
    Tlumienie.Model = {QStringLiteral("modele/tlumienie"), QStringLiteral("att"), filtr, filtr,
                       TTekst::tr("Zapisywanie charakterystyki tłumienia"),
                       TTekst::tr("Wczytywanie charakterystyki tłumienia")};
    Przesluchy.Strumien = CharPrzesluchy.get();
    Przesluchy.Model = {QStringLiteral("modele/przesluchy"), QStringLiteral("att"), filtr, filtr,
                        TTekst::tr("Zapisywanie charakterystyki przesłuchów"),
                        TTekst::tr("Wczytywanie charakterystyki przesłuchów")};
    Echo.Strumien = CharEcho.get();
    Echo.Model = {QStringLiteral("modele/echo"), QStringLiteral("att"), filtr, filtr,
                  TTekst::tr("Zapisywanie charakterystyki echa"), TTekst::tr("Wczytywanie charakterystyki echa")};
    Wzmocnienie.Strumien = CharWzmocnienie.get();
    Wzmocnienie.Model = {QStringLiteral("modele/regeneracja"), QStringLiteral("amp"),
                         TTekst::tr("Plik wzmacniacza (*.amp)"), TTekst::tr("Plik wmacniacza (*.amp)"),
                         TTekst::tr("Zapisywanie charakterystyki regeneratora"),
                         TTekst::tr("Wczytywanie charakterystyki regenratora")};

    const std::pair<TPoleUstawien, TZakladkaCharakterystyki*> zakladki[] = {
        {TPoleUstawien::Tlumienie, &Tlumienie},
        {TPoleUstawien::Przesluchy, &Przesluchy},
        {TPoleUstawien::Echo, &Echo},
        {TPoleUstawien::Wzmocnienie, &Wzmocnienie},
    };
    for (const auto& [pole, z] : zakladki) {
        connect(z->DodajBtn, &QPushButton::clicked, this, [this, z] { DodajPunkt(*z); });
        connect(z->EdytujBtn, &QPushButton::clicked, this, [this, z] { EdytujPunkt(*z); });
        connect(z->UsunBtn, &QPushButton::clicked, this, [this, z] { UsunPunkt(*z); });
        connect(z->WczytajBtn, &QPushButton::clicked, this, [this, z] { WczytajBtnClick(*z); });
        connect(z->ZapiszBtn, &QPushButton::clicked, this, [this, z] { ZapiszBtnClick(*z); });
        if (z->ImportujBtn)
            connect(z->ImportujBtn, &QPushButton::clicked, this, [this, z] { ImportujBtnClick(*z); });
        connect(z->RekalkulacjaBtn, &QPushButton::clicked, this, [this, pole] { emit RekalkulacjaZadana(pole); });
        connect(z->ListView, &QTreeWidget::itemSelectionChanged, this, [this, z] { ZaznaczenieListy(*z); });
        // A double click or Enter edits the selected row, as "Edytuj" would: never while
        // the window works or the list is mirrored.
        const auto edytuj = [this, z] {
            if (z->EdytujBtn->isEnabled() && WybranyWiersz(*z) >= 0)
                EdytujPunkt(*z);
        };
        connect(z->ListView, &QTreeWidget::itemDoubleClicked, this, edytuj);
        z->ListView->installEventFilter(new TEnterNaLiscie(edytuj, z->ListView));
    }
    connect(WzmAdaptCheckBox, &QCheckBox::toggled, this, &TStronaUstawien::WzmAdaptCheckBoxClick);
    connect(KabelBtn, &QPushButton::clicked, this, &TStronaUstawien::KabelBtnClick);
}

bool TStronaUstawien::TrybAdaptacyjny() const
{
    // The mirror follows the line whether or not regeneration is on for the next run, so
    // that switching it back on never finds a stale amplifier.
    return Opcje.Regeneracja != 0 && WzmAdaptCheckBox->isChecked();
}

void TStronaUstawien::UstawDostepnosc(QWidget* kontrolka, bool wlaczona)
{
    if (Zablokowane) {
        const auto miejsce = std::find(KontrolkiBlokowane.begin(), KontrolkiBlokowane.end(), kontrolka);
        if (miejsce != KontrolkiBlokowane.end()) {
            StanyPrzedBlokada[static_cast<std::size_t>(miejsce - KontrolkiBlokowane.begin())] = wlaczona;
            return;
        }
    }
    kontrolka->setEnabled(wlaczona);
}

void TStronaUstawien::ZaznaczenieListy(TZakladkaCharakterystyki& z)
{
    const bool stale = &z == &Wzmocnienie && WzmAdaptCheckBox->isChecked();
    const TPrzyciskiWyboru stan = PrzyciskiWyboru(WybranyWiersz(z), z.ListView->topLevelItemCount(), stale);
    UstawDostepnosc(z.DodajBtn, stan.Dodaj);
    UstawDostepnosc(z.EdytujBtn, stan.Edytuj);
    UstawDostepnosc(z.UsunBtn, stan.Usun);
}

void TStronaUstawien::ZmianaPunktow(TZakladkaCharakterystyki& z)
{
    StatToolBar->SimBut->setEnabled(true);
    z.RekalkulacjaBtn->setEnabled(true);
    UkryjOdpowiedz(z);
    ZmianaZrodla(z, {});
    emit CharakterystykaZmieniona();
    OdczytajListe(z);
}

void TStronaUstawien::ZmianaZrodla(const TZakladkaCharakterystyki& z, const std::string& plik)
{
    if (&z == &Wzmocnienie) {
        Pochodzenie.PlikRegeneracji = plik;
        return;
    }
    const TListyZrodla lista{&z == &Tlumienie, &z == &Przesluchy, &z == &Echo};
    ZapomnijZrodla(Pochodzenie, lista);
    std::string& plikListy = lista.Tlumienie    ? Pochodzenie.PlikTlumienia
                             : lista.Przesluchy ? Pochodzenie.PlikPrzesluchow
                                                : Pochodzenie.PlikEcha;
    plikListy = plik;
    PokazZrodlo();
}

void TStronaUstawien::OdczytajListe(TZakladkaCharakterystyki& z)
{
    const TCharakterystyka punkty = PunktyListy(z);
    UstawPunkty(*z.Strumien, punkty);
    PokazPunktyNaWykresie(z, *z.Strumien);
    if (&z == &Tlumienie && TrybAdaptacyjny()) {
        UstawPunkty(*CharWzmocnienie, Lustro(punkty));
        PokazCharakterystyke(Wzmocnienie, *CharWzmocnienie);
        UstawDostepnosc(Wzmocnienie.RekalkulacjaBtn, true);
    }
}

void TStronaUstawien::DodajPunkt(TZakladkaCharakterystyki& z)
{
    const int wiersz = WybranyWiersz(z);
    if (wiersz < 0)
        return;
    TDodajPunktForm dialog(this);
    dialog.setWindowTitle(TTekst::tr("Dodaj punkt filtru"));
    dialog.UstawRegeneracja(z.Regeneracja);
    if (wiersz > 0)
        dialog.Dolna = CzestotliwoscWiersza(z, wiersz - 1);
    dialog.Gorna = CzestotliwoscWiersza(z, wiersz);
    if (dialog.exec() != QDialog::Accepted)
        return;
    auto* nowy = new QTreeWidgetItem({dialog.CzestotliwoscEdit->text(), dialog.WartoscEdit->text()});
    z.ListView->insertTopLevelItem(wiersz, nowy);
    UstawWiersz(z, wiersz, true);
    ZmianaPunktow(z);
}

void TStronaUstawien::EdytujPunkt(TZakladkaCharakterystyki& z)
{
    const int wiersz = WybranyWiersz(z);
    if (wiersz < 0)
        return;
    const int ostatni = z.ListView->topLevelItemCount() - 1;
    QTreeWidgetItem* element = z.ListView->topLevelItem(wiersz);
    TDodajPunktForm dialog(this);
    dialog.setWindowTitle(TTekst::tr("Edytuj punkt filtru"));
    dialog.UstawRegeneracja(z.Regeneracja);
    dialog.CzestotliwoscEdit->setText(element->text(0));
    dialog.WartoscEdit->setText(element->text(1));
    dialog.CzestotliwoscEdit->setEnabled(wiersz > 1 && wiersz < ostatni);
    if (wiersz > 0)
        dialog.Dolna = CzestotliwoscWiersza(z, wiersz - 1);
    if (wiersz < ostatni)
        dialog.Gorna = CzestotliwoscWiersza(z, wiersz + 1);
    if (dialog.exec() != QDialog::Accepted)
        return;
    element->setText(0, dialog.CzestotliwoscEdit->text());
    element->setText(1, dialog.WartoscEdit->text());
    ZmianaPunktow(z);
}

void TStronaUstawien::UsunPunkt(TZakladkaCharakterystyki& z)
{
    // The first two points and the last one stay: the filter needs its ends.
    const int wiersz = WybranyWiersz(z);
    if (wiersz <= 1 || wiersz >= z.ListView->topLevelItemCount() - 1)
        return;
    UkryjOdpowiedz(z);
    delete z.ListView->takeTopLevelItem(wiersz);
    if (z.ListView->topLevelItemCount() > 0)
        UstawWiersz(z, 0, false);
    else
        UstawDostepnosc(z.UsunBtn, false);
    ZmianaPunktow(z);
}

void TStronaUstawien::WzmAdaptCheckBoxClick(bool zaznaczone)
{
    TZakladkaCharakterystyki& z = Wzmocnienie;
    if (zaznaczone) {
        for (QWidget* kontrolka : std::initializer_list<QWidget*>{z.DodajBtn, z.EdytujBtn, z.UsunBtn, z.WczytajBtn})
            UstawDostepnosc(kontrolka, false);
        z.ListView->setEnabled(false);
        UstawPunkty(*CharWzmocnienie, Lustro(PunktyStrumienia(*CharTlumienie)));
        PokazCharakterystyke(z, *CharWzmocnienie);
        UstawDostepnosc(z.RekalkulacjaBtn, true);
        ZmianaZrodla(z, {});
    } else {
        z.ListView->setEnabled(true);
        UstawDostepnosc(z.WczytajBtn, true);
        // Row 0 selected: "Edytuj" acts on it at once.
        if (z.ListView->topLevelItemCount() > 0)
            UstawWiersz(z, 0, true);
        UstawDostepnosc(z.EdytujBtn, true);
    }
    StatToolBar->SimBut->setEnabled(true);
}

QString TStronaUstawien::FolderModelu(const TZakladkaCharakterystyki& z) const
{
    // A folder not there yet is made; where that is not allowed, the program's own.
    const QString folder = QDir(FolderProgramu()).filePath(z.Model.Folder);
    return QDir().mkpath(folder) ? folder : FolderProgramu();
}

namespace {

QString WybierzPlik(QWidget* rodzic, QFileDialog::AcceptMode tryb, const QString& tytul, const QString& folder,
                    const QString& filtr, const QString& rozszerzenie)
{
    QFileDialog dialog(rodzic, tytul, folder, filtr);
    dialog.setObjectName(QStringLiteral("PlikModeluDialog"));
    PrzygotujDialogPliku(dialog);
    dialog.setAcceptMode(tryb);
    dialog.setFileMode(tryb == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(rozszerzenie);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace

void TStronaUstawien::ZapiszBtnClick(TZakladkaCharakterystyki& z)
{
    const QString plik = WybierzPlik(this, QFileDialog::AcceptSave, PrzetlumaczTekst(z.Model.TytulZapisu),
                                     FolderModelu(z), PrzetlumaczTekst(z.Model.FiltrZapisu), z.Model.Rozszerzenie);
    if (plik.isEmpty())
        return;
    const TBladModelu blad = ZapiszCharakterystyke(plik, *z.Strumien);
    if (blad != TBladModelu::Brak)
        PokazKomunikat(z.ZapiszBtn, QString::fromStdString(OpisBleduModelu(blad, JezykProgramu())));
}

void TStronaUstawien::WczytajBtnClick(TZakladkaCharakterystyki& z)
{
    ZablokujKontrolki();
    const QString plik = WybierzPlik(this, QFileDialog::AcceptOpen, PrzetlumaczTekst(z.Model.TytulOdczytu),
                                     FolderModelu(z), PrzetlumaczTekst(z.Model.FiltrOdczytu), z.Model.Rozszerzenie);
    if (!plik.isEmpty()) {
        // A file that cannot be read leaves the points as they were; the list is drawn
        // from them again either way.
        const TBladModelu blad = WczytajCharakterystyke(plik, *z.Strumien);
        if (blad != TBladModelu::Brak)
            PokazKomunikat(nullptr, QString::fromStdString(OpisBleduModelu(blad, JezykProgramu())));
        else
            ZmianaZrodla(z, SciezkaPliku(plik).string());
        PokazCharakterystyke(z, *z.Strumien);
        if (&z == &Tlumienie && TrybAdaptacyjny())
            OdczytajListe(z);
        emit CharakterystykaZmieniona();
    }
    PrzywrocKontrolki();
    StatToolBar->SimBut->setEnabled(true);
    z.RekalkulacjaBtn->setEnabled(true);
}

void TStronaUstawien::KabelBtnClick()
{
    const std::optional<std::int32_t> mbps = SprawdzonaSzybkosc();
    if (!mbps)
        return;
    TKabelForm dialog(Standard, *mbps, OferowaneListy(), Pochodzenie.Kabel ? Pochodzenie.Kabel->Kabel : TParametryKabla{},
                      this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    TUstawieniaSymulacji u = UstawieniaSymulacji();
    UstawKabel(u, dialog.Kabel(), dialog.Listy());
    ZastosujKanal(u);
}

void TStronaUstawien::ImportujBtnClick(TZakladkaCharakterystyki& z)
{
    const std::optional<std::int32_t> mbps = SprawdzonaSzybkosc();
    if (!mbps)
        return;
    const QString plik = WybierzPlik(this, QFileDialog::AcceptOpen, TTekst::tr("Import charakterystyki z pliku Touchstone"),
                                     FolderTouchstone.isEmpty() ? QDir::homePath() : FolderTouchstone,
                                     TTekst::tr("Pliki Touchstone (*.s1p *.s2p *.s4p *.s8p *.ts);;Wszystkie pliki (*)"),
                                     {});
    if (plik.isEmpty())
        return;
    FolderTouchstone = QFileInfo(plik).absolutePath();
    const QString nazwa = QFileInfo(plik).fileName();
    // The file is read once, before its options are asked: a bad one is told at once,
    // and the options offer what this file holds.
    TBladTouchstone wada;
    const std::optional<TDaneTouchstone> dane = CzytajTouchstone(SciezkaPliku(plik), wada);
    if (!dane) {
        PokazKomunikat(z.ImportujBtn, nazwa + QStringLiteral(": ") +
                                          QString::fromStdString(OpisBleduTouchstone(wada, JezykProgramu())));
        return;
    }
    TImportTouchstoneForm dialog(*dane, nazwa, OferowaneListy(), {&z == &Tlumienie, &z == &Przesluchy, &z == &Echo},
                                 this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::string blad;
    const std::optional<TImportCharakterystyk> import = ImportujCharakterystyki(
        *dane, SciezkaPliku(plik), dialog.Opcje(), Standard, *mbps, JezykProgramu(), blad);
    if (!import) {
        PokazKomunikat(z.ImportujBtn, nazwa + QStringLiteral(": ") + QString::fromStdString(blad));
        return;
    }
    TUstawieniaSymulacji u = UstawieniaSymulacji();
    UstawImport(u, *import, dialog.Listy());
    ZastosujKanal(u);

    QMessageBox podsumowanie(QMessageBox::Information, TTekst::tr("Import pliku Touchstone"),
                             TTekst::tr("%1\nWypełniono: %2.")
                                 .arg(QString::fromStdString(import->Opis), NazwyList(dialog.Listy())),
                             QMessageBox::Ok, this);
    podsumowanie.setObjectName(QStringLiteral("PodsumowanieImportu"));
    podsumowanie.exec();
}
