// Traffic situations of the catalogue (category "Řešení dopravních situací"): junctions
// and road sections seen from above, with the vehicles as coloured top views, an arrow
// showing where each of them is going, and the signs and traffic lights that matter.
//
// Most drawing is done "from the view of an approach": the origin is moved to the centre
// of the junction and the picture is turned so that the driver coming from the given
// side comes from below and heads up. Signs are turned the same way, so their lower
// edge faces the driver they are meant for, and the additional plate with the course of
// the main road (E2) then shows the junction in the same orientation as the picture.
#include "obrazky.h"

#include <QFont>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace {

using grafika::KresbaRegistrace;

const QSize velikost(280, 280);
constexpr double kStred = 140.0; // centre of the junction
constexpr double kPul = 40.0;    // half width of a road (two lanes)
constexpr double kPruh = 20.0;   // distance of a lane centre from the road axis
constexpr double kPi = 3.14159265358979323846;

// The side a road arm leads to, numbered so that 90° * side turns "coming from the
// south" into "coming from that side".
enum Smer { Jih = 0, Zapad = 1, Sever = 2, Vychod = 3 };
constexpr int bit(Smer s) {
    return 1 << s;
}
constexpr int kVse = 15;
constexpr double uhel(Smer s) {
    return 90.0 * static_cast<int>(s);
}

enum class Cesta { Rovne, Vpravo, Vlevo };
enum class Druh { Osobni, Nakladni, Autobus, Tramvaj, Motocykl, Kolo, Sanitka };
enum class Znacka { P1, P2, P4, P6 };
enum class Svetlo { Cervena, Zelena, ZlutaBlika };

const QColor kTrava(150, 198, 112);
const QColor kSilnice(120, 121, 124);
const QColor kCervena(214, 30, 30);
const QColor kModra(30, 90, 215);
const QColor kZelena(16, 140, 52);
const QColor kZluta(247, 205, 0);
const QColor kFialova(150, 60, 175);
const QColor kTmava(45, 45, 50);
const QColor kCervenaZnacka(200, 16, 30);

// ---------------------------------------------------------------- frames and arrows

template <typename F> void zPohledu(QPainter& p, Smer odkud, F kresba) {
    p.save();
    p.translate(kStred, kStred);
    p.rotate(uhel(odkud));
    kresba();
    p.restore();
}

template <typename F> void vBode(QPainter& p, QPointF bod, double uhel, F kresba) {
    p.save();
    p.translate(bod);
    p.rotate(uhel);
    kresba();
    p.restore();
}

// An arrow along `cesta`, in the colour of its vehicle with a white halo so that it
// stands out on the grey road.
void sipka(QPainter& p, const QPainterPath& cesta, QColor barva) {
    const QPointF konec = cesta.pointAtPercent(1.0);
    const QPointF pred = cesta.pointAtPercent(0.97);
    QPointF smer = konec - pred;
    const double d = std::hypot(smer.x(), smer.y());
    smer /= d;
    const QPointF kolmo(-smer.y(), smer.x());
    const QPointF spicka = konec + smer * 5.0;
    const QPolygonF hrot{spicka, konec - smer * 6.0 + kolmo * 6.5,
                         konec - smer * 6.0 - kolmo * 6.5};

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

// Turning arrows end a little off the lane centre (a right turn nearer the edge of the
// road, a left turn nearer the centre line), so that they do not hide the arrow of a
// vehicle going straight on, or turning the other way, into the same lane.
constexpr double kOdsazeni = 7.0;

// The path of a vehicle waiting at the edge of the junction (in the frame of its
// approach) through the junction.
QPainterPath cestaKrizovatkou(Cesta c) {
    QPainterPath cesta(QPointF(kPruh, kPul + 4));
    switch (c) {
    case Cesta::Rovne:
        cesta.lineTo(kPruh, -kPul - 22);
        break;
    case Cesta::Vpravo:
        cesta.lineTo(kPruh, kPruh + kOdsazeni + 13);
        cesta.quadTo(kPruh, kPruh + kOdsazeni, kPruh + 13, kPruh + kOdsazeni);
        cesta.lineTo(kPul + 22, kPruh + kOdsazeni);
        break;
    case Cesta::Vlevo:
        cesta.lineTo(kPruh, 12);
        cesta.quadTo(kPruh, -kPruh + kOdsazeni, -4, -kPruh + kOdsazeni);
        cesta.lineTo(-kPul - 22, -kPruh + kOdsazeni);
        break;
    }
    return cesta;
}

// ---------------------------------------------------------------- vehicles (heading up)

double delka(Druh d) {
    switch (d) {
    case Druh::Osobni:
        return 36;
    case Druh::Sanitka:
        return 42;
    case Druh::Nakladni:
        return 58;
    case Druh::Autobus:
        return 66;
    case Druh::Tramvaj:
        return 86;
    case Druh::Motocykl:
        return 24;
    case Druh::Kolo:
        return 26;
    }
    return 36;
}

void sklo(QPainter& p, double y1, double y2, double sirka1, double sirka2) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(55, 70, 92));
    p.drawPolygon(QPolygonF{QPointF(-sirka1 / 2, y1), QPointF(sirka1 / 2, y1),
                            QPointF(sirka2 / 2, y2), QPointF(-sirka2 / 2, y2)});
}

void karoserie(QPainter& p, QRectF r, double zaobleni, QColor barva) {
    p.setPen(QPen(barva.darker(170), 1.0));
    p.setBrush(barva);
    p.drawRoundedRect(r, zaobleni, zaobleni);
}

