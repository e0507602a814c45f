// Road users of the traffic situations: vehicles as coloured views from above (heading
// up in their own frame), people as upright figures, the lights of vehicles, and the
// arrows that show where each of them is going.
#include "situace_kresby.h"

#include <QPolygonF>

#include <cmath>

namespace situace {

// ---------------------------------------------------------------- arrows

void sipka(QPainter& p, const QPainterPath& cesta, QColor barva) {
    const QPointF konec = cesta.pointAtPercent(1.0);
    const QPointF pred = cesta.pointAtPercent(0.97);
    QPointF smer = konec - pred;
    smer /= std::hypot(smer.x(), smer.y());
    const QPointF kolmo(-smer.y(), smer.x());
    const QPointF spicka = konec + smer * 5.0;
    const QPolygonF hrot{spicka, konec - smer * 6.5 + kolmo * 6.5,
                         konec - smer * 6.5 - kolmo * 6.5};
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 235), 7.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(cesta);
    p.setPen(QPen(barva, 3.6, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(cesta);
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(barva);
    p.drawPolygon(hrot);
    p.restore();
}

void sipka(QPainter& p, QPointF od, QPointF po, QColor barva) {
    QPainterPath cesta(od);
    cesta.lineTo(po);
    sipka(p, cesta, barva);
}

// ---------------------------------------------------------------- vehicles (heading up)

double delka(Druh d) {
    switch (d) {
    case Druh::Osobni:
        return 36;
    case Druh::Sanitka:
    case Druh::SanitkaBezMajaku:
        return 42;
    case Druh::Policie:
        return 38;
    case Druh::Nakladni:
        return 58;
    case Druh::Autobus:
        return 66;
    case Druh::Tramvaj:
        return 86;
    case Druh::Motocykl:
        return 34;
    case Druh::Kolo:
        return 40;
    case Druh::Traktor:
        return 80;
    case Druh::Sypac:
        return 62;
    case Druh::Vlak:
        return 150;
    }
    return 36;
}

double sirka(Druh d) {
    switch (d) {
    case Druh::Osobni:
    case Druh::Policie:
        return 19;
    case Druh::Sanitka:
    case Druh::SanitkaBezMajaku:
        return 21;
    case Druh::Motocykl:
        return 16;
    case Druh::Kolo:
        return 18;
    case Druh::Vlak:
        return 26;
    default:
        return 22;
    }
}

namespace {

const QColor kSklo(52, 66, 88);

void sklo(QPainter& p, double y1, double y2, double sirka1, double sirka2) {
    p.setPen(Qt::NoPen);
    p.setBrush(kSklo);
    p.drawPolygon(QPolygonF{QPointF(-sirka1 / 2, y1), QPointF(sirka1 / 2, y1),
                            QPointF(sirka2 / 2, y2), QPointF(-sirka2 / 2, y2)});
}

void karoserie(QPainter& p, QRectF r, double zaobleni, QColor barva) {
    p.setPen(QPen(barva.darker(190), 1.0));
    p.setBrush(barva);
    p.drawRoundedRect(r, zaobleni, zaobleni);
}

void svetlomety(QPainter& p, double w, double l) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 200));
    p.drawEllipse(QPointF(-w / 2 + 3, -l / 2 + 2), 1.8, 1.2);
    p.drawEllipse(QPointF(w / 2 - 3, -l / 2 + 2), 1.8, 1.2);
}

void zrcatka(QPainter& p, double w, double y, QColor barva) {
    p.setPen(QPen(barva.darker(190), 0.8));
    p.setBrush(barva);
    p.drawRoundedRect(QRectF(-w / 2 - 3, y, 3.5, 3), 1, 1);
    p.drawRoundedRect(QRectF(w / 2 - 0.5, y, 3.5, 3), 1, 1);
}

void osobni(QPainter& p, QColor barva, double l, double w) {
    zrcatka(p, w, -l / 2 + 10, barva);
    karoserie(p, QRectF(-w / 2, -l / 2, w, l), 5, barva);
    sklo(p, -l / 2 + 8, -l / 2 + 14, w - 7, w - 3); // windscreen
    sklo(p, l / 2 - 9, l / 2 - 5, w - 4, w - 7);    // rear window
    p.setPen(QPen(barva.darker(125), 1.0));
    p.setBrush(barva.lighter(112));
    p.drawRoundedRect(QRectF(-w / 2 + 2.5, -l / 2 + 14, w - 5, l - 23), 2, 2); // roof
    svetlomety(p, w, l);
}

