// Roads of the traffic situations seen from above: junctions, straight roads, kerbs and
// pavements, road markings, tram tracks, the railway, the roundabout and barriers.
#include "situace_kresby.h"

#include <QPolygonF>

#include <cmath>

namespace situace {

void trava(QPainter& p, QColor barva) {
    p.fillRect(QRectF(0, 0, kStrana, kStrana), barva);
}

void stredovaCara(QPainter& p, QPointF od, QPointF po) {
    QPen pero(Qt::white, 2.0, Qt::CustomDashLine, Qt::FlatCap);
    pero.setDashPattern({5.0, 4.0});
    p.setPen(pero);
    p.drawLine(od, po);
}

void souvislaCara(QPainter& p, QPointF od, QPointF po, double sirka) {
    p.setPen(QPen(Qt::white, sirka, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(od, po);
}

void vodiciCara(QPainter& p, QPointF od, QPointF po) {
    QPen pero(Qt::white, 1.6, Qt::CustomDashLine, Qt::FlatCap);
    pero.setDashPattern({2.0, 2.0});
    p.setPen(pero);
    p.drawLine(od, po);
}

void krizovatka(QPainter& p, int ramena, int bezCary) {
    trava(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kSilnice);
    p.drawRect(QRectF(kStred - kPul, kStred - kPul, 2 * kPul, 2 * kPul));
    constexpr double r = 14;
    for (int s = 0; s < 4; ++s) {
        const Smer smer = static_cast<Smer>(s);
        if (!(ramena & bit(smer)))
            continue;
        zPohledu(p, smer, [&] {
            p.setPen(Qt::NoPen);
            p.setBrush(kSilnice);
            p.drawRect(QRectF(-kPul, kPul - 1, 2 * kPul, 200));
            // the corner between this arm and the one on its right
            if (ramena & (1 << ((s + 3) % 4))) {
                p.drawRect(QRectF(kPul - 1, kPul - 1, r + 1, r + 1));
                p.setBrush(kTrava);
                p.drawEllipse(QPointF(kPul + r, kPul + r), r, r);
            }
            if (!(bezCary & bit(smer)))
                stredovaCara(p, QPointF(0, kPul + 3), QPointF(0, 200));
        });
    }
}

void silniceSvisla(QPainter& p, double osa, double pul, bool cara) {
    p.setPen(Qt::NoPen);
    p.setBrush(kSilnice);
    p.drawRect(QRectF(osa - pul, 0, 2 * pul, kStrana));
    if (cara)
        stredovaCara(p, QPointF(osa, 0), QPointF(osa, kStrana));
}

void chodnikSvisly(QPainter& p, double hrana, double sirka, int smer, double y0, double y1) {
    p.setPen(Qt::NoPen);
    p.setBrush(kChodnik);
    const double x = smer > 0 ? hrana : hrana - sirka;
    p.drawRect(QRectF(x, y0, sirka, y1 - y0));
    p.setBrush(kObrubnik);
    p.drawRect(QRectF(smer > 0 ? hrana : hrana - 2.5, y0, 2.5, y1 - y0));
}

void chodnikVodorovny(QPainter& p, double hrana, double sirka, int smer, double x0, double x1) {
    p.setPen(Qt::NoPen);
    p.setBrush(kChodnik);
    const double y = smer > 0 ? hrana : hrana - sirka;
    p.drawRect(QRectF(x0, y, x1 - x0, sirka));
    p.setBrush(kObrubnik);
    p.drawRect(QRectF(x0, smer > 0 ? hrana : hrana - 2.5, x1 - x0, 2.5));
}

void prechod(QPainter& p, QRectF r, bool cestaSvisla) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    constexpr double pruh = 5.0;
    constexpr double krok = 10.0;
    if (cestaSvisla) {
        for (double x = r.left() + 2.5; x + pruh <= r.right(); x += krok)
            p.drawRect(QRectF(x, r.top(), pruh, r.height()));
    } else {
        for (double y = r.top() + 2.5; y + pruh <= r.bottom(); y += krok)
            p.drawRect(QRectF(r.left(), y, r.width(), pruh));
    }
}

namespace {

QPointF jednotkovy(QPointF v) {
    const double d = std::hypot(v.x(), v.y());
    return v / d;
}

} // namespace

void koleje(QPainter& p, QPointF od, QPointF po) {
    const QPointF smer = jednotkovy(po - od);
    const QPointF kolmo(-smer.y(), smer.x());
    p.setPen(QPen(QColor(62, 62, 66), 1.6));
    for (double k : {-4.5, 4.5})
        p.drawLine(od + kolmo * k, po + kolmo * k);
}

void zeleznice(QPainter& p, QPointF od, QPointF po) {
    const QPointF smer = jednotkovy(po - od);
    const QPointF kolmo(-smer.y(), smer.x());
    const double d = std::hypot(po.x() - od.x(), po.y() - od.y());
    // the ballast bed, the sleepers and the rails
    p.setPen(QPen(QColor(150, 140, 128), 30, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(od, po);
    p.setPen(QPen(QColor(110, 82, 60), 3.0, Qt::SolidLine, Qt::FlatCap));
    for (double t = 3; t < d; t += 8)
        p.drawLine(od + smer * t - kolmo * 11, od + smer * t + kolmo * 11);
    p.setPen(QPen(QColor(55, 55, 60), 2.0));
    for (double k : {-6.5, 6.5})
        p.drawLine(od + kolmo * k, po + kolmo * k);
}

QPointF naKruhu(double r, double a) {
    const double u = a * kPi / 180.0;
    return QPointF(kStred + r * std::cos(u), kStred + r * std::sin(u));
}

void oblouk(QPainterPath& cesta, double r, double a0, double a1) {
    const double krok = a1 < a0 ? -3.0 : 3.0;
    for (double a = a0; krok < 0 ? a >= a1 : a <= a1; a += krok)
        cesta.lineTo(naKruhu(r, a));
}

void kruhovyObjezd(QPainter& p, double vnitrni, double vnejsi) {
    trava(p);
    constexpr double pul = 32;
    p.setPen(Qt::NoPen);
    p.setBrush(kSilnice);
    for (Smer s : {Jih, Zapad, Sever, Vychod})
        zPohledu(p, s, [&] { p.drawRect(QRectF(-pul, vnejsi - 20, 2 * pul, 200)); });
    p.drawEllipse(QPointF(kStred, kStred), vnejsi, vnejsi);
    // the island with a paved edge
    p.setBrush(QColor(190, 186, 176));
    p.drawEllipse(QPointF(kStred, kStred), vnitrni, vnitrni);
    p.setBrush(kTrava.darker(106));
    p.drawEllipse(QPointF(kStred, kStred), vnitrni - 6, vnitrni - 6);
    for (Smer s : {Jih, Zapad, Sever, Vychod}) {
        zPohledu(p, s, [&] {
            // splitter island of the arm and its centre line
            p.setPen(QPen(Qt::white, 1.2));
            p.setBrush(QColor(190, 186, 176));
            p.drawPolygon(QPolygonF{QPointF(-6, vnejsi + 4), QPointF(6, vnejsi + 4),
                                    QPointF(2.5, vnejsi + 34), QPointF(-2.5, vnejsi + 34)});
            stredovaCara(p, QPointF(0, vnejsi + 37), QPointF(0, 200));
            // give-way line at the entry (the right half of the arm)
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            for (double x = 9; x < pul - 2; x += 7)
                p.drawRect(QRectF(x, vnejsi + 2, 4, 3));
        });
    }
}

void svodidla(QPainter& p, QPointF od, QPointF po) {
    p.setPen(QPen(QColor(90, 92, 96), 4.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(od, po);
    p.setPen(QPen(QColor(205, 208, 212), 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(od, po);
}

} // namespace situace