void osobni(QPainter& p, QColor barva, double l) {
    const double w = 19;
    karoserie(p, QRectF(-w / 2, -l / 2, w, l), 5, barva);
    sklo(p, -l / 2 + 7, -l / 2 + 13, w - 7, w - 3); // windscreen
    sklo(p, l / 2 - 9, l / 2 - 5, w - 4, w - 7);    // rear window
    p.setBrush(QColor(255, 250, 200));              // headlights
    p.drawEllipse(QPointF(-w / 2 + 3, -l / 2 + 2), 1.6, 1.2);
    p.drawEllipse(QPointF(w / 2 - 3, -l / 2 + 2), 1.6, 1.2);
}

void majak(QPainter& p, double y) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 170, 255, 110));
    p.drawEllipse(QPointF(-4, y), 7, 7);
    p.drawEllipse(QPointF(4, y), 7, 7);
    p.setBrush(QColor(20, 70, 255));
    p.drawRoundedRect(QRectF(-7, y - 2, 14, 4), 1.5, 1.5);
}

void sanitka(QPainter& p, double l) {
    const double w = 21;
    karoserie(p, QRectF(-w / 2, -l / 2, w, l), 4, QColor(250, 250, 246));
    sklo(p, -l / 2 + 5, -l / 2 + 10, w - 7, w - 3);
    p.setPen(Qt::NoPen);
    p.setBrush(kCervenaZnacka);
    p.drawRect(QRectF(-w / 2 + 0.5, -l / 2 + 14, 2.5, l - 16));
    p.drawRect(QRectF(w / 2 - 3, -l / 2 + 14, 2.5, l - 16));
    p.drawRect(QRectF(-1.5, 2, 3, 10)); // red cross on the roof
    p.drawRect(QRectF(-5, 5.5, 10, 3));
    majak(p, -l / 2 + 13);
}

void nakladni(QPainter& p, QColor barva, double l) {
    const double w = 22;
    karoserie(p, QRectF(-w / 2, -l / 2, w, 14), 3, barva);
    sklo(p, -l / 2 + 2, -l / 2 + 6, w - 5, w - 3);
    karoserie(p, QRectF(-w / 2, -l / 2 + 16, w, l - 16), 1.5, QColor(205, 205, 200));
    p.setPen(QPen(QColor(170, 170, 165), 1.0));
    for (double y = -l / 2 + 24; y < l / 2 - 4; y += 8)
        p.drawLine(QPointF(-w / 2 + 2, y), QPointF(w / 2 - 2, y));
}

void autobus(QPainter& p, QColor barva, double l) {
    const double w = 22;
    karoserie(p, QRectF(-w / 2, -l / 2, w, l), 4, barva);
    sklo(p, -l / 2 + 2, -l / 2 + 6, w - 4, w - 3);
    p.setBrush(QColor(55, 70, 92));
    p.drawRect(QRectF(-w / 2 + 1, -l / 2 + 9, 2.5, l - 14));
    p.drawRect(QRectF(w / 2 - 3.5, -l / 2 + 9, 2.5, l - 14));
    p.setBrush(barva.lighter(125));
    p.drawRoundedRect(QRectF(-4, -l / 2 + 16, 8, 8), 1, 1); // roof vents
    p.drawRoundedRect(QRectF(-4, l / 2 - 24, 8, 8), 1, 1);
}

void tramvaj(QPainter& p, double l) {
    const double w = 22;
    const QColor krem(238, 228, 190);
    karoserie(p, QRectF(-w / 2, -l / 2, w, l / 2 - 1), 7, krem);
    karoserie(p, QRectF(-w / 2, 1, w, l / 2 - 1), 7, krem);
    p.setPen(QPen(QColor(120, 110, 90), 1.0));
    p.setBrush(QColor(170, 160, 135));
    p.drawRect(QRectF(-w / 2 + 3, -2, w - 6, 4)); // articulation
    sklo(p, -l / 2 + 2, -l / 2 + 6, w - 8, w - 4);
    sklo(p, l / 2 - 6, l / 2 - 2, w - 4, w - 8);
    // pantograph
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTmava, 1.3));
    const double y = -l / 4;
    p.drawPolygon(QPolygonF{QPointF(0, y - 7), QPointF(6, y), QPointF(0, y + 7), QPointF(-6, y)});
    p.drawLine(QPointF(-8, y - 7), QPointF(8, y - 7));
}

void motocykl(QPainter& p, QColor barva, double l) {
    p.setPen(Qt::NoPen);
    p.setBrush(kTmava);
    p.drawRoundedRect(QRectF(-2.5, -l / 2, 5, 8), 2, 2); // wheels
    p.drawRoundedRect(QRectF(-2.5, l / 2 - 8, 5, 8), 2, 2);
    karoserie(p, QRectF(-4, -l / 2 + 5, 8, l - 9), 3.5, barva);
    p.setPen(QPen(kTmava, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-7, -l / 2 + 6), QPointF(7, -l / 2 + 6)); // handlebar
    p.setPen(QPen(barva.darker(170), 1.0));
    p.setBrush(barva.darker(120));
    p.drawEllipse(QPointF(0, 2), 7, 4.5); // rider's shoulders
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0.5), 3.6, 3.6); // helmet
}