void policie(QPainter& p, double l, double w) {
    osobni(p, QColor(246, 246, 242), l, w);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 110, 190));
    p.drawRect(QRectF(-w / 2 + 0.5, -l / 2 + 4, 2.2, l - 8));
    p.drawRect(QRectF(w / 2 - 2.7, -l / 2 + 4, 2.2, l - 8));
    p.setBrush(QColor(205, 225, 60));
    p.drawRect(QRectF(-w / 2 + 0.5, -l / 2 + 14, 2.2, 8));
    p.drawRect(QRectF(w / 2 - 2.7, -l / 2 + 14, 2.2, 8));
    majak(p, -l / 2 + 17, true);
}

void sanitka(QPainter& p, double l, double w) {
    zrcatka(p, w, -l / 2 + 7, QColor(250, 250, 246));
    karoserie(p, QRectF(-w / 2, -l / 2, w, l), 4, QColor(250, 250, 246));
    sklo(p, -l / 2 + 4, -l / 2 + 9, w - 7, w - 3);
    p.setPen(Qt::NoPen);
    p.setBrush(kCervenaZnacka);
    p.drawRect(QRectF(-w / 2 + 0.5, -l / 2 + 13, 2.5, l - 15));
    p.drawRect(QRectF(w / 2 - 3, -l / 2 + 13, 2.5, l - 15));
    p.drawRect(QRectF(-1.8, 3, 3.6, 12)); // red cross on the roof
    p.drawRect(QRectF(-6, 7.2, 12, 3.6));
    svetlomety(p, w, l);
}

void nakladni(QPainter& p, QColor barva, double l, double w) {
    zrcatka(p, w, -l / 2 + 4, barva);
    karoserie(p, QRectF(-w / 2, -l / 2, w, 14), 3, barva);
    sklo(p, -l / 2 + 2, -l / 2 + 6, w - 5, w - 3);
    karoserie(p, QRectF(-w / 2, -l / 2 + 16, w, l - 16), 1.5, QColor(210, 208, 200));
    p.setPen(QPen(QColor(165, 163, 155), 1.0));
    for (double y = -l / 2 + 24; y < l / 2 - 4; y += 8)
        p.drawLine(QPointF(-w / 2 + 2, y), QPointF(w / 2 - 2, y));
    svetlomety(p, w, l);
}

void sypac(QPainter& p, double l, double w) {
    // the plough blade in front of the cab, the cab and the spreader body
    p.setPen(QPen(QColor(120, 60, 0), 1.0));
    p.setBrush(QColor(255, 150, 30));
    p.drawPolygon(QPolygonF{QPointF(-w / 2 - 4, -l / 2 + 2), QPointF(w / 2 + 4, -l / 2 - 3),
                            QPointF(w / 2 + 4, -l / 2 + 1), QPointF(-w / 2 - 4, -l / 2 + 6)});
    nakladni(p, kOranzova, l - 6, w);
    karoserie(p, QRectF(-w / 2, -l / 2 + 16, w, l - 22), 1.5, kOranzova);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 115, 105));
    p.drawRoundedRect(QRectF(-w / 2 + 3, -l / 2 + 22, w - 6, l - 34), 2, 2); // the salt
    p.setBrush(QColor(255, 255, 255, 170));                                  // salt thrown behind
    for (int k = 0; k < 7; ++k)
        p.drawEllipse(QPointF(-8 + 2.6 * k, l / 2 + 2 + (k % 3) * 2.5), 1.4, 1.4);
    majak(p, -l / 2 + 10, true, QColor(255, 140, 0));
}

void autobus(QPainter& p, QColor barva, double l, double w) {
    zrcatka(p, w, -l / 2 + 2, barva);
    karoserie(p, QRectF(-w / 2, -l / 2, w, l), 4, barva);
    sklo(p, -l / 2 + 2, -l / 2 + 6, w - 4, w - 3);
    p.setBrush(kSklo);
    p.drawRect(QRectF(-w / 2 + 1, -l / 2 + 9, 2.5, l - 14));
    p.drawRect(QRectF(w / 2 - 3.5, -l / 2 + 9, 2.5, l - 14));
    p.setBrush(barva.lighter(125));
    p.drawRoundedRect(QRectF(-4, -l / 2 + 16, 8, 8), 1, 1); // roof vents
    p.drawRoundedRect(QRectF(-4, l / 2 - 24, 8, 8), 1, 1);
}

