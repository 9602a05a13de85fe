#include "Obrazy.h"

#include "JezykQt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

using TRysunek = std::function<void(QPainter&, double)>;

// Draws the picture at several sizes, so the icon stays crisp in menus and tool bars.
// The drawing works on a 24-unit square scaled to the pixmap.
QIcon Ikona(const TRysunek& rysuj)
{
    QIcon ikona;
    for (int bok : {16, 24, 32, 48}) {
        QPixmap obraz(bok, bok);
        obraz.fill(Qt::transparent);
        QPainter p(&obraz);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(bok / 24.0, bok / 24.0);
        rysuj(p, bok / 24.0);
        p.end();
        ikona.addPixmap(obraz);
    }
    return ikona;
}

QPen Pioro(const QColor& kolor, double grubosc)
{
    QPen pioro(kolor, grubosc);
    pioro.setJoinStyle(Qt::RoundJoin);
    pioro.setCapStyle(Qt::RoundCap);
    return pioro;
}

// One sweep of a raised-cosine pulse edge between levels a and b, from x0 to x1.
QPainterPath Zbocze(double x0, double x1, double a, double b)
{
    QPainterPath sciezka({x0, a});
    constexpr int kroki = 24;
    for (int i = 1; i <= kroki; ++i) {
        const double t = static_cast<double>(i) / kroki;
        const double y = a + (b - a) * (1.0 - std::cos(std::numbers::pi * t)) / 2.0;
        sciezka.lineTo(x0 + (x1 - x0) * t, y);
    }
    return sciezka;
}

} // namespace

QIcon IkonaProgramu()
{
    return Ikona([](QPainter& p, double) {
        QLinearGradient tlo(0, 0, 0, 24);
        tlo.setColorAt(0, QColor(0x1f, 0x4e, 0x8c));
        tlo.setColorAt(1, QColor(0x0b, 0x22, 0x45));
        p.setPen(Qt::NoPen);
        p.setBrush(tlo);
        p.drawRoundedRect(QRectF(1, 1, 22, 22), 4, 4);
        p.setPen(Pioro(QColor(0x7f, 0xe0, 0xff), 1.6));
        p.setBrush(Qt::NoBrush);
        for (auto [a, b] : {std::pair{7.0, 17.0}, std::pair{17.0, 7.0}})
            p.drawPath(Zbocze(4, 20, a, b));
        p.drawLine(QPointF(4, 7), QPointF(20, 7));
        p.drawLine(QPointF(4, 17), QPointF(20, 17));
    });
}

QIcon IkonaNowa()
{
    return Ikona([](QPainter& p, double) {
        QPainterPath kartka;
        kartka.moveTo(5, 2.5);
        kartka.lineTo(14.5, 2.5);
        kartka.lineTo(19.5, 7.5);
        kartka.lineTo(19.5, 21.5);
        kartka.lineTo(5, 21.5);
        kartka.closeSubpath();
        p.setPen(Pioro(QColor(0x55, 0x5f, 0x6d), 1.0));
        p.setBrush(Qt::white);
        p.drawPath(kartka);
        p.setBrush(QColor(0xdd, 0xe3, 0xea));
        p.drawPolygon(QPolygonF({QPointF(14.5, 2.5), QPointF(14.5, 7.5), QPointF(19.5, 7.5)}));
        p.setPen(Pioro(QColor(0x00, 0x80, 0x00), 1.5));
        p.setBrush(Qt::NoBrush);
        QPainterPath fala({7, 15});
        for (int i = 1; i <= 20; ++i)
            fala.lineTo(7 + i * 0.51, 15 - 4.0 * std::sin(i * std::numbers::pi / 10.0));
        p.drawPath(fala);
    });
}