void kolo(QPainter& p, QColor barva, double l) {
    p.setPen(QPen(kTmava, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -l / 2), QPointF(0, -l / 2 + 9)); // wheels
    p.drawLine(QPointF(0, l / 2 - 9), QPointF(0, l / 2));
    p.setPen(QPen(kTmava, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -l / 2), QPointF(0, l / 2)); // frame
    p.setPen(QPen(kTmava, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-6.5, -l / 2 + 6), QPointF(6.5, -l / 2 + 6)); // handlebar
    p.setPen(QPen(barva.darker(170), 1.0));
    p.setBrush(barva);
    p.drawEllipse(QPointF(0, 1), 8, 4.8); // rider
    p.setBrush(QColor(250, 210, 40));
    p.drawEllipse(QPointF(0, -0.5), 3.8, 3.8); // helmet
}

void vozidlo(QPainter& p, Druh d, QColor barva) {
    const double l = delka(d);
    switch (d) {
    case Druh::Osobni:
        osobni(p, barva, l);
        break;
    case Druh::Sanitka:
        sanitka(p, l);
        break;
    case Druh::Nakladni:
        nakladni(p, barva, l);
        break;
    case Druh::Autobus:
        autobus(p, barva, l);
        break;
    case Druh::Tramvaj:
        tramvaj(p, l);
        break;
    case Druh::Motocykl:
        motocykl(p, barva, l);
        break;
    case Druh::Kolo:
        kolo(p, barva, l);
        break;
    }
}

// Blinking direction indicators: small orange lamps with rays at the given corners.
void blinkr(QPainter& p, QPointF bod, double smerX) {
    p.setPen(QPen(QColor(255, 150, 0), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int k = -1; k <= 1; ++k) {
        const double a = k * 0.6;
        const QPointF s(smerX * std::cos(a), std::sin(a));
        p.drawLine(bod + s * 3.5, bod + s * 7.5);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 150, 0));
    p.drawEllipse(bod, 2.2, 2.2);
}

void chodec(QPainter& p, QColor barva) {
    p.setPen(QPen(barva.darker(170), 1.0));
    p.setBrush(barva);
    p.drawEllipse(QPointF(0, 0), 8.5, 4.8); // shoulders, walking up
    p.setBrush(QColor(90, 60, 40));
    p.drawEllipse(QPointF(0, 0), 3.8, 3.8);
}

// The vehicle waiting at the edge of the junction on the approach from `odkud`, with
// the arrow of its way through.
void naVjezdu(QPainter& p, Smer odkud, Druh d, QColor barva, Cesta c) {
    const QColor barvaSipky = (d == Druh::Tramvaj || d == Druh::Sanitka) ? kTmava : barva;
    // a cyclist keeps to the right edge of the lane
    const double x = d == Druh::Kolo ? kPruh + 9 : kPruh;
    zPohledu(p, odkud, [&] {
        vBode(p, QPointF(x, kPul + 6 + delka(d) / 2), 0, [&] { vozidlo(p, d, barva); });
        sipka(p, cestaKrizovatkou(c).translated(x - kPruh, 0), barvaSipky);
    });
}

// ---------------------------------------------------------------- signs (upright)

void trojuhelnik(QPainter& p, double d, bool spickouDolu) {
    const double v = d * 0.43;
    const double s = spickouDolu ? -1 : 1;
    auto body = [&](double k) {
        return QPolygonF{QPointF(0, -s * v * k), QPointF(d / 2 * k, s * v * k),
                         QPointF(-d / 2 * k, s * v * k)};
    };
    p.setPen(QPen(kCervenaZnacka.darker(130), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kCervenaZnacka);
    p.drawPolygon(body(1.0));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPolygonF vnitrek = body(0.6);
    vnitrek.translate(0, s * v * 0.12);
    p.drawPolygon(vnitrek);
}

void znackaP1(QPainter& p, double d) {
    trojuhelnik(p, d, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(-d * 0.065, -d * 0.16, d * 0.13, d * 0.44)); // the main road
    p.drawRect(QRectF(-d * 0.22, d * 0.06, d * 0.44, d * 0.06));   // the side road
}

void znackaP2(QPainter& p, double d) {
    p.save();
    p.rotate(45);
    const double a = d * 0.70;
    p.setPen(QPen(QColor(110, 110, 110), 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(-a / 2, -a / 2, a, a));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 0));
    const double b = a * 0.66;
    p.drawRect(QRectF(-b / 2, -b / 2, b, b));
    p.restore();
}

void znackaP4(QPainter& p, double d) {
    trojuhelnik(p, d, true);
}

void znackaP6(QPainter& p, double d) {
    auto osmiuhelnik = [](double r) {
        QPolygonF o;
        for (int k = 0; k < 8; ++k) {
            const double a = (22.5 + 45.0 * k) * kPi / 180.0;
            o << QPointF(r * std::cos(a), r * std::sin(a));
        }
        return o;
    };
    p.setPen(QPen(kCervenaZnacka.darker(140), 0.8));
    p.setBrush(Qt::white);
    p.drawPolygon(osmiuhelnik(d / 2));
    p.setPen(Qt::NoPen);
    p.setBrush(kCervenaZnacka);
    p.drawPolygon(osmiuhelnik(d / 2 - 1.3));
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(static_cast<int>(std::lround(d * 0.3)));
    f.setLetterSpacing(QFont::AbsoluteSpacing, -0.3);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(-d / 2, -d / 2, d, d), Qt::AlignCenter, QStringLiteral("STOP"));
}