void tramvaj(QPainter& p, double l, double w) {
    const QColor krem(240, 228, 180);
    const QColor pas(70, 80, 95);
    karoserie(p, QRectF(-w / 2, -l / 2, w, l / 2 - 1), 7, krem);
    karoserie(p, QRectF(-w / 2, 1, w, l / 2 - 1), 7, krem);
    p.setPen(Qt::NoPen);
    p.setBrush(pas); // the window bands along the sides
    for (double y0 : {-l / 2 + 8, 4.0}) {
        p.drawRect(QRectF(-w / 2 + 0.6, y0, 2.4, l / 2 - 14));
        p.drawRect(QRectF(w / 2 - 3.0, y0, 2.4, l / 2 - 14));
    }
    p.setPen(QPen(QColor(120, 110, 90), 1.0));
    p.setBrush(QColor(170, 160, 135));
    p.drawRect(QRectF(-w / 2 + 3, -2, w - 6, 4)); // articulation
    sklo(p, -l / 2 + 2, -l / 2 + 7, w - 8, w - 4);
    sklo(p, l / 2 - 7, l / 2 - 2, w - 4, w - 8);
    // pantograph
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTmava, 1.4));
    const double y = -l / 4;
    p.drawPolygon(QPolygonF{QPointF(0, y - 7), QPointF(6, y), QPointF(0, y + 7), QPointF(-6, y)});
    p.drawLine(QPointF(-9, y - 7), QPointF(9, y - 7));
}

void kola(QPainter& p, double y, double rozchod, double sirkaKola, double delkaKola) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 32));
    p.drawRoundedRect(QRectF(-rozchod / 2 - sirkaKola, y - delkaKola / 2, sirkaKola, delkaKola),
                      1.5, 1.5);
    p.drawRoundedRect(QRectF(rozchod / 2, y - delkaKola / 2, sirkaKola, delkaKola), 1.5, 1.5);
}

// A tractor with a trailer: big rear wheels beside the cab, the bonnet in front.
void traktor(QPainter& p, QColor barva, double l) {
    const double t = 32; // the tractor alone
    const double y0 = -l / 2;
    kola(p, y0 + 6, 12, 3.5, 8);
    kola(p, y0 + 23, 14, 5, 15);
    karoserie(p, QRectF(-6, y0, 12, 16), 3, barva); // bonnet
    karoserie(p, QRectF(-8, y0 + 14, 16, 16), 2, barva);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 235, 240, 200));
    p.drawRect(QRectF(-6, y0 + 16, 12, 12)); // cab roof
    p.setPen(QPen(kTmava, 2.0));
    p.drawLine(QPointF(0, y0 + t - 1), QPointF(0, y0 + t + 7)); // drawbar
    kola(p, y0 + t + 26, 20, 3, 9);
    kola(p, y0 + t + 38, 20, 3, 9);
    karoserie(p, QRectF(-11, y0 + t + 6, 22, l - t - 6), 1.5, QColor(120, 160, 90));
    p.setPen(QPen(QColor(90, 125, 65), 1.0));
    p.drawRect(QRectF(-8.5, y0 + t + 9, 17, l - t - 12));
}

void motocykl(QPainter& p, QColor barva, double l) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 32));
    p.drawRoundedRect(QRectF(-3, -l / 2, 6, 11), 2.5, 2.5); // wheels
    p.drawRoundedRect(QRectF(-3, l / 2 - 11, 6, 11), 2.5, 2.5);
    karoserie(p, QRectF(-5, -l / 2 + 6, 10, l - 11), 4.5, barva);
    p.setPen(QPen(kTmava, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-9, -l / 2 + 8), QPointF(9, -l / 2 + 8)); // handlebar
    // the rider: arms to the handlebar, shoulders in a dark jacket, a white helmet
    p.setPen(QPen(QColor(50, 50, 60), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-6, 1), QPointF(-8, -l / 2 + 8));
    p.drawLine(QPointF(6, 1), QPointF(8, -l / 2 + 8));
    p.setPen(QPen(kTmava, 1.0));
    p.setBrush(QColor(60, 60, 72));
    p.drawEllipse(QPointF(0, 4), 8, 5.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), 4.6, 4.6);
}