QIcon IkonaZapisz()
{
    return Ikona([](QPainter& p, double) {
        p.setPen(Pioro(QColor(0x1d, 0x3a, 0x66), 1.0));
        p.setBrush(QColor(0x2f, 0x5f, 0xa8));
        QPainterPath obudowa;
        obudowa.moveTo(3.5, 3.5);
        obudowa.lineTo(17.5, 3.5);
        obudowa.lineTo(20.5, 6.5);
        obudowa.lineTo(20.5, 20.5);
        obudowa.lineTo(3.5, 20.5);
        obudowa.closeSubpath();
        p.drawPath(obudowa);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd5, 0xdb, 0xe3));
        p.drawRect(QRectF(7, 4, 9, 6));
        p.setBrush(QColor(0x2f, 0x5f, 0xa8));
        p.drawRect(QRectF(13, 5, 2, 4));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 13, 12, 7));
        p.setPen(Pioro(QColor(0x9a, 0xa5, 0xb3), 0.8));
        p.drawLine(QPointF(8, 15.5), QPointF(16, 15.5));
        p.drawLine(QPointF(8, 17.8), QPointF(16, 17.8));
    });
}

QIcon IkonaDrukuj()
{
    return Ikona([](QPainter& p, double) {
        p.setPen(Pioro(QColor(0x55, 0x5f, 0x6d), 1.0));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 2.5, 11, 8));
        QLinearGradient obudowa(0, 9, 0, 18);
        obudowa.setColorAt(0, QColor(0xb8, 0xc0, 0xca));
        obudowa.setColorAt(1, QColor(0x7c, 0x86, 0x93));
        p.setBrush(obudowa);
        p.drawRoundedRect(QRectF(2.5, 9.5, 19, 9), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 15.5, 11, 6));
        p.setPen(Pioro(QColor(0x8a, 0x94, 0xa0), 0.8));
        p.drawLine(QPointF(8.5, 17.7), QPointF(15.5, 17.7));
        p.drawLine(QPointF(8.5, 19.6), QPointF(13.5, 19.6));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2e, 0xb8, 0x4b));
        p.drawEllipse(QPointF(18.3, 12.3), 1.1, 1.1);
    });
}

QIcon IkonaOpcje()
{
    return Ikona([](QPainter& p, double) {
        const double wiersze[] = {6, 12, 18};
        const double galki[] = {15, 8, 13};
        for (int i = 0; i < 3; ++i) {
            p.setPen(Pioro(QColor(0x55, 0x5f, 0x6d), 2.0));
            p.drawLine(QPointF(3.5, wiersze[i]), QPointF(20.5, wiersze[i]));
            p.setPen(Pioro(QColor(0x1d, 0x3a, 0x66), 1.0));
            p.setBrush(QColor(0xf0, 0xb4, 0x29));
            p.drawRoundedRect(QRectF(galki[i] - 2.5, wiersze[i] - 3.5, 5, 7), 1.2, 1.2);
        }
    });
}

QIcon IkonaZakoncz()
{
    return Ikona([](QPainter& p, double) {
        p.setPen(Pioro(QColor(0x55, 0x3b, 0x22), 1.0));
        p.setBrush(QColor(0xa8, 0x72, 0x3f));
        p.drawRect(QRectF(4.5, 2.5, 10, 19));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf0, 0xd0, 0x60));
        p.drawEllipse(QPointF(12.5, 12.5), 1, 1);
        p.setPen(Pioro(QColor(0xc6, 0x28, 0x28), 2.2));
        p.drawLine(QPointF(11, 12), QPointF(21, 12));
        p.drawLine(QPointF(17.5, 8.5), QPointF(21, 12));
        p.drawLine(QPointF(17.5, 15.5), QPointF(21, 12));
    });
}