// The additional plate E2 with the course of the main road: thick arms of the main
// road, thin ones of the others. `uhel` turns the picture of the junction back to the
// orientation of the whole picture.
void tabulkaE2(QPainter& p, double a, int ramena, int hlavni, double uhel) {
    p.setPen(QPen(kTmava, 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(-a / 2, -a / 2, a, a));
    p.save();
    p.rotate(uhel);
    const double r = a * 0.38;
    for (int s = 0; s < 4; ++s) {
        if (!(ramena & (1 << s)))
            continue;
        const bool h = hlavni & (1 << s);
        p.setPen(QPen(Qt::black, h ? a * 0.2 : a * 0.08, Qt::SolidLine,
                      h ? Qt::SquareCap : Qt::FlatCap));
        // the arm of side s points "down" turned by 90° * s
        const double u = (90.0 * s) * kPi / 180.0;
        p.drawLine(QPointF(0, 0), QPointF(-r * std::sin(u), r * std::cos(u)));
    }
    p.restore();
}

void znackaC1(QPainter& p, double d) {
    p.setPen(QPen(Qt::white, 0.9));
    p.setBrush(QColor(0, 80, 170));
    p.drawEllipse(QPointF(0, 0), d / 2, d / 2);
    const double r = d * 0.24;
    p.setPen(QPen(Qt::white, d * 0.09, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 3; ++k) {
        const double a0 = 90.0 + 120.0 * k + 20.0; // counterclockwise arrows
        p.drawArc(QRectF(-r, -r, 2 * r, 2 * r), static_cast<int>(a0 * 16), 70 * 16);
        const double a1 = (a0 + 70.0) * kPi / 180.0;
        const QPointF konec(r * std::cos(a1), -r * std::sin(a1));
        const QPointF tecna(-std::sin(a1), -std::cos(a1)); // direction of travel
        const QPointF ven(std::cos(a1), -std::sin(a1));
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const double h = d * 0.13;
        p.drawPolygon(QPolygonF{konec + tecna * h, konec + ven * h * 0.9, konec - ven * h * 0.9});
        p.restore();
    }
}

void znacka(QPainter& p, Znacka z, double d) {
    switch (z) {
    case Znacka::P1:
        znackaP1(p, d);
        break;
    case Znacka::P2:
        znackaP2(p, d);
        break;
    case Znacka::P4:
        znackaP4(p, d);
        break;
    case Znacka::P6:
        znackaP6(p, d);
        break;
    }
}

constexpr double kVelikostZnacky = 22.0;
const QPointF kMistoZnacky(63, 58); // right of the approach, before the junction

// The sign of the approach from `odkud` (with the plate E2 when `hlavni` is non-zero)
// and the road marking that goes with it: a dashed give-way line or a stop line.
void znackaNaVjezdu(QPainter& p, Smer odkud, Znacka z, int ramena = kVse, int hlavni = 0,
                    QPointF misto = kMistoZnacky) {
    zPohledu(p, odkud, [&] {
        if (z == Znacka::P4 || z == Znacka::P6) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            if (z == Znacka::P6) {
                p.drawRect(QRectF(1, kPul + 1, kPul - 2, 4));
            } else {
                for (double x = 2; x < kPul - 2; x += 7)
                    p.drawRect(QRectF(x, kPul + 1.5, 4, 3));
            }
        }
        vBode(p, misto, 0, [&] { znacka(p, z, kVelikostZnacky); });
        if (hlavni)
            vBode(p, misto + QPointF(0, 22), 0,
                  [&] { tabulkaE2(p, 20, ramena, hlavni, -uhel(odkud)); });
    });
}

// A traffic light on the approach from `odkud`; `sipka` adds the lit additional green
// arrow for turning right.
void semafor(QPainter& p, Smer odkud, Svetlo s, bool sipka = false,
             QPointF misto = QPointF(57, 60)) {
    zPohledu(p, odkud, [&] {
        vBode(p, misto, 0, [&] {
            p.setPen(QPen(Qt::black, 0.8));
            p.setBrush(kTmava);
            p.drawRoundedRect(QRectF(-6, -16, 12, 32), 2, 2);
            const QColor barvy[3] = {QColor(235, 20, 20), QColor(255, 190, 0), QColor(20, 210, 60)};
            const int svitici = s == Svetlo::Cervena ? 0 : s == Svetlo::Zelena ? 2 : 1;
            for (int k = 0; k < 3; ++k) {
                const QPointF stred(0, -10 + 10 * k);
                p.setPen(Qt::NoPen);
                p.setBrush(k == svitici ? barvy[k] : barvy[k].darker(330));
                p.drawEllipse(stred, 3.8, 3.8);
                if (k == svitici && s == Svetlo::ZlutaBlika) {
                    p.setPen(QPen(barvy[k], 1.2, Qt::SolidLine, Qt::RoundCap));
                    for (int j = 0; j < 8; ++j) {
                        const double a = j * kPi / 4;
                        const QPointF u(std::cos(a), std::sin(a));
                        p.drawLine(stred + u * 7.0, stred + u * 9.5);
                    }
                }
            }
            if (sipka) {
                p.setPen(QPen(Qt::black, 0.8));
                p.setBrush(kTmava);
                p.drawRoundedRect(QRectF(7, 4, 12, 12), 2, 2);
                p.setPen(QPen(QColor(20, 230, 70), 1.8, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(QPointF(9.5, 10), QPointF(14.5, 10));
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(20, 230, 70));
                p.drawPolygon(
                    QPolygonF{QPointF(17.5, 10), QPointF(13.5, 6.5), QPointF(13.5, 13.5)});
            }
        });
    });
}

// ---------------------------------------------------------------- roads

void stredovaCara(QPainter& p, QPointF od, QPointF po) {
    QPen pero(Qt::white, 2.0, Qt::CustomDashLine, Qt::FlatCap);
    pero.setDashPattern({5.0, 4.0});
    p.setPen(pero);
    p.drawLine(od, po);
}

// A junction of the given arms (bits of Smer), with rounded corners and dashed centre
// lines on the arms.
void krizovatka(QPainter& p, int ramena) {
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(velikost)), kTrava);
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
            stredovaCara(p, QPointF(0, kPul + 3), QPointF(0, 200));
        });
    }
}