// A cyclist from above: both wheels in line, the handlebar across, the rider's arms
// reaching to it, the back and the helmet. A light outline keeps it apart from the road.
void kolo(QPainter& p, QColor barva, double l) {
    const QColor ram(25, 25, 28);
    const QColor obrys(255, 255, 255, 150);
    for (bool podklad : {true, false}) {
        const double k = podklad ? 2.4 : 0.0;
        p.setPen(QPen(podklad ? obrys : ram, 4.0 + k, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, -l / 2 + 2), QPointF(0, -l / 2 + 14)); // wheels
        p.drawLine(QPointF(0, l / 2 - 14), QPointF(0, l / 2 - 2));
        p.setPen(QPen(podklad ? obrys : ram, 1.8 + k, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, -l / 2 + 8), QPointF(0, l / 2 - 8)); // frame
        p.setPen(QPen(podklad ? obrys : ram, 2.4 + k, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-9, -l / 2 + 11), QPointF(9, -l / 2 + 11)); // handlebar
    }
    p.setPen(QPen(barva.darker(130), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-6.5, 2), QPointF(-8, -l / 2 + 11)); // arms
    p.drawLine(QPointF(6.5, 2), QPointF(8, -l / 2 + 11));
    p.setPen(QPen(barva.darker(170), 1.0));
    p.setBrush(barva);
    p.drawRoundedRect(QRectF(-8.5, -1, 17, 12), 5, 5); // the back
    p.setBrush(QColor(250, 215, 40));
    p.drawEllipse(QPointF(0, -3), 5, 5.5); // helmet
    p.setPen(QPen(QColor(180, 140, 0), 1.0));
    p.drawLine(QPointF(0, -7.5), QPointF(0, 1.5));
}

void vlak(QPainter& p, double l, double w) {
    const QColor zelena(40, 110, 90);
    karoserie(p, QRectF(-w / 2, -l / 2, w, l), 6, zelena);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 20)); // the yellow front ends
    p.drawRoundedRect(QRectF(-w / 2 + 0.5, -l / 2 + 0.5, w - 1, 10), 5, 5);
    p.drawRoundedRect(QRectF(-w / 2 + 0.5, l / 2 - 10.5, w - 1, 10), 5, 5);
    sklo(p, -l / 2 + 3, -l / 2 + 8, w - 8, w - 5);
    p.setBrush(zelena.lighter(125));
    for (double y = -l / 2 + 18; y < l / 2 - 22; y += 22)
        p.drawRoundedRect(QRectF(-5, y, 10, 12), 1.5, 1.5); // roof units
}

} // namespace

