// A titled group of radio buttons whose value is the index of the chosen item, the
// items spread evenly over the group's height.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

class TRadioGroup : public QGroupBox {
    Q_OBJECT

public:
    explicit TRadioGroup(const QString& tytul, QWidget* rodzic = nullptr);

    // Replaces the items; nothing is chosen afterwards.
    void UstawPozycje(const QStringList& teksty);
    int LiczbaPozycji() const;
    // Index of the chosen item, or -1.
    int ItemIndex() const;
    // Chooses item indeks; -1 clears the choice. Emits nothing.
    void UstawItemIndex(int indeks);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user chose item indeks.
    void PozycjaKliknieta(int indeks);

protected:
    void resizeEvent(QResizeEvent* zdarzenie) override;

private:
    void RozmiescPozycje();
    int GoraPozycji() const;

    QButtonGroup* Grupa;
};