// Tram tracks along the whole road in the middle of both lanes.
void koleje(QPainter& p, bool svisle) {
    p.save();
    if (!svisle) {
        p.translate(kStred, kStred);
        p.rotate(90);
        p.translate(-kStred, -kStred);
    }
    p.setPen(QPen(QColor(70, 70, 72), 1.3));
    for (double x : {kStred - kPruh, kStred + kPruh})
        for (double k : {-4.0, 4.0})
            p.drawLine(QPointF(x + k, 0), QPointF(x + k, velikost.height()));
    p.restore();
}

// ---------------------------------------------------------------- the situations

using Situace = void (*)(QPainter&);

grafika::Kresba kresba(Situace s) {
    return [s](QPainter& p, const QSize&) { s(p); };
}

// s01: an unmarked junction, two cars crossing: the right-hand rule.
void s01(QPainter& p) {
    krizovatka(p, kVse);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
    naVjezdu(p, Vychod, Druh::Osobni, kModra, Cesta::Rovne);
}

// s02: unmarked, three cars straight on: green (nobody on its right), blue, red.
void s02(QPainter& p) {
    krizovatka(p, kVse);
    naVjezdu(p, Sever, Druh::Osobni, kZelena, Cesta::Rovne);
    naVjezdu(p, Vychod, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
}

// s03: unmarked T junction: red turning left gives way to blue from the right.
void s03(QPainter& p) {
    const int ramena = bit(Jih) | bit(Zapad) | bit(Vychod);
    krizovatka(p, ramena);
    naVjezdu(p, Vychod, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Vlevo);
}

// s04: unmarked: blue, green (blue on its right), red (turning left, both before it).
void s04(QPainter& p) {
    krizovatka(p, kVse);
    naVjezdu(p, Sever, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Vychod, Druh::Osobni, kZelena, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Vlevo);
}

// s05: main road west-east, side road from the south: blue, green, red.
void s05(QPainter& p) {
    const int ramena = bit(Jih) | bit(Zapad) | bit(Vychod);
    krizovatka(p, ramena);
    znackaNaVjezdu(p, Zapad, Znacka::P2);
    znackaNaVjezdu(p, Vychod, Znacka::P2);
    znackaNaVjezdu(p, Jih, Znacka::P4);
    naVjezdu(p, Zapad, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Vychod, Druh::Osobni, kZelena, Cesta::Vlevo);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Vlevo);
}

// s06: main road north-south; STOP from the east, give way from the west:
// yellow, blue, red.
void s06(QPainter& p) {
    krizovatka(p, kVse);
    znackaNaVjezdu(p, Sever, Znacka::P2);
    znackaNaVjezdu(p, Jih, Znacka::P2);
    znackaNaVjezdu(p, Vychod, Znacka::P6);
    znackaNaVjezdu(p, Zapad, Znacka::P4);
    naVjezdu(p, Sever, Druh::Osobni, kZluta, Cesta::Rovne);
    naVjezdu(p, Zapad, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Vychod, Druh::Osobni, kCervena, Cesta::Vlevo);
}

// Signs of a junction whose main road changes its course: P2 or P4, all with E2.
void tvarKrizovatky(QPainter& p, int ramena, int hlavni) {
    for (int s = 0; s < 4; ++s) {
        const Smer smer = static_cast<Smer>(s);
        if (ramena & bit(smer))
            znackaNaVjezdu(p, smer, (hlavni & bit(smer)) ? Znacka::P2 : Znacka::P4, ramena, hlavni);
    }
}

// s07: main road from the south bending to the east: red, green, blue.
void s07(QPainter& p) {
    krizovatka(p, kVse);
    tvarKrizovatky(p, kVse, bit(Jih) | bit(Vychod));
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Vpravo);
    naVjezdu(p, Zapad, Druh::Osobni, kZelena, Cesta::Rovne);
    naVjezdu(p, Sever, Druh::Osobni, kModra, Cesta::Rovne);
}