void majak(QPainter& p, double y, bool sviti, QColor barva) {
    p.setPen(Qt::NoPen);
    if (sviti) {
        QColor zare = barva.lighter(150);
        zare.setAlpha(90);
        p.setBrush(zare);
        p.drawEllipse(QPointF(-5, y), 7, 7);
        p.drawEllipse(QPointF(5, y), 7, 7);
        p.setPen(QPen(barva, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 5; ++k) {
            const double a = (200.0 + 35.0 * k) * kPi / 180.0;
            const QPointF u(std::cos(a), std::sin(a));
            p.drawLine(QPointF(-5, y) + u * 9.0, QPointF(-5, y) + u * 13.0);
            const QPointF v(-u.x(), u.y());
            p.drawLine(QPointF(5, y) + v * 9.0, QPointF(5, y) + v * 13.0);
        }
        p.setPen(QPen(barva.darker(160), 0.8));
        p.setBrush(barva);
    } else {
        p.setPen(QPen(Qt::black, 0.8));
        p.setBrush(QColor(90, 95, 110));
    }
    p.drawRoundedRect(QRectF(-8, y - 2.5, 16, 5), 2, 2);
}

void vozidlo(QPainter& p, Druh d, QColor barva, QPointF stred, double smer) {
    const double l = delka(d);
    const double w = sirka(d);
    vBode(p, stred, smer, [&] {
        switch (d) {
        case Druh::Osobni:
            osobni(p, barva, l, w);
            break;
        case Druh::Sanitka:
        case Druh::SanitkaBezMajaku:
            sanitka(p, l, w);
            majak(p, -l / 2 + 12, d == Druh::Sanitka);
            break;
        case Druh::Policie:
            policie(p, l, w);
            break;
        case Druh::Nakladni:
            nakladni(p, barva, l, w);
            break;
        case Druh::Autobus:
            autobus(p, barva, l, w);
            break;
        case Druh::Tramvaj:
            tramvaj(p, l, w);
            break;
        case Druh::Motocykl:
            motocykl(p, barva, l);
            break;
        case Druh::Kolo:
            kolo(p, barva, l);
            break;
        case Druh::Traktor:
            traktor(p, barva, l);
            break;
        case Druh::Sypac:
            sypac(p, l, w);
            break;
        case Druh::Vlak:
            vlak(p, l, w);
            break;
        }
    });
}

namespace {

// One blinking lamp at `bod` whose rays point away along `ven`.
void blinkr(QPainter& p, QPointF bod, QPointF ven) {
    const QColor oranzova(255, 145, 0);
    p.setPen(QPen(oranzova, 1.5, Qt::SolidLine, Qt::RoundCap));
    const double a0 = std::atan2(ven.y(), ven.x());
    for (int k = -1; k <= 1; ++k) {
        const double a = a0 + k * 0.55;
        const QPointF s(std::cos(a), std::sin(a));
        p.drawLine(bod + s * 4.0, bod + s * 8.5);
    }
    p.setPen(QPen(QColor(150, 70, 0), 0.8));
    p.setBrush(oranzova);
    p.drawEllipse(bod, 2.4, 2.4);
}

} // namespace

void blinkry(QPainter& p, Druh d, QPointF stred, double smer, Blinkr b) {
    const double l = delka(d) / 2 - 2.5;
    const double w = sirka(d) / 2 - 1.0;
    vBode(p, stred, smer, [&] {
        for (double strana : {-1.0, 1.0}) {
            if ((b == Blinkr::Vlevo && strana > 0) || (b == Blinkr::Vpravo && strana < 0))
                continue;
            blinkr(p, QPointF(strana * w, -l), QPointF(strana, -0.8));
            blinkr(p, QPointF(strana * w, l), QPointF(strana, 0.8));
        }
    });
}

// ---------------------------------------------------------------- people

namespace {

// The front arm of a walking figure; with a plain white stick (the stick of a blind
// person; red bands would mark a deafblind one) held down to the ground in front, edged
// in dark so that it shows on the pavement.
void predniPaze(QPainter& p, QColor barva, bool hul) {
    p.setPen(QPen(barva, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (!hul) {
        p.drawPolyline(QPolygonF{QPointF(0.5, -21), QPointF(3.5, -16.5), QPointF(5.5, -12.5)});
        return;
    }
    p.drawPolyline(QPolygonF{QPointF(0.5, -21), QPointF(3.5, -16.5), QPointF(6.5, -14)});
    p.setPen(QPen(QColor(60, 60, 66), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6.5, -14), QPointF(12.5, 0.5));
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6.5, -14), QPointF(12.5, 0.5));
}

} // namespace

void chodec(QPainter& p, QPointF nohy, const Postava& f) {
    const double k = f.dite ? 0.72 : 1.0;
    const double s = f.vpravo ? 1.0 : -1.0;
    const QColor kuze(235, 190, 150);
    p.save();
    p.translate(nohy);
    p.scale(k * s, k);
    // the shadow shows where the person stands on the map
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QPointF(0, 0), 8, 2.6);
    const QColor trup = f.vesta ? QColor(215, 240, 30) : f.obleceni;
    const QColor nohavice = f.vesta ? QColor(50, 60, 90) : f.obleceni.darker(150);
    // legs in a stride, the back arm, the body, the front arm and the head
    p.setPen(QPen(nohavice, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(-4.5, -1), QPointF(-1, -9), QPointF(0, -12)});
    p.drawPolyline(QPolygonF{QPointF(5, -1), QPointF(2, -8), QPointF(0, -12)});
    p.setPen(QPen(trup.darker(125), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(0, -21), QPointF(-3.5, -16), QPointF(-4.5, -12)});
    p.setPen(QPen(trup, 5.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -12), QPointF(0.6, -21.5));
    if (f.vesta) {
        p.setPen(QPen(QColor(200, 200, 205), 1.4));
        p.drawLine(QPointF(-2.2, -16), QPointF(3.2, -16));
    }
    predniPaze(p, trup.darker(110), f.hul);
    p.setPen(QPen(kuze.darker(150), 0.8));
    p.setBrush(kuze);
    p.drawEllipse(QPointF(0.8, -26), 3.8, 3.8);
    p.restore();
}