QPixmap ObrazPowitalny(QSize rozmiar)
{
    QPixmap obraz(rozmiar);
    const double w = rozmiar.width();
    const double h = rozmiar.height();
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient tlo(0, 0, w, h);
    tlo.setColorAt(0, QColor(0x0d, 0x26, 0x4d));
    tlo.setColorAt(1, QColor(0x05, 0x10, 0x24));
    p.fillRect(obraz.rect(), tlo);

    // An eye diagram on the right: two-level traces overlaid period by period, with a
    // little noise in each level so the eye looks measured rather than drawn.
    const QRectF oko(w * 0.60, h * 0.14, w * 0.36, h * 0.72);
    p.setPen(QPen(QColor(0x3a, 0x5a, 0x86), 1.0, Qt::DotLine));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(oko.left() + oko.width() * i / 4, oko.top()), QPointF(oko.left() + oko.width() * i / 4, oko.bottom()));
    p.drawLine(QPointF(oko.left(), oko.center().y()), QPointF(oko.right(), oko.center().y()));
    const double poziomy[] = {0.0, 1.0};
    for (int slad = 0; slad < 40; ++slad) {
        const double szum = std::sin(slad * 12.9898) * 0.045;
        const double a = poziomy[slad % 2] + szum;
        const double b = poziomy[(slad / 2) % 2] - szum * 0.7;
        const double yA = oko.bottom() - a * oko.height();
        const double yB = oko.bottom() - b * oko.height();
        QColor kolor(0x5c, 0xd6, 0xff);
        kolor.setAlphaF(0.28);
        p.setPen(QPen(kolor, 1.2));
        p.setBrush(Qt::NoBrush);
        QPainterPath sciezka({oko.left(), yA});
        sciezka.lineTo(oko.left() + oko.width() * 0.25, yA);
        sciezka.connectPath(Zbocze(oko.left() + oko.width() * 0.25, oko.left() + oko.width() * 0.75, yA, yB));
        sciezka.lineTo(oko.right(), yB);
        p.drawPath(sciezka);
    }

    // A soft glow behind the name.
    QRadialGradient poswiata(QPointF(w * 0.25, h * 0.45), w * 0.32);
    poswiata.setColorAt(0, QColor(0x30, 0x70, 0xc0, 90));
    poswiata.setColorAt(1, QColor(0x30, 0x70, 0xc0, 0));
    p.fillRect(obraz.rect(), poswiata);

    QFont nazwa(QStringLiteral("DejaVu Sans"));
    nazwa.setPixelSize(static_cast<int>(h * 0.25));
    nazwa.setBold(true);
    p.setFont(nazwa);
    p.setPen(Qt::white);
    p.drawText(QRectF(w * 0.05, h * 0.16, w * 0.50, h * 0.34), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Lintavox"));

    QFont opis(QStringLiteral("DejaVu Sans"));
    opis.setPixelSize(static_cast<int>(h * 0.085));
    p.setFont(opis);
    p.setPen(QColor(0xc8, 0xdc, 0xf5));
    p.drawText(QRectF(w * 0.05, h * 0.50, w * 0.50, h * 0.14), Qt::AlignLeft | Qt::AlignVCenter,
               TTekst::tr("Symulator warstwy fizycznej"));
    p.drawText(QRectF(w * 0.05, h * 0.62, w * 0.50, h * 0.14), Qt::AlignLeft | Qt::AlignVCenter,
               TTekst::tr("sieci Ethernet na skrętce"));
    opis.setPixelSize(static_cast<int>(h * 0.07));
    p.setFont(opis);
    p.setPen(QColor(0x7f, 0xa8, 0xd8));
    p.drawText(QRectF(w * 0.05, h * 0.78, w * 0.50, h * 0.12), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("10BaseT · 100BaseTX · 1000BaseT"));
    return obraz;
}

QPixmap ObrazPrzyciskuDalej(QSize rozmiar)
{
    QPixmap obraz(rozmiar);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = rozmiar.width();
    const double h = rozmiar.height();
    QLinearGradient wypelnienie(0, 0, 0, h);
    wypelnienie.setColorAt(0, QColor(0x4c, 0xc2, 0x5c));
    wypelnienie.setColorAt(1, QColor(0x1f, 0x85, 0x32));
    p.setPen(QPen(QColor(0x15, 0x5e, 0x23), 1.0));
    p.setBrush(wypelnienie);
    p.drawPolygon(QPolygonF({QPointF(w * 0.18, h * 0.36), QPointF(w * 0.52, h * 0.36), QPointF(w * 0.52, h * 0.16),
                             QPointF(w * 0.86, h * 0.5), QPointF(w * 0.52, h * 0.84), QPointF(w * 0.52, h * 0.64),
                             QPointF(w * 0.18, h * 0.64)}));
    return obraz;
}