// s08: main road from the west bending to the north: green, blue, red.
void s08(QPainter& p) {
    krizovatka(p, kVse);
    tvarKrizovatky(p, kVse, bit(Zapad) | bit(Sever));
    naVjezdu(p, Zapad, Druh::Osobni, kZelena, Cesta::Vlevo);
    naVjezdu(p, Vychod, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
}

// s09: main road from the east bending to the north: red first, then blue.
void s09(QPainter& p) {
    krizovatka(p, kVse);
    tvarKrizovatky(p, kVse, bit(Vychod) | bit(Sever));
    naVjezdu(p, Vychod, Druh::Osobni, kCervena, Cesta::Vpravo);
    naVjezdu(p, Jih, Druh::Osobni, kModra, Cesta::Rovne);
}

// s10: unmarked junction, tram from the north (from the red car's left): tram first.
void s10(QPainter& p) {
    krizovatka(p, kVse);
    koleje(p, true);
    naVjezdu(p, Sever, Druh::Tramvaj, QColor(), Cesta::Rovne);
    naVjezdu(p, Zapad, Druh::Osobni, kCervena, Cesta::Rovne);
}

// s11: unmarked, tram from the west: tram, blue, red (turning left).
void s11(QPainter& p) {
    krizovatka(p, kVse);
    koleje(p, false);
    naVjezdu(p, Zapad, Druh::Tramvaj, QColor(), Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Sever, Druh::Osobni, kCervena, Cesta::Vlevo);
}

// s12: the tram comes along the side road: blue on the main road first.
void s12(QPainter& p) {
    krizovatka(p, kVse);
    koleje(p, true);
    znackaNaVjezdu(p, Zapad, Znacka::P2);
    znackaNaVjezdu(p, Vychod, Znacka::P2);
    znackaNaVjezdu(p, Jih, Znacka::P4);
    znackaNaVjezdu(p, Sever, Znacka::P4);
    naVjezdu(p, Jih, Druh::Tramvaj, QColor(), Cesta::Rovne);
    naVjezdu(p, Zapad, Druh::Osobni, kModra, Cesta::Rovne);
}

// s13: traffic lights, green from south and north: blue turning left waits for red.
void s13(QPainter& p) {
    krizovatka(p, kVse);
    semafor(p, Jih, Svetlo::Zelena);
    semafor(p, Sever, Svetlo::Zelena);
    semafor(p, Zapad, Svetlo::Cervena);
    semafor(p, Vychod, Svetlo::Cervena);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
    naVjezdu(p, Sever, Druh::Osobni, kModra, Cesta::Vlevo);
    naVjezdu(p, Zapad, Druh::Osobni, kZelena, Cesta::Rovne);
}

// s14: lights in operation over signs: red on the side road has green.
void s14(QPainter& p) {
    krizovatka(p, kVse);
    const QPointF svetlo(54, 61);
    const QPointF znak(76, 61);
    semafor(p, Jih, Svetlo::Zelena, false, svetlo);
    semafor(p, Sever, Svetlo::Zelena, false, svetlo);
    semafor(p, Zapad, Svetlo::Cervena, false, svetlo);
    semafor(p, Vychod, Svetlo::Cervena, false, svetlo);
    znackaNaVjezdu(p, Jih, Znacka::P4, kVse, 0, znak);
    znackaNaVjezdu(p, Sever, Znacka::P4, kVse, 0, znak);
    znackaNaVjezdu(p, Zapad, Znacka::P2, kVse, 0, znak);
    znackaNaVjezdu(p, Vychod, Znacka::P2, kVse, 0, znak);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
    naVjezdu(p, Vychod, Druh::Osobni, kModra, Cesta::Rovne);
}

// s15: flashing yellow, the signs decide: blue on the main road from the left first.
void s15(QPainter& p) {
    krizovatka(p, kVse);
    const QPointF svetlo(54, 61);
    const QPointF znak(76, 61);
    for (Smer s : {Jih, Sever, Zapad, Vychod})
        semafor(p, s, Svetlo::ZlutaBlika, false, svetlo);
    znackaNaVjezdu(p, Jih, Znacka::P4, kVse, 0, znak);
    znackaNaVjezdu(p, Sever, Znacka::P4, kVse, 0, znak);
    znackaNaVjezdu(p, Zapad, Znacka::P2, kVse, 0, znak);
    znackaNaVjezdu(p, Vychod, Znacka::P2, kVse, 0, znak);
    naVjezdu(p, Zapad, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
}

// s16: red light with the additional green arrow: red stops and lets blue pass.
void s16(QPainter& p) {
    krizovatka(p, kVse);
    semafor(p, Jih, Svetlo::Cervena, true);
    semafor(p, Sever, Svetlo::Cervena);
    semafor(p, Zapad, Svetlo::Zelena);
    semafor(p, Vychod, Svetlo::Zelena);
    naVjezdu(p, Zapad, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Vpravo);
}

// A point on the roundabout: radius r, angle a in degrees clockwise from the east.
QPointF naKruhu(double r, double a) {
    const double u = a * kPi / 180.0;
    return QPointF(kStred + r * std::cos(u), kStred + r * std::sin(u));
}

// Appends an arc of the roundabout (counterclockwise as seen from above: the angle
// decreases) from angle a0 down to a1.
void oblouk(QPainterPath& cesta, double r, double a0, double a1) {
    for (double a = a0; a >= a1; a -= 3.0)
        cesta.lineTo(naKruhu(r, a));
}

// s17: a roundabout with "give way" at the entries: red on the ring goes first.
void s17(QPainter& p) {
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(velikost)), kTrava);
    constexpr double pul = 32;
    constexpr double vnejsi = 84;
    constexpr double vnitrni = 44;
    for (Smer s : {Jih, Zapad, Sever, Vychod}) {
        zPohledu(p, s, [&] {
            p.setPen(Qt::NoPen);
            p.setBrush(kSilnice);
            p.drawRect(QRectF(-pul, 60, 2 * pul, 100));
        });
    }
    p.setBrush(kSilnice);
    p.drawEllipse(QPointF(kStred, kStred), vnejsi, vnejsi);
    // the island with a paved edge
    p.setBrush(QColor(185, 180, 170));
    p.drawEllipse(QPointF(kStred, kStred), vnitrni, vnitrni);
    p.setBrush(kTrava.darker(108));
    p.drawEllipse(QPointF(kStred, kStred), vnitrni - 6, vnitrni - 6);
    for (Smer s : {Jih, Zapad, Sever, Vychod}) {
        zPohledu(p, s, [&] {
            // splitter island and centre line of the arm
            p.setPen(QPen(Qt::white, 1.2));
            p.setBrush(QColor(185, 180, 170));
            p.drawPolygon(
                QPolygonF{QPointF(-7, 88), QPointF(7, 88), QPointF(2.5, 120), QPointF(-2.5, 120)});
            stredovaCara(p, QPointF(0, 123), QPointF(0, 200));
            // give-way line at the entry (the right half of the arm)
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            for (double x = 9; x < pul - 2; x += 7)
                p.drawRect(QRectF(x, 87, 4, 3));
            vBode(p, QPointF(50, 104), 0, [&] { znackaP4(p, kVelikostZnacky); });
            vBode(p, QPointF(50, 126), 0, [&] { znackaC1(p, 19); });
        });
    }
    // red on the ring, coming from the south-west
    const double aCervena = 142;
    vBode(p, naKruhu(64, aCervena), aCervena, [&] { osobni(p, kCervena, 36); });
    QPainterPath cervena(naKruhu(62, aCervena - 16));
    oblouk(cervena, 62, aCervena - 16, 38);
    sipka(p, cervena, kCervena);
    // blue waiting at the entry from the south
    vBode(p, QPointF(kStred + 16, kStred + 110), 0, [&] { osobni(p, kModra, 36); });
    QPainterPath modra(QPointF(kStred + 16, kStred + 90));
    modra.lineTo(kStred + 16, kStred + 80);
    oblouk(modra, 72, 76, 26);
    sipka(p, modra, kModra);
}

