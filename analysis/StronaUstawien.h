// The page "Ustawienia analizy" of an analysis window: the input signal's fields, the
// channel and regenerator model on four characteristic tabs with their editor, and the
// strip with the simulation button and the progress of background work. It turns its
// controls into the settings of a run and back, and checks them before a run.
#pragma once

#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "Raport.h"
#include "Ustawienia.h"
#include "UstawieniaStandardu.h"
#include "ZakladkaCharakterystyki.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TKanalPageControl;
class TPostepQt;
class TStatToolBar;

class TStronaUstawien : public QWidget {
    Q_OBJECT

public:
    // The page with the default characteristics' charts set up; opcje is copied.
    TStronaUstawien(const UstawieniaStandardu& opcje, QWidget* rodzic);
    ~TStronaUstawien() override;

    // Which channel tabs and check boxes the options offer and how they start. Called
    // once, right after creation.
    void UstawOpcje(int standard);
    // The standard's default rate and slope and the default characteristics. Called once,
    // as the last step of the window's creation.
    void UstawStandard();

    // The settings of a run as the page shows them. A whole-number field that holds no
    // whole number gives 0, a decimal field that holds no number gives a value that is not
    // a number; SprawdzoneUstawienia refuses both. The channel effects count only where
    // the options offer them; the decoder is the options' to decide.
    TUstawieniaSymulacji UstawieniaSymulacji() const;
    // The inverse: every setting onto the page (the standard stays the page's own; the
    // slope shows as a whole number; a bit count beyond the page's limit, from a long
    // command-line run, shows whole and is refused when a run is asked for). Effects the
    // options leave out stay off.
    void Zastosuj(const TUstawieniaSymulacji& u);
    // The settings when every limit is met (the page's bit limit, the command line's
    // others). Otherwise the first field at fault, in the order bits, rate, slope, echo
    // delay, characteristics, noise, jitter, shows "Nieprawidłowa wartość" and gets the
    // focus (its tab brought forward where it may open), and none returns.
    std::optional<TUstawieniaSymulacji> SprawdzoneUstawienia();
    // The line rate R (MHz) a recalculation uses: the symbol rate of the typed bit rate,
    // 0 when the field holds no whole number.
    float SzybkoscLinii() const;

    // Disables every control that could start background work, remembering each one's
    // own state; PrzywrocKontrolki gives each its state back.
    void ZablokujKontrolki();
    void PrzywrocKontrolki();
    // The simulation button over the progress strip (false uncovers the progress and
    // "Anuluj"), and whether it may be pressed.
    void PokazPrzyciskSymulacji(bool widoczny);
    void WlaczSymulacje(bool wlaczona);
    // A message box over the page; the simulation button gets the focus once it closes.
    void ZglosBlad(const QString& komunikat);
    // The progress controls lent to background work.
    TPostepQt& Postep() { return *PostepQt; }
    // Brings a characteristic's tab forward, when its effect is on.
    void PokazZakladke(TPoleUstawien charakterystyka);

    // A recalculation of a characteristic (Tlumienie, Przesluchy, Echo or Wzmocnienie):
    // PrzygotujRekalkulacje disables its button, enables the simulation, locks the page
    // and drops the last recalculated curves, returning the points to recalculate;
    // PokazRekalkulacje shows the realised response and the impulse-response tab;
    // WlaczRekalkulacje enables its button again (a cancelled recalculation).
    TCharakterystyka PrzygotujRekalkulacje(TPoleUstawien charakterystyka);
    void PokazRekalkulacje(TPoleUstawien charakterystyka, std::shared_ptr<WynikRekalkulacji> wynik);
    void WlaczRekalkulacje(TPoleUstawien charakterystyka);
    // The last completed recalculation of a characteristic, or null.
    const WynikRekalkulacji* Rekalkulacja(TPoleUstawien charakterystyka) const;

    // The report's characteristic sections: attenuation and every effect that is on, at
    // most two to a printed page.
    TSekcjeRaportu SekcjeRaportu();

protected:
    // The texts built from parts (the PRBS sources, the lists' source) in the new language.
    void changeEvent(QEvent* zdarzenie) override;

signals:
    // "Przeprowadź symulację" and "Anuluj" were pressed.
    void SymulacjaZadana();
    void AnulowanieZadane();
    // A tab's "Rekalkulacja" was pressed.
    void RekalkulacjaZadana(TPoleUstawien charakterystyka);
    // A setting of the input signal changed: the results on show no longer match it.
    void UstawieniaZmienione();
    // A characteristic's points changed: the results on show no longer match the channel.
    void CharakterystykaZmieniona();
    // Any setting of the page changed (a field, the source, the noise, an effect, the adaptive
    // amplifier or a characteristic), once the control holds its new value or, for a
    // point list, by the time the event loop runs again.
    void Zmiana();

private:
    void ZbudujModelKanalu(QWidget* rodzic);
    QWidget* ZbudujPrzyciskKabla(QWidget* rodzic);
    QLineEdit* PoleLiczbowe(const QString& nazwa, QWidget* rodzic);
    QLineEdit* PoleDziesietne(const QString& nazwa, QWidget* rodzic);
    // The group of the receiver's noise and the transmitter's jitter, off by default.
    QGroupBox* ZbudujZaklocenia();
    QCheckBox* PoleNaZakladce(const QString& nazwa, QWidget* zakladka);
    void UstawEfekt(QWidget* zakladka, QCheckBox* pole, std::int32_t wartosc);
    TZakladkaCharakterystyki& Zakladka(TPoleUstawien charakterystyka);
    const TZakladkaCharakterystyki& Zakladka(TPoleUstawien charakterystyka) const;
    QWidget* PolePoprawiane(TPoleUstawien pole);
    // The four numeric fields with their settings, in the order they are checked.
    std::vector<std::pair<TPoleUstawien, QLineEdit*>> PolaLiczbowe() const;

