// The splash window: 396 × 181 pixels, borderless, first modal for a second, then
// waiting on top with its picture button, whose click opens the start dialog.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QTimer;
class TMainForm;

class TSplashForm : public QDialog {
    Q_OBJECT

public:
    explicit TSplashForm(QWidget* rodzic = nullptr);

    // The modal second: returns when the timer closes the window.
    int PokazModalnie();
    // The waiting phase: the picture button is shown and the window stays on top.
    void PokazZPrzyciskiem();
    // The main window whose start dialog a click on the button asks for.
    void UstawOknoGlowne(TMainForm* okno);

    QLabel* Image1;
    QLabel* WersjaLabel;
    QFrame* Panel6;
    QLabel* Image2;
    QTimer* Timer1;

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    // The window goes by its timer or its button, not by Escape.
    void keyPressEvent(QKeyEvent* zdarzenie) override;

private:
    void Image2Click();

    TMainForm* OknoGlowne = nullptr;
};