void policista(QPainter& p, QPointF nohy) {
    const QColor uniforma(35, 55, 110);
    const QColor vesta(215, 240, 30);
    const QColor kuze(235, 190, 150);
    p.save();
    p.translate(nohy);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QPointF(0, 0), 9, 2.8);
    p.setPen(QPen(uniforma, 4.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-2.6, -1), QPointF(-2.2, -13)); // legs
    p.drawLine(QPointF(2.6, -1), QPointF(2.2, -13));
    p.setPen(QPen(vesta.darker(115), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-17, -24), QPointF(17, -24)); // arms stretched to the sides
    p.setPen(QPen(kuze, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(QPointF(-18, -24));
    p.drawPoint(QPointF(18, -24));
    p.setPen(QPen(vesta.darker(160), 0.8));
    p.setBrush(vesta);
    p.drawRoundedRect(QRectF(-5.5, -26, 11, 14), 2, 2); // body in the vest
    p.setPen(QPen(QColor(200, 200, 205), 1.4));
    p.drawLine(QPointF(-5, -18), QPointF(5, -18));
    p.setPen(QPen(kuze.darker(150), 0.8));
    p.setBrush(kuze);
    p.drawEllipse(QPointF(0, -30.5), 3.8, 3.8);
    p.setPen(Qt::NoPen);
    p.setBrush(uniforma); // the cap with its white band
    p.drawRoundedRect(QRectF(-4.8, -36.5, 9.6, 4.5), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(-4.8, -33.2, 9.6, 1.4));
    p.restore();
}

void mic(QPainter& p, QPointF stred) {
    p.setPen(QPen(QColor(40, 40, 40), 1.0));
    p.setBrush(Qt::white);
    p.drawEllipse(stred, 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 30));
    p.drawEllipse(stred + QPointF(-1.5, -1.5), 2.6, 2.6);
    p.drawEllipse(stred + QPointF(3.0, 2.6), 1.6, 1.6);
    p.drawEllipse(stred + QPointF(-3.2, 3.0), 1.5, 1.5);
}

// ---------------------------------------------------------------- at a junction

// Turning arrows end a little off the lane centre (a right turn nearer the edge of the
// road, a left turn nearer the centre line) and sooner than straight ones, so that they
// do not hide the arrow of a vehicle going straight on, or turning the other way, into
// the same lane.
constexpr double kOdsazeni = 7.0;

QPainterPath cestaKrizovatkou(Cesta c, double x) {
    QPainterPath cesta(QPointF(x, kPul + 4));
    switch (c) {
    case Cesta::Rovne:
        cesta.lineTo(x, -kPul - 24);
        break;
    case Cesta::Vpravo:
        cesta.lineTo(x, kPruh + kOdsazeni + 13);
        cesta.quadTo(x, kPruh + kOdsazeni, x + 13, kPruh + kOdsazeni);
        cesta.lineTo(kPul + 15, kPruh + kOdsazeni);
        break;
    case Cesta::Vlevo:
        cesta.lineTo(x, 12);
        cesta.quadTo(x, -kPruh + kOdsazeni, x - 24, -kPruh + kOdsazeni);
        cesta.lineTo(-kPul - 5, -kPruh + kOdsazeni);
        break;
    }
    return cesta;
}

QColor barvaSipky(Druh d, QColor barva) {
    switch (d) {
    case Druh::Tramvaj:
    case Druh::Sanitka:
    case Druh::SanitkaBezMajaku:
    case Druh::Policie:
    case Druh::Vlak:
    case Druh::Sypac:
        return kTmava;
    default:
        // light grey and white vehicles get a dark arrow that shows on the road
        return barva.lightness() > 170 ? kTmava : barva;
    }
}

void naVjezdu(QPainter& p, Smer odkud, Druh d, QColor barva, Cesta c) {
    // a cyclist keeps to the right edge of the lane
    const double x = d == Druh::Kolo ? kPruh + 9 : kPruh;
    zPohledu(p, odkud, [&] {
        vozidlo(p, d, barva, QPointF(x, kPul + 6 + delka(d) / 2), 0);
        sipka(p, cestaKrizovatkou(c, x), barvaSipky(d, barva));
    });
}

grafika::Kresba kresba(Situace s) {
    return [s](QPainter& p, const QSize&) { s(p); };
}

} // namespace situace
