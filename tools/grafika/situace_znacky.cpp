// Signs, plates and traffic lights of the traffic situations. They are drawn upright and
// larger than to scale (every sign at least 34 px across, the plate E2 36 px, lamps of
// 12 px), so that they can be read at the size of the picture, and they stand at the
// right of the approach they govern, just before the junction.
#include "situace_kresby.h"

#include <QFont>
#include <QPolygonF>

#include <cmath>
#include <vector>

namespace situace {

namespace {

constexpr double kTrojuhelnik = 40.0; // side of the triangular signs

QPolygonF trojuhelnik(QPointF s, double d, bool spickouDolu) {
    const double v = d * std::sqrt(3.0) / 2.0;
    const double k = spickouDolu ? -1.0 : 1.0;
    // the centre of the triangle lies at a third of its height
    return QPolygonF{s + QPointF(0, -k * v * 2 / 3), s + QPointF(d / 2, k * v / 3),
                     s + QPointF(-d / 2, k * v / 3)};
}

void vystraha(QPainter& p, QPointF s, bool spickouDolu) {
    p.setPen(QPen(kCervenaZnacka.darker(130), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kCervenaZnacka);
    p.drawPolygon(trojuhelnik(s, kTrojuhelnik, spickouDolu));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(trojuhelnik(s, kTrojuhelnik * 0.68, spickouDolu));
}

// "Junction with a side road": the main road as a thick black bar through the
// triangle, the side road as a thin one across it.
void znackaP1(QPainter& p, QPointF s) {
    vystraha(p, s, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(s.x() - 3, s.y() - 11, 6, 18));
    p.drawRect(QRectF(s.x() - 8.5, s.y() + 0.5, 17, 2.4));
}

void znackaP2(QPainter& p, QPointF s) {
    const double r = 19.0; // half the diagonal
    auto kosoctverec = [&](double k) {
        return QPolygonF{s + QPointF(0, -r * k), s + QPointF(r * k, 0), s + QPointF(0, r * k),
                         s + QPointF(-r * k, 0)};
    };
    p.setPen(QPen(QColor(100, 100, 100), 1.0));
    p.setBrush(Qt::white);
    p.drawPolygon(kosoctverec(1.0));
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(QColor(255, 200, 0));
    p.drawPolygon(kosoctverec(0.64));
}

QPolygonF osmiuhelnik(QPointF s, double r) {
    QPolygonF o;
    for (int k = 0; k < 8; ++k) {
        const double a = (22.5 + 45.0 * k) * kPi / 180.0;
        o << s + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return o;
}

// STOP: white capitals 11 px high (pixel size 15), bold and condensed to fit.
void znackaP6(QPainter& p, QPointF s) {
    const double r = 23.0 / std::cos(22.5 * kPi / 180.0); // 46 px across the flats
    p.setPen(Qt::NoPen);
    p.setBrush(kCervenaZnacka.darker(140));
    p.drawPolygon(osmiuhelnik(s, r));
    p.setBrush(Qt::white);
    p.drawPolygon(osmiuhelnik(s, r - 1.0));
    p.setBrush(kCervenaZnacka);
    p.drawPolygon(osmiuhelnik(s, r - 2.6));
    QFont f(QStringLiteral("DejaVu Sans Condensed"));
    f.setBold(true);
    f.setPixelSize(15);
    p.save();
    p.setFont(f);
    p.setPen(Qt::white);
    p.translate(s);
    p.scale(0.86, 1.0);
    p.drawText(QRectF(-30, -12, 60, 24), Qt::AlignCenter, QStringLiteral("STOP"));
    p.restore();
}

void plnaSipka(QPainter& p, QPointF od, QPointF po, double tloustka, double hrot, QColor barva) {
    QPointF smer = po - od;
    smer /= std::hypot(smer.x(), smer.y());
    const QPointF kolmo(-smer.y(), smer.x());
    p.setPen(QPen(barva, tloustka, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(od, po - smer * hrot * 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(barva);
    p.drawPolygon(QPolygonF{po, po - smer * hrot + kolmo * hrot * 0.62,
                            po - smer * hrot - kolmo * hrot * 0.62});
}

void kruh(QPainter& p, QPointF s, double r, QColor okraj, QColor vypln) {
    p.setPen(QPen(okraj.darker(130), 1.0));
    p.setBrush(okraj);
    p.drawEllipse(s, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(vypln);
    p.drawEllipse(s, r * 0.76, r * 0.76);
}

// "Priority for oncoming vehicles": the black arrow of the oncoming traffic down, the
// red arrow of the driver's own direction up.
void znackaP7(QPainter& p, QPointF s) {
    kruh(p, s, 18, kCervenaZnacka, Qt::white);
    plnaSipka(p, s + QPointF(-5, -10), s + QPointF(-5, 11), 3.2, 7, Qt::black);
    plnaSipka(p, s + QPointF(5, 10), s + QPointF(5, -11), 3.2, 7, kCervenaZnacka);
}

// "Priority over oncoming vehicles": the big white arrow of the driver's own direction
// up, the small red one of the oncoming traffic down.
void znackaP8(QPainter& p, QPointF s) {
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(kModraZnacka);
    p.drawRoundedRect(QRectF(s.x() - 17, s.y() - 17, 34, 34), 3, 3);
    plnaSipka(p, s + QPointF(-6, -11), s + QPointF(-6, 11), 3.0, 6.5, kCervenaZnacka);
    plnaSipka(p, s + QPointF(6, 12), s + QPointF(6, -12.5), 4.2, 9, Qt::white);
}

// "Roundabout": three white arrows chasing each other counterclockwise.
void znackaC1(QPainter& p, QPointF s) {
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(kModraZnacka);
    p.drawEllipse(s, 18, 18);
    const double r = 9.5;
    for (int k = 0; k < 3; ++k) {
        const double a0 = 100.0 + 120.0 * k; // degrees, counterclockwise from the east
        const double a1 = a0 + 72.0;
        p.setPen(QPen(Qt::white, 3.0, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(s.x() - r, s.y() - r, 2 * r, 2 * r), static_cast<int>(a0 * 16),
                  static_cast<int>((a1 - a0) * 16));
        const double u = a1 * kPi / 180.0;
        const QPointF konec = s + QPointF(r * std::cos(u), -r * std::sin(u));
        const QPointF tecna(-std::sin(u), -std::cos(u)); // direction of travel
        const QPointF ven(std::cos(u), -std::sin(u));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF{konec + tecna * 5.5, konec + ven * 4.6, konec - ven * 4.6});
    }
}

// "Cycle path": a white bicycle on a blue disc.
void znackaC8a(QPainter& p, QPointF s) {
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(kModraZnacka);
    p.drawEllipse(s, 18, 18);
    p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(s + QPointF(-7.5, 4), 5.2, 5.2); // wheels
    p.drawEllipse(s + QPointF(7.5, 4), 5.2, 5.2);
    // frame: rear wheel, pedals, seat tube, handlebar and fork
    p.drawPolyline(QPolygonF{s + QPointF(-7.5, 4), s + QPointF(-1, 4), s + QPointF(-4, -4),
                             s + QPointF(5, -4), s + QPointF(-1, 4)});
    p.drawPolyline(QPolygonF{s + QPointF(7.5, 4), s + QPointF(4, -7), s + QPointF(1.5, -7)});
    p.drawLine(s + QPointF(-6, -5), s + QPointF(-2.5, -5)); // seat
}

void znackaIP4b(QPainter& p, QPointF s) {
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(kModraZnacka);
    p.drawRoundedRect(QRectF(s.x() - 17, s.y() - 17, 34, 34), 3, 3);
    plnaSipka(p, s + QPointF(0, 13), s + QPointF(0, -13), 6.0, 12, Qt::white);
}

// The warning cross of a railway crossing: red and white bars across each other.
void znackaA32(QPainter& p, QPointF s) {
    for (double a : {45.0, -45.0}) {
        vBode(p, s, a, [&] {
            p.setPen(QPen(kCervenaZnacka.darker(140), 1.0));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(-21, -4, 42, 8));
            p.setPen(Qt::NoPen);
            p.setBrush(kCervenaZnacka);
            for (double x : {-21.0 + 0.5, -7.0, 7.0 + 0.0})
                p.drawRect(QRectF(x, -3.5, 7, 7));
        });
    }
}

} // namespace

double rozmer(Znacka z) {
    switch (z) {
    case Znacka::P1:
    case Znacka::P4:
        return kTrojuhelnik;
    case Znacka::P2:
        return 38;
    case Znacka::P6:
        return 46;
    case Znacka::P7:
    case Znacka::C1:
    case Znacka::C8a:
        return 36;
    case Znacka::P8:
    case Znacka::IP4b:
        return 34;
    case Znacka::A32:
        return 36;
    }
    return 36;
}

void znacka(QPainter& p, Znacka z, QPointF s) {
    switch (z) {
    case Znacka::P1:
        znackaP1(p, s);
        break;
    case Znacka::P2:
        znackaP2(p, s);
        break;
    case Znacka::P4:
        vystraha(p, s, true);
        break;
    case Znacka::P6:
        znackaP6(p, s);
        break;
    case Znacka::P7:
        znackaP7(p, s);
        break;
    case Znacka::P8:
        znackaP8(p, s);
        break;
    case Znacka::C1:
        znackaC1(p, s);
        break;
    case Znacka::C8a:
        znackaC8a(p, s);
        break;
    case Znacka::IP4b:
        znackaIP4b(p, s);
        break;
    case Znacka::A32:
        znackaA32(p, s);
        break;
    }
}

void tabulkaE2(QPainter& p, QPointF s, int ramena, int hlavni) {
    const double a = kTabulka;
    p.setPen(QPen(kTmava, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(s.x() - a / 2, s.y() - a / 2, a, a));
    const double r = a * 0.4;
    // the arm of side k points to that side of the picture
    const QPointF konce[4] = {QPointF(0, r), QPointF(-r, 0), QPointF(0, -r), QPointF(r, 0)};
    for (bool silne : {false, true}) {
        for (int k = 0; k < 4; ++k) {
            if (!(ramena & (1 << k)) || silne != static_cast<bool>(hlavni & (1 << k)))
                continue;
            p.setPen(QPen(Qt::black, silne ? 8.0 : 3.0, Qt::SolidLine,
                          silne ? Qt::SquareCap : Qt::FlatCap));
            p.drawLine(s, s + konce[k]);
        }
    }
}

namespace {

// The lit additional green arrow for turning right, in its own box beside the lowest lamp.
void doplnkovaSipka(QPainter& p, QRectF box) {
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(kTmava);
    p.drawRoundedRect(box, 3, 3);
    const QPointF c = box.center();
    plnaSipka(p, c + QPointF(-7, 0), c + QPointF(7.5, 0), 3.0, 8, QColor(40, 235, 80));
}

} // namespace

QSizeF rozmerSemaforu(bool sipka) {
    return QSizeF(sipka ? 36 : 18, 48);
}

void semafor(QPainter& p, QPointF s, Svetlo svetlo, bool sipka) {
    const QRectF skrin(s.x() - 9 - (sipka ? 9 : 0), s.y() - 24, 18, 48);
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(kTmava);
    p.drawRoundedRect(skrin, 3, 3);
    const QColor barvy[3] = {QColor(240, 25, 25), QColor(255, 190, 0), QColor(25, 215, 70)};
    const int svitici = svetlo == Svetlo::Cervena    ? 0
                        : svetlo == Svetlo::Zelena   ? 2
                        : svetlo == Svetlo::Zhasnuto ? -1
                                                     : 1;
    for (int k = 0; k < 3; ++k) {
        const QPointF stred(skrin.center().x(), skrin.top() + 9.5 + 14.5 * k);
        p.setPen(Qt::NoPen);
        p.setBrush(k == svitici ? barvy[k] : barvy[k].darker(330));
        p.drawEllipse(stred, kLampa / 2, kLampa / 2);
        if (k == svitici && svetlo == Svetlo::ZlutaBlika) {
            p.setPen(QPen(barvy[k], 1.6, Qt::SolidLine, Qt::RoundCap));
            for (int j = 0; j < 8; ++j) {
                const double a = j * kPi / 4;
                const QPointF u(std::cos(a), std::sin(a));
                p.drawLine(stred + u * 9.0, stred + u * 12.5);
            }
        }
    }
    if (sipka)
        doplnkovaSipka(p, QRectF(skrin.right() + 1, skrin.bottom() - 18, 18, 18));
}

void prejezdoveSvetlo(QPainter& p, QPointF s, bool blika) {
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(kTmava);
    p.drawRoundedRect(QRectF(s.x() - 20, s.y() - 9, 40, 18), 8, 8);
    for (double dx : {-10.0, 10.0}) {
        const QPointF c = s + QPointF(dx, 0);
        p.setPen(Qt::NoPen);
        p.setBrush(blika ? QColor(245, 25, 25) : QColor(90, 20, 20));
        p.drawEllipse(c, kLampa / 2, kLampa / 2);
        if (!blika)
            continue;
        p.setPen(QPen(QColor(245, 25, 25), 1.5, Qt::SolidLine, Qt::RoundCap));
        for (int j = 0; j < 8; ++j) {
            const double a = j * kPi / 4 + kPi / 8;
            const QPointF u(std::cos(a), std::sin(a));
            p.drawLine(c + u * 8.5, c + u * 11.5);
        }
    }
}

// ---------------------------------------------------------------- at an approach

namespace {

constexpr double kMezera = 5.0;  // between the road edge and what stands beside it
constexpr double kOdstup = 12.0; // along the approach, from the edge of the crossing road

// The road marking that goes with the sign of an approach.
void vodorovneZnaceni(QPainter& p, Smer odkud, Znacka z) {
    if (z != Znacka::P4 && z != Znacka::P6)
        return;
    zPohledu(p, odkud, [&] {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        if (z == Znacka::P6) {
            p.drawRect(QRectF(1, kPul + 1, kPul - 2, 4));
        } else {
            for (double x = 2; x < kPul - 2; x += 7)
                p.drawRect(QRectF(x, kPul + 1.5, 4, 3));
        }
    });
}

} // namespace

void uVjezdu(QPainter& p, Smer odkud, const Vybaveni& v) {
    if (v.sZnackou)
        vodorovneZnaceni(p, odkud, v.znacka);
    // The pieces stand in a row that starts at the corner nearest the junction: the
    // traffic light first, then the sign with its plate beneath.
    const double sirkaZnacky = v.hlavni ? std::max(rozmer(v.znacka), kTabulka) : rozmer(v.znacka);
    const double vyskaZnacky = rozmer(v.znacka) + (v.hlavni ? kTabulka + 4 : 0);
    const QSizeF svetlo = rozmerSemaforu(v.sipka);
    std::vector<QSizeF> kusy;
    if (v.sSemaforem)
        kusy.push_back(svetlo);
    if (v.sZnackou)
        kusy.push_back(QSizeF(sirkaZnacky, vyskaZnacky));
    // the corner of the approach and the directions of the row away from the junction
    const bool vpravo = odkud == Jih || odkud == Vychod;
    const bool dole = odkud == Jih || odkud == Zapad;
    const bool podelne = odkud == Jih || odkud == Sever; // the approach road is vertical
    double x = kStred + (vpravo ? 1 : -1) * (kPul + (podelne ? kMezera : kOdstup));
    const double y = kStred + (dole ? 1 : -1) * (kPul + (podelne ? kOdstup : kMezera));
    for (size_t i = 0; i < kusy.size(); ++i) {
        const QSizeF k = kusy[i];
        const double x0 = vpravo ? x : x - k.width();
        const double y0 = dole ? y : y - k.height();
        const bool jeSvetlo = v.sSemaforem && i == 0;
        if (jeSvetlo) {
            semafor(p, QPointF(x0 + 9 + (v.sipka ? 9 : 0), y0 + k.height() / 2), v.svetlo, v.sipka);
        } else {
            const QPointF s(x0 + k.width() / 2, y0 + rozmer(v.znacka) / 2);
            znacka(p, v.znacka, s);
            if (v.hlavni)
                tabulkaE2(p, QPointF(s.x(), y0 + rozmer(v.znacka) + 4 + kTabulka / 2), v.ramena,
                          v.hlavni);
        }
        x += (vpravo ? 1 : -1) * (k.width() + 4);
    }
}

void znackaUVjezdu(QPainter& p, Smer odkud, Znacka z, int ramena, int hlavni) {
    Vybaveni v;
    v.sZnackou = true;
    v.znacka = z;
    v.ramena = ramena;
    v.hlavni = hlavni;
    uVjezdu(p, odkud, v);
}

void semaforUVjezdu(QPainter& p, Smer odkud, Svetlo s, bool sipka) {
    Vybaveni v;
    v.sSemaforem = true;
    v.svetlo = s;
    v.sipka = sipka;
    uVjezdu(p, odkud, v);
}

} // namespace situace
