#include "TSplashForm.h"

#include <QFrame>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "JezykQt.h"
#include "Obrazy.h"
#include "TMainForm.h"

namespace {

constexpr int Szerokosc = 396;
constexpr int Wysokosc = 181;
constexpr int Ramka = 6;             // 2 black, 3 white and 1 black pixels
constexpr int WysokoscDolu = 24;     // the bottom line with the version
constexpr int CzasModalny = 1000;    // ms
constexpr QSize RozmiarPrzycisku{30, 20};

} // namespace

TSplashForm::TSplashForm(QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashForm"));
    setWindowTitle(QStringLiteral("Lintavox"));
    setFixedSize(Szerokosc, Wysokosc);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::white);
    setPalette(paleta);
    setAutoFillBackground(true);

    const QRect wnetrze(Ramka, Ramka, Szerokosc - 2 * Ramka, Wysokosc - 2 * Ramka);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(wnetrze.left(), wnetrze.top(), wnetrze.width(), wnetrze.height() - WysokoscDolu);
    Image1->setPixmap(ObrazPowitalny(Image1->size()));

    const int goraDolu = wnetrze.bottom() + 1 - WysokoscDolu;
    WersjaLabel = new QLabel(TTekst::tr(" Wersja: 0.99b "), this);
    WersjaLabel->setObjectName(QStringLiteral("WersjaLabel"));
    WersjaLabel->setGeometry(wnetrze.left() + 2, goraDolu, 200, WysokoscDolu);
    WersjaLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Panel6 = new QFrame(this);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    Panel6->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel6->setLineWidth(1);
    const QSize panel = RozmiarPrzycisku + QSize(4, 4);
    Panel6->setGeometry(wnetrze.right() + 1 - panel.width() - 1, goraDolu + (WysokoscDolu - panel.height()) / 2,
                        panel.width(), panel.height());
    Image2 = new QLabel(Panel6);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(2, 2, RozmiarPrzycisku.width(), RozmiarPrzycisku.height());
    Image2->setPixmap(ObrazPrzyciskuDalej(RozmiarPrzycisku));
    Image2->setToolTip(TTekst::tr("Dalej"));
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->installEventFilter(this);
    Image2->setVisible(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(CzasModalny);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &QDialog::accept);

    if (const QScreen* ekran = QGuiApplication::primaryScreen())
        move(ekran->availableGeometry().center() - rect().center());
}

int TSplashForm::PokazModalnie()
{
    Timer1->start();
    return exec();
}

void TSplashForm::PokazZPrzyciskiem()
{
    Image2->setVisible(true);
    setModal(false);
    show();
    raise();
}

void TSplashForm::UstawOknoGlowne(TMainForm* okno)
{
    OknoGlowne = okno;
}

void TSplashForm::paintEvent(QPaintEvent* zdarzenie)
{
    QDialog::paintEvent(zdarzenie);
    QPainter p(this);
    p.fillRect(0, 0, width(), 2, Qt::black);
    p.fillRect(0, height() - 2, width(), 2, Qt::black);
    p.fillRect(0, 0, 2, height(), Qt::black);
    p.fillRect(width() - 2, 0, 2, height(), Qt::black);
    p.setPen(Qt::black);
    p.drawRect(Ramka - 1, Ramka - 1, width() - 2 * Ramka + 1, height() - 2 * Ramka + 1);
    const int goraDolu = height() - Ramka - WysokoscDolu;
    p.drawLine(Ramka, goraDolu - 1, width() - Ramka - 1, goraDolu - 1);
}

bool TSplashForm::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (obiekt != Image2)
        return QDialog::eventFilter(obiekt, zdarzenie);
    // A push-button look: the panel's bevel goes down while the mouse is pressed.
    if (zdarzenie->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(zdarzenie)->button() == Qt::LeftButton)
            Panel6->setFrameShadow(QFrame::Sunken);
        return true;
    }
    if (zdarzenie->type() == QEvent::MouseButtonRelease) {
        auto* mysz = static_cast<QMouseEvent*>(zdarzenie);
        if (mysz->button() != Qt::LeftButton)
            return true;
        Panel6->setFrameShadow(QFrame::Raised);
        if (Image2->rect().contains(mysz->position().toPoint()))
            Image2Click();
        return true;
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}

void TSplashForm::keyPressEvent(QKeyEvent* zdarzenie)
{
    if (zdarzenie->key() == Qt::Key_Escape) {
        zdarzenie->accept();
        return;
    }
    QDialog::keyPressEvent(zdarzenie);
}

void TSplashForm::Image2Click()
{
    close();
    if (OknoGlowne)
        OknoGlowne->UstawPokazStart();
}