    void ZmianaUstawien();
    void ZmianaRodzajuSzumu(int rodzaj);
    void PrzesluchyCheckBoxClick(bool zaznaczone);
    void EchoCheckBoxClick(bool zaznaczone);
    void WzmocnienieCheckBoxClick(bool zaznaczone);
    void KanalPageControlMouseDown(int indeks);
    void PokazStrone(QWidget* zakladka);

    // The characteristic editor (EdytorCharakterystyk.cpp): the point dialog on the
    // selected row, the list read back into its stream, the model files, and the
    // adaptive amplifier that mirrors the line.
    void PolaczEdytor();
    void DodajPunkt(TZakladkaCharakterystyki& zakladka);
    void EdytujPunkt(TZakladkaCharakterystyki& zakladka);
    void UsunPunkt(TZakladkaCharakterystyki& zakladka);
    void OdczytajListe(TZakladkaCharakterystyki& zakladka);
    void WczytajBtnClick(TZakladkaCharakterystyki& zakladka);
    void ZapiszBtnClick(TZakladkaCharakterystyki& zakladka);
    void WzmAdaptCheckBoxClick(bool zaznaczone);
    void ZmianaPunktow(TZakladkaCharakterystyki& zakladka);
    // The tab's list now comes from the file plik (empty: typed or mirrored): the record
    // of where the lists came from follows.
    void ZmianaZrodla(const TZakladkaCharakterystyki& zakladka, const std::string& plik);
    void ZaznaczenieListy(TZakladkaCharakterystyki& zakladka);
    bool TrybAdaptacyjny() const;
    QString FolderModelu(const TZakladkaCharakterystyki& zakladka) const;
    // Made characteristics (EdytorCharakterystyk.cpp): the cable dialog for the whole
    // analysis and a Touchstone file on one tab, both through the engine, whose lists and
    // record of their source the page then shows.
    void KabelBtnClick();
    void ImportujBtnClick(TZakladkaCharakterystyki& zakladka);
    // The typed rate when it is within the standard's limits; otherwise the rate field
    // shows "Nieprawidłowa wartość" and none returns. Made lists are sized to it.
    std::optional<std::int32_t> SprawdzonaSzybkosc();
    // The lists the options offer (attenuation always).
    TListyZrodla OferowaneListy() const;
    // The characteristics and the record of u onto the page, as Zastosuj puts them.
    void ZastosujKanal(const TUstawieniaSymulacji& u);
    // The four lists onto their tabs, a list already holding its points left as it is
    // (with its recalculation); the amplifier mirrors the line when adaptacyjny. Returns
    // whether any list changed.
    bool ZastosujCharakterystyki(const TCharakterystykiKanalu& c, bool adaptacyjny);
    // The cable or file the lists came from, beside "Kabel…".
    void PokazZrodlo();
    // "tłumienie, echo": the lists named, in the tabs' order.
    static QString NazwyList(const TListyZrodla& listy);
    // Sets a control's enabled state, or while the page is locked the state that
    // PrzywrocKontrolki will give it.
    void UstawDostepnosc(QWidget* kontrolka, bool wlaczona);

    const UstawieniaStandardu Opcje;
    int Standard = 0;

    QLineEdit* LiczbaBitowEdit;
    QLineEdit* SzybkoscEdit;
    QLineEdit* NachylenieEdit;
    QComboBox* GenComboBox;
    // Noise off, by signal-to-noise ratio (dB) or by RMS voltage (mV), in one field whose
    // text each choice keeps for itself; the jitter's RMS in ps, 0 for none.
    QComboBox* SzumComboBox;
    QLineEdit* SzumEdit;
    QLabel* SzumJednostka;
    QLineEdit* DrzenieEdit;
    int RodzajSzumu = 0;
    std::array<QString, 3> TekstySzumu{QString(), QStringLiteral("20"), QStringLiteral("10")};

    // Characteristics: x in MHz, y in dB (losses negative, the regenerator's gains positive).
    std::unique_ptr<TFltFltStrumien> CharTlumienie;
    std::unique_ptr<TFltFltStrumien> CharPrzesluchy;
    std::unique_ptr<TFltFltStrumien> CharEcho;
    std::unique_ptr<TFltFltStrumien> CharWzmocnienie;
    TKanalPageControl* KanalPageControl;
    TZakladkaCharakterystyki Tlumienie;
    TZakladkaCharakterystyki Przesluchy;
    TZakladkaCharakterystyki Echo;
    TZakladkaCharakterystyki Wzmocnienie;
    QCheckBox* PrzesluchyCheckBox;
    QCheckBox* EchoCheckBox;
    QCheckBox* WzmocnienieCheckBox;
    QLineEdit* EchoEdit1;
    QLabel* PrzesuniecieLabel;
    QLabel* NsLabel;
    QCheckBox* WzmAdaptCheckBox;
    QPushButton* KabelBtn;
    QLabel* ZrodloLabel;

    TStatToolBar* StatToolBar;
    TPostepQt* PostepQt;

    // What a run takes that has no control on the page: kept as Zastosuj gave it.
    std::optional<std::uint32_t> Ziarno;
    std::optional<std::vector<std::int32_t>> Bity;
    std::optional<std::vector<std::int32_t>> BityZaklocen;
    TPochodzenie Pochodzenie;
    // Where the last Touchstone file came from: the next one is looked for there.
    QString FolderTouchstone;

    std::vector<QWidget*> KontrolkiBlokowane;
    std::vector<bool> StanyPrzedBlokada;
    bool Zablokowane = false;
};