// s18: an ambulance with the blue light and siren comes along the side road: it goes
// first.
void s18(QPainter& p) {
    krizovatka(p, kVse);
    znackaNaVjezdu(p, Sever, Znacka::P2);
    znackaNaVjezdu(p, Jih, Znacka::P2);
    znackaNaVjezdu(p, Zapad, Znacka::P4);
    znackaNaVjezdu(p, Vychod, Znacka::P4);
    naVjezdu(p, Zapad, Druh::Sanitka, QColor(), Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
}

// s19: unmarked, with a cyclist: blue, cyclist, red.
void s19(QPainter& p) {
    krizovatka(p, kVse);
    naVjezdu(p, Sever, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Vychod, Druh::Kolo, kFialova, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Vlevo);
}

// s20: a motorcycle at STOP turning right into the lane of the red car.
void s20(QPainter& p) {
    const int ramena = bit(Sever) | bit(Zapad) | bit(Vychod);
    krizovatka(p, ramena);
    znackaNaVjezdu(p, Zapad, Znacka::P2);
    znackaNaVjezdu(p, Vychod, Znacka::P2);
    znackaNaVjezdu(p, Sever, Znacka::P6);
    naVjezdu(p, Sever, Druh::Motocykl, kModra, Cesta::Vpravo);
    naVjezdu(p, Vychod, Druh::Osobni, kCervena, Cesta::Rovne);
}

// s21: P1 on the main road west-east: green (right turn), red (left turn), blue.
void s21(QPainter& p) {
    krizovatka(p, kVse);
    znackaNaVjezdu(p, Zapad, Znacka::P1);
    znackaNaVjezdu(p, Vychod, Znacka::P1);
    znackaNaVjezdu(p, Sever, Znacka::P4);
    znackaNaVjezdu(p, Jih, Znacka::P6);
    naVjezdu(p, Zapad, Druh::Osobni, kZelena, Cesta::Vpravo);
    naVjezdu(p, Vychod, Druh::Osobni, kCervena, Cesta::Vlevo);
    naVjezdu(p, Jih, Druh::Osobni, kModra, Cesta::Vlevo);
}

// s22: main road from the south bending to the west: blue first, red from the right
// on the side road after it.
void s22(QPainter& p) {
    krizovatka(p, kVse);
    tvarKrizovatky(p, kVse, bit(Jih) | bit(Zapad));
    naVjezdu(p, Jih, Druh::Osobni, kModra, Cesta::Vlevo);
    naVjezdu(p, Vychod, Druh::Osobni, kCervena, Cesta::Rovne);
}

// s23: turning right, a pedestrian on the crossing of the road turned into.
void s23(QPainter& p) {
    const int ramena = bit(Jih) | bit(Sever) | bit(Vychod);
    krizovatka(p, ramena);
    zPohledu(p, Zapad, [&] {
        // in this frame the east arm lies "up": a zebra across it
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (double x = -kPul + 3; x < kPul - 3; x += 8)
            p.drawRect(QRectF(x, -kPul - 44, 4.5, 22));
    });
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Vpravo);
    // the pedestrian on the crossing, walking north
    const QPointF chodecBod(kStred + kPul + 33, kStred + 18);
    vBode(p, chodecBod, 0, [&] { chodec(p, kFialova); });
    QPainterPath cesta(chodecBod + QPointF(0, -8));
    cesta.lineTo(chodecBod + QPointF(0, -24));
    sipka(p, cesta, kFialova);
}

