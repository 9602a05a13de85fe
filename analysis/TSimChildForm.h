// One analysis: a child window of the main window for one standard. Its first page
// holds the settings of the input signal and the channel model, and the strip with
// the simulation button; the result pages follow, hidden until a run fills them.
#pragma once

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

#include "UstawieniaStandardu.h"
#include "ZakladkaCharakterystyki.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class TKanalPageControl;
class TPostepQt;
class TStatToolBar;
class TWatek;

// The main window's save and print commands that analysis windows switch on and off;
// the tool buttons follow their commands.
struct TPoleceniaWynikow {
    QAction* Zapisz1 = nullptr;
    QAction* Drukuj1 = nullptr;

    void Wlacz(bool wlaczone) const;
};

class TSimChildForm : public QWidget {
    Q_OBJECT

public:
    // The window with its members cleared and the default characteristics' charts set
    // up; ustawienia is copied, later changes of the options do not reach it.
    TSimChildForm(const UstawieniaStandardu& ustawienia, TPoleceniaWynikow polecenia, QWidget* oknoGlowne,
                  QWidget* rodzic = nullptr);
    ~TSimChildForm() override;

    // Applies Ustawienia to the window: which channel tabs and check boxes exist and how
    // they start. Called once, right after creation.
    void UstawOpcje(int standard);
    // The standard's texts and limits and the default characteristics. Called once, as
    // the last step of the creation.
    void UstawStandard();
    // Disables every control that could start background work, remembering each one's
    // own state; PrzywrocKontrolki gives each its state back.
    void ZablokujKontrolki();
    void PrzywrocKontrolki();
    // The four default characteristics into their streams, lists and charts.
    void UstawDomyslneCharakterystyki();

    // Validates the fields in order; a bad one shows "Nieprawidłowa wartość" and gets the
    // focus. Returns whether every field holds a value within its limits.
    bool SimButClick();
    // Cancels the simulation or recalculation in progress and restores the controls.
    void AnulujButClick();
    // The window became the active one: the main window's save and print commands
    // follow whether it shows results.
    void FormActivate();

    bool SymulacjaTrwa = false;
    bool RekalkulacjaTrwa = false;
    QPointer<TWatek> WatekSymulacji;
    QPointer<TWatek> WatekRekalkulacji;
    // The "Rekalkulacja" button whose recalculation is running.
    QPointer<QPushButton> PrzyciskRekalkulacji;
    bool WynikiGotowe = false;
    std::int32_t SzybkoscMin = 0, SzybkoscMax = 0;       // Mbps
    std::int32_t NachylenieMin = 0, NachylenieMax = 0;   // mV/ns
    std::int32_t EchoMin = 0, EchoMax = 0;               // ns
    UstawieniaStandardu Ustawienia;
    int Standard = 0;
    QWidget* OknoGlowne;
    TPoleceniaWynikow Polecenia;

    // Characteristics: x in MHz, y in dB (losses negative, the regenerator's gains positive).
    std::unique_ptr<TFltFltStrumien> CharTlumienie;
    std::unique_ptr<TFltFltStrumien> CharPrzesluchy;
    std::unique_ptr<TFltFltStrumien> CharEcho;
    std::unique_ptr<TFltFltStrumien> CharWzmocnienie;

    QTabWidget* PageControl1;
    QWidget* TabSheetUstawienia;
    QWidget* TabSheetWejsciowe;
    QWidget* TabSheetWyjsciowe;
    QWidget* TabSheetOkowy;
    QWidget* ErrorTabSheet;

    QLineEdit* LiczbaBitowEdit;
    QLineEdit* SzybkoscEdit;
    QLineEdit* NachylenieEdit;
    QComboBox* GenComboBox;

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

    TStatToolBar* StatToolBar;
    QPushButton* SimBut;
    QPushButton* AnulujBut;
    QLabel* ProgLabel;
    QProgressBar* CGaugePart;
    QProgressBar* CGaugeTotal;
    // ProgLabel, CGaugePart and CGaugeTotal as the libraries are lent them.
    TPostepQt* Postep;

    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;

private:
    QWidget* ZbudujStroneUstawien();
    QWidget* ZbudujModelKanalu(QWidget* rodzic);
    QLineEdit* PoleLiczbowe(const QString& nazwa, QWidget* rodzic);
    QCheckBox* PoleNaZakladce(const QString& nazwa, QWidget* zakladka);
    void UstawEfekt(QWidget* zakladka, QCheckBox* pole, std::int32_t wartosc);

    // A setting of the input signal changed: the run may start again and the results
    // on show no longer match the settings.
    void UstawieniaZmienione();
    void PrzesluchyCheckBoxClick(bool zaznaczone);
    void EchoCheckBoxClick(bool zaznaczone);
    void WzmocnienieCheckBoxClick(bool zaznaczone);
    void KanalPageControlMouseDown(int indeks);
    void KanalPageControlChange(int indeks);
    void PokazStrone(QWidget* zakladka);

    std::vector<QWidget*> KontrolkiBlokowane;
    std::vector<bool> StanyPrzedBlokada;
};