// s24: a bus in a bay of a stop in a village signals to move off; red comes behind.
void s24(QPainter& p) {
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(velikost)), kTrava);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 198, 192)); // pavement
    p.drawRect(QRectF(204, 0, 26, 280));
    p.drawRect(QRectF(68, 0, 24, 280));
    p.setBrush(kSilnice);
    p.drawRect(QRectF(kStred - kPul, 0, 2 * kPul, 280));
    p.drawPolygon(QPolygonF{QPointF(179, 20), QPointF(204, 55), QPointF(204, 150),
                            QPointF(179, 185)}); // the bay
    stredovaCara(p, QPointF(kStred, 0), QPointF(kStred, 280));
    // edge line of the lane along the bay and the yellow zigzag of the stop
    QPen vodici(Qt::white, 1.5, Qt::CustomDashLine, Qt::FlatCap);
    vodici.setDashPattern({3.0, 3.0});
    p.setPen(vodici);
    p.drawLine(QPointF(180, 22), QPointF(180, 183));
    QPainterPath cikcak(QPointF(200, 60));
    bool vlevo = true;
    for (double y = 66; y <= 146; y += 6, vlevo = !vlevo)
        cikcak.lineTo(vlevo ? 194 : 200, y);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(250, 210, 0), 1.6));
    p.drawPath(cikcak);
    // the stop sign on the pavement: a bus on a white plate
    p.setPen(QPen(kTmava, 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(210, 86, 16, 16));
    p.setBrush(QColor(0, 80, 170));
    p.drawRoundedRect(QRectF(212.5, 90, 11, 7), 1.5, 1.5);
    vBode(p, QPointF(192, 104), 0, [&] { autobus(p, QColor(235, 130, 20), 66); });
    blinkr(p, QPointF(181.5, 72.5), -1);
    blinkr(p, QPointF(181.5, 135.5), -1);
    QPainterPath bus(QPointF(190, 69));
    bus.cubicTo(QPointF(190, 50), QPointF(162, 44), QPointF(161, 20));
    sipka(p, bus, QColor(235, 130, 20));
    vBode(p, QPointF(kStred + kPruh, 226), 0, [&] { osobni(p, kCervena, 36); });
    QPainterPath auto_(QPointF(kStred + kPruh, 206));
    auto_.lineTo(kStred + kPruh, 150);
    sipka(p, auto_, kCervena);
}

// s25: a lorry stands in the red car's lane; blue comes the other way.
void s25(QPainter& p) {
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(velikost)), kTrava);
    p.setPen(Qt::NoPen);
    p.setBrush(kSilnice);
    p.drawRect(QRectF(kStred - kPul, 0, 2 * kPul, 280));
    stredovaCara(p, QPointF(kStred, 0), QPointF(kStred, 280));
    const QPointF nakl(kStred + kPruh + 2, 112);
    vBode(p, nakl, 0, [&] { nakladni(p, QColor(70, 110, 70), 58); });
    for (double x : {-10.5, 10.5})
        for (double y : {-28.5, 28.5})
            blinkr(p, nakl + QPointF(x, y), x < 0 ? -1 : 1);
    vBode(p, QPointF(kStred + kPruh, 222), 0, [&] { osobni(p, kCervena, 36); });
    QPainterPath cervena(QPointF(kStred + kPruh, 202));
    cervena.lineTo(kStred + kPruh, 178);
    cervena.cubicTo(QPointF(kStred + kPruh, 160), QPointF(kStred - kPruh, 168),
                    QPointF(kStred - kPruh, 148));
    cervena.lineTo(kStred - kPruh, 86);
    cervena.cubicTo(QPointF(kStred - kPruh, 70), QPointF(kStred + kPruh, 76),
                    QPointF(kStred + kPruh, 56));
    sipka(p, cervena, kCervena);
    vBode(p, QPointF(kStred - kPruh, 36), 180, [&] { osobni(p, kModra, 36); });
    QPainterPath modra(QPointF(kStred - kPruh, 56));
    modra.lineTo(kStred - kPruh, 180);
    sipka(p, modra, kModra);
}

const KresbaRegistrace r01("grafika/situace/s01.png", velikost, kresba(s01));
const KresbaRegistrace r02("grafika/situace/s02.png", velikost, kresba(s02));
const KresbaRegistrace r03("grafika/situace/s03.png", velikost, kresba(s03));
const KresbaRegistrace r04("grafika/situace/s04.png", velikost, kresba(s04));
const KresbaRegistrace r05("grafika/situace/s05.png", velikost, kresba(s05));
const KresbaRegistrace r06("grafika/situace/s06.png", velikost, kresba(s06));
const KresbaRegistrace r07("grafika/situace/s07.png", velikost, kresba(s07));
const KresbaRegistrace r08("grafika/situace/s08.png", velikost, kresba(s08));
const KresbaRegistrace r09("grafika/situace/s09.png", velikost, kresba(s09));
const KresbaRegistrace r10("grafika/situace/s10.png", velikost, kresba(s10));
const KresbaRegistrace r11("grafika/situace/s11.png", velikost, kresba(s11));
const KresbaRegistrace r12("grafika/situace/s12.png", velikost, kresba(s12));
const KresbaRegistrace r13("grafika/situace/s13.png", velikost, kresba(s13));
const KresbaRegistrace r14("grafika/situace/s14.png", velikost, kresba(s14));
const KresbaRegistrace r15("grafika/situace/s15.png", velikost, kresba(s15));
const KresbaRegistrace r16("grafika/situace/s16.png", velikost, kresba(s16));
const KresbaRegistrace r17("grafika/situace/s17.png", velikost, kresba(s17));
const KresbaRegistrace r18("grafika/situace/s18.png", velikost, kresba(s18));
const KresbaRegistrace r19("grafika/situace/s19.png", velikost, kresba(s19));
const KresbaRegistrace r20("grafika/situace/s20.png", velikost, kresba(s20));
const KresbaRegistrace r21("grafika/situace/s21.png", velikost, kresba(s21));
const KresbaRegistrace r22("grafika/situace/s22.png", velikost, kresba(s22));
const KresbaRegistrace r23("grafika/situace/s23.png", velikost, kresba(s23));
const KresbaRegistrace r24("grafika/situace/s24.png", velikost, kresba(s24));
const KresbaRegistrace r25("grafika/situace/s25.png", velikost, kresba(s25));

} // namespace
