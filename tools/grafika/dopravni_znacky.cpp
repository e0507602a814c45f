// The traffic signs, road markings, traffic lights and traffic devices of the catalogue
// group "Dopravní značky" (grafika/znacky/). Every sign is drawn with its proper shape
// and colours (red-rimmed triangles and circles, blue circles and squares, the yellow
// diamond, the octagon) and a simplified but recognisable pictogram.
//
// Pictograms are drawn in a local frame of a 100 x 100 box centred on the origin and
// placed into the sign with vloz(), so that one pictogram (a car, a pedestrian, a
// bicycle, ...) serves several signs in different sizes and colours.
#include "obrazky.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <functional>

namespace {

using grafika::KresbaRegistrace;

const QSize kZnacka(150, 150);
const QSize kVodorovna(240, 240);

const QColor kCervena(206, 17, 38);
const QColor kModra(0, 84, 166);
const QColor kZluta(255, 204, 0);
const QColor kCerna(24, 24, 24);
const QColor kSeda(140, 140, 140);
const QColor kBila(255, 255, 255);
const QColor kZelena(0, 165, 80);
const QColor kOranzova(245, 115, 0);
const QColor kAsfalt(108, 110, 115);
const QColor kTrava(146, 192, 104);
const QColor kObrubnik(200, 200, 196);
const QColor kChodnik(222, 214, 196);
const QColor kZlutaCara(250, 200, 0);

constexpr double kPi = 3.14159265358979323846;
constexpr double kS = 75.0; // centre of a 150 x 150 sign

using Symbol = std::function<void(QPainter&)>;

// ------------------------------------------------------------------ basic helpers

QPen tah(const QColor& c, double w, Qt::PenCapStyle konec = Qt::RoundCap) {
    return QPen(c, w, Qt::SolidLine, konec, Qt::RoundJoin);
}

void vypln(QPainter& p, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
}

void cara(QPainter& p, const QColor& c, double w, const QPolygonF& body) {
    p.setPen(tah(c, w));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(body);
}

void mnohouhelnik(QPainter& p, const QColor& c, const QPolygonF& body) {
    vypln(p, c);
    p.drawPolygon(body);
}

// Bold text centred in `r`, its lines separated by '\n'. The letters are filled as outlines
// rather than drawn through the glyph cache, so that a picture comes out the same byte for
// byte whatever the generator painted before it.
void text(QPainter& p, const QRectF& r, const QString& t, int px, const QColor& c,
          const QString& pismo = QStringLiteral("DejaVu Sans")) {
    QFont f(pismo);
    f.setPixelSize(px);
    f.setBold(true);
    const QFontMetricsF m(f);
    const QStringList radky = t.split(u'\n');
    double y = r.center().y() - m.height() * radky.size() / 2 + m.ascent();
    QPainterPath obrys;
    for (const QString& radek : radky) {
        obrys.addText(QPointF(r.center().x() - m.horizontalAdvance(radek) / 2, y), f, radek);
        y += m.height();
    }
    p.fillPath(obrys, c);
}

// Draws a pictogram given in the local 100 x 100 frame at the given centre and scale.
void vloz(QPainter& p, QPointF stred, double meritko, const Symbol& s) {
    p.save();
    p.translate(stred);
    p.scale(meritko, meritko);
    s(p);
    p.restore();
}

// An arrowhead with its tip at `spicka`, pointing along `smer`.
void hrot(QPainter& p, QPointF spicka, QPointF smer, double delka, double sirka, const QColor& c) {
    const double n = std::hypot(smer.x(), smer.y());
    const QPointF u = smer / n;
    const QPointF v(-u.y(), u.x());
    mnohouhelnik(p, c,
                 QPolygonF{spicka, spicka - u * delka + v * (sirka / 2),
                           spicka - u * delka - v * (sirka / 2)});
}

// A thick arrow along a polyline; the head sits on the last point.
void sipka(QPainter& p, const QColor& c, double w, QPolygonF body, double hlava = 0) {
    if (hlava <= 0)
        hlava = w * 2.0;
    const QPointF konec = body.last();
    const QPointF smer = konec - body[body.size() - 2];
    const double n = std::hypot(smer.x(), smer.y());
    body.last() = konec - smer / n * (hlava * 0.8);
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(body);
    hrot(p, konec, smer, hlava, w * 2.4, c);
}

// Three arrows around a circle, counterclockwise (the direction of a roundabout).
void kruhoveSipky(QPainter& p, const QColor& c, double r, double w) {
    for (int k = 0; k < 3; ++k) {
        const double zacatek = 100.0 + 120.0 * k;
        const double delka = 78.0;
        QPainterPath oblouk;
        const QRectF kruh(-r, -r, 2 * r, 2 * r);
        oblouk.arcMoveTo(kruh, zacatek);
        oblouk.arcTo(kruh, zacatek, delka);
        p.setPen(QPen(c, w, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(oblouk);
        const double a = (zacatek + delka) * kPi / 180.0;
        const QPointF bod(r * std::cos(a), -r * std::sin(a));
        const QPointF smer(-std::sin(a), -std::cos(a));
        hrot(p, bod + smer * (w * 1.7), smer, w * 2.3, w * 2.5, c);
    }
}

// ------------------------------------------------------------------ sign shapes

QPolygonF trojuhelnik(QPointF teziste, double r, bool spickouDolu) {
    QPolygonF t;
    for (int k = 0; k < 3; ++k) {
        const double a = ((spickouDolu ? 90.0 : -90.0) + 120.0 * k) * kPi / 180.0;
        t << QPointF(teziste.x() + r * std::cos(a), teziste.y() + r * std::sin(a));
    }
    return t;
}

constexpr double kTrojR = 72.0;                       // outer triangle, before the rounding
const QPointF kNahoru(kS, kS + (kTrojR + 9.0) / 4.0); // centroid of a triangle point up
const QPointF kDolu(kS, kS - (kTrojR + 9.0) / 4.0);   // centroid of a triangle point down

void cervenyTrojuhelnik(QPainter& p, QPointF teziste, bool spickouDolu) {
    p.setPen(tah(kCervena, 9));
    p.setBrush(kCervena);
    p.drawPolygon(trojuhelnik(teziste, kTrojR, spickouDolu));
    p.setPen(tah(kBila, 3));
    p.setBrush(kBila);
    p.drawPolygon(trojuhelnik(teziste, kTrojR - 20, spickouDolu));
}

// A warning sign (A): red-rimmed white triangle with a black pictogram.
void vystrazna(QPainter& p, const Symbol& s, double meritko = 0.5, double posun = 4) {
    cervenyTrojuhelnik(p, kNahoru, false);
    vloz(p, kNahoru + QPointF(0, posun - 2), meritko * 1.12, s);
}

void zakazovyKruh(QPainter& p, const QColor& pole = kBila) {
    vypln(p, kCervena);
    p.drawEllipse(QPointF(kS, kS), 69, 69);
    vypln(p, pole);
    p.drawEllipse(QPointF(kS, kS), 56, 56);
}

// A prohibition sign (B): red-rimmed white circle with a black pictogram.
void zakazova(QPainter& p, const Symbol& s, double meritko = 0.8) {
    zakazovyKruh(p);
    vloz(p, QPointF(kS, kS), meritko, s);
}

// The red bar of a prohibition, from the upper left to the lower right.
void cervenaPricka(QPainter& p) {
    p.save();
    QPainterPath kruh;
    kruh.addEllipse(QPointF(kS, kS), 57, 57);
    p.setClipPath(kruh);
    p.setPen(QPen(kCervena, 11, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(kS - 50, kS - 50), QPointF(kS + 50, kS + 50));
    p.restore();
}

// The white disc of the signs ending a prohibition.
void koncovyKruh(QPainter& p) {
    p.setPen(QPen(kCerna, 2));
    p.setBrush(kBila);
    p.drawEllipse(QPointF(kS, kS), 68, 68);
}

// The band of thin black lines of an ending sign, from the upper right to the lower left.
void koncovePreskrtnuti(QPainter& p, double r = 67) {
    p.save();
    QPainterPath kruh;
    kruh.addEllipse(QPointF(kS, kS), r, r);
    p.setClipPath(kruh);
    p.setPen(QPen(kCerna, 2.6, Qt::SolidLine, Qt::FlatCap));
    const QPointF smer(1 / std::sqrt(2.0), -1 / std::sqrt(2.0));
    const QPointF kolmo(1 / std::sqrt(2.0), 1 / std::sqrt(2.0));
    for (int i = -2; i <= 2; ++i) {
        const QPointF s = QPointF(kS, kS) + kolmo * (i * 5.5);
        p.drawLine(s - smer * 80, s + smer * 80);
    }
    p.restore();
}

void modryKruh(QPainter& p) {
    p.setPen(QPen(kBila, 2));
    p.setBrush(kModra);
    p.drawEllipse(QPointF(kS, kS), 68, 68);
}

// A mandatory sign (C): blue circle with a white pictogram.
void prikazova(QPainter& p, const Symbol& s, double meritko = 0.8) {
    modryKruh(p);
    vloz(p, QPointF(kS, kS), meritko, s);
}

void modryObdelnik(QPainter& p, const QRectF& r) {
    vypln(p, kModra);
    p.drawRoundedRect(r, 9, 9);
    p.setPen(QPen(kBila, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(3.5, 3.5, -3.5, -3.5), 6, 6);
}

const QRectF kCtverec(8, 8, 134, 134);

// A white plate with a black rim (additional plates, names of villages, zones).
void bilaTabule(QPainter& p, const QRectF& r, double okraj = 3) {
    p.setPen(QPen(kCerna, okraj));
    p.setBrush(kBila);
    p.drawRoundedRect(r, 5, 5);
}

QPolygonF kosoctverec(QPointF stred, double r) {
    return QPolygonF{stred + QPointF(0, -r), stred + QPointF(r, 0), stred + QPointF(0, r),
                     stred + QPointF(-r, 0)};
}

void hlavniSilnice(QPainter& p, QPointF stred) {
    p.setPen(tah(QColor(60, 60, 60), 1.5));
    p.setBrush(kBila);
    p.drawPolygon(kosoctverec(stred, 68));
    p.setPen(tah(kZluta, 2));
    p.setBrush(kZluta);
    p.drawPolygon(kosoctverec(stred, 44));
}

// The triangle "Give way" (P4), point down; `stred` is the centre of its bounding box.
void dejPrednost(QPainter& p, QPointF stred) {
    cervenyTrojuhelnik(p, stred + (kDolu - QPointF(kS, kS)), true);
}

// An additional plate (E) below a sign: a white plate with a black rim and a black text,
// centred, its lines separated by '\n'.
void dodatkova(QPainter& p, const QRectF& r, const QString& t, int px,
               const QString& pismo = QStringLiteral("DejaVu Sans")) {
    bilaTabule(p, r);
    text(p, r, t, px, kCerna, pismo);
}

// ------------------------------------------------------------------ pictograms

void osobniBokem(QPainter& p, const QColor& c, const QColor& pozadi) {
    QPainterPath t;
    t.moveTo(-46, 8);
    t.lineTo(-46, -4);
    t.quadTo(-45, -9, -31, -10);
    t.lineTo(-19, -23);
    t.quadTo(-16, -26, -10, -26);
    t.lineTo(15, -26);
    t.quadTo(21, -26, 24, -22);
    t.lineTo(32, -10);
    t.lineTo(42, -8);
    t.quadTo(46, -7, 46, -2);
    t.lineTo(46, 8);
    t.closeSubpath();
    vypln(p, c);
    p.drawPath(t);
    mnohouhelnik(p, pozadi, QPolygonF{{-25, -11}, {-15, -22}, {-3, -22}, {-3, -11}});
    mnohouhelnik(p, pozadi, QPolygonF{{1, -11}, {1, -22}, {15, -22}, {23, -11}});
    for (double x : {-27.0, 27.0}) {
        p.setPen(QPen(pozadi, 3));
        p.setBrush(c);
        p.drawEllipse(QPointF(x, 9), 10, 10);
    }
}

void osobniZezadu(QPainter& p, const QColor& c, const QColor& pozadi) {
    mnohouhelnik(
        p, c,
        QPolygonF{
            {-20, -26}, {20, -26}, {26, -8}, {33, -6}, {33, 16}, {-33, 16}, {-33, -6}, {-26, -8}});
    vypln(p, c);
    p.drawRoundedRect(QRectF(-32, 14, 12, 13), 2, 2);
    p.drawRoundedRect(QRectF(20, 14, 12, 13), 2, 2);
    mnohouhelnik(p, pozadi, QPolygonF{{-17, -22}, {17, -22}, {21, -10}, {-21, -10}});
    vypln(p, pozadi);
    p.drawRect(QRectF(-29, -1, 9, 5));
    p.drawRect(QRectF(20, -1, 9, 5));
}

void nakladniZezadu(QPainter& p, const QColor& c, const QColor& pozadi) {
    vypln(p, c);
    p.drawRect(QRectF(-27, -36, 54, 50));
    p.drawRect(QRectF(-27, 14, 54, 6));
    p.drawRoundedRect(QRectF(-27, 18, 15, 12), 2, 2);
    p.drawRoundedRect(QRectF(12, 18, 15, 12), 2, 2);
    p.setPen(QPen(pozadi, 2.5));
    p.drawLine(QPointF(0, -33), QPointF(0, 11));
    vypln(p, pozadi);
    p.drawRect(QRectF(-24, 15, 8, 3));
    p.drawRect(QRectF(16, 15, 8, 3));
}

void nakladniBokem(QPainter& p, const QColor& c, const QColor& pozadi) {
    mnohouhelnik(p, c, QPolygonF{{-47, 10}, {-47, -12}, {-42, -26}, {-24, -26}, {-24, 10}});
    mnohouhelnik(p, pozadi, QPolygonF{{-43, -13}, {-40, -22}, {-28, -22}, {-28, -13}});
    vypln(p, c);
    p.drawRect(QRectF(-21, -36, 68, 40));
    p.drawRect(QRectF(-47, 2, 94, 8));
    for (double x : {-34.0, 18.0, 35.0}) {
        p.setPen(QPen(pozadi, 2.5));
        p.setBrush(c);
        p.drawEllipse(QPointF(x, 12), 9, 9);
    }
}

void motocykl(QPainter& p, const QColor& c, const QColor& pozadi) {
    p.setPen(tah(c, 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(-30, 14), 12, 12);
    p.drawEllipse(QPointF(30, 14), 12, 12);
    mnohouhelnik(p, c,
                 QPolygonF{{-16, -6}, {0, -13}, {14, -11}, {34, -6}, {28, 0}, {4, 2}, {-8, 8}});
    vypln(p, c);
    p.drawRoundedRect(QRectF(-8, 0, 18, 14), 3, 3);
    cara(p, c, 5, QPolygonF{{-30, 14}, {-20, -14}});
    cara(p, c, 4, QPolygonF{{-26, -16}, {-16, -19}});
    cara(p, c, 5, QPolygonF{{30, 14}, {8, 6}});
    vypln(p, pozadi);
    p.drawEllipse(QPointF(-30, 14), 3, 3);
    p.drawEllipse(QPointF(30, 14), 3, 3);
}

void kolo(QPainter& p, const QColor& c, double w = 5) {
    p.setPen(tah(c, w));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(-25, 14), 17, 17);
    p.drawEllipse(QPointF(25, 14), 17, 17);
    p.drawPolygon(QPolygonF{{-25, 14}, {-4, 14}, {-12, -12}});
    p.drawPolyline(QPolygonF{{-12, -12}, {17, -12}, {-4, 14}});
    p.drawLine(QPointF(25, 14), QPointF(15, -19));
    p.drawLine(QPointF(10, -20), QPointF(21, -22));
    p.drawLine(QPointF(-19, -15), QPointF(-6, -15));
}

void cyklista(QPainter& p, const QColor& c) {
    kolo(p, c);
    vypln(p, c);
    p.drawEllipse(QPointF(6, -47), 7.5, 7.5);
    cara(p, c, 9, QPolygonF{{3, -36}, {-11, -15}});
    cara(p, c, 6, QPolygonF{{1, -31}, {10, -24}, {15, -20}});
    cara(p, c, 6.5, QPolygonF{{-11, -15}, {4, -4}, {-3, 14}});
}

void chodec(QPainter& p, const QColor& c) {
    vypln(p, c);
    p.drawEllipse(QPointF(4, -40), 8.5, 8.5);
    cara(p, c, 12, QPolygonF{{2, -28}, {-1, 0}});
    cara(p, c, 10, QPolygonF{{-1, 0}, {-11, 19}, {-22, 38}});
    cara(p, c, 10, QPolygonF{{-1, 0}, {10, 18}, {13, 39}, {20, 40}});
    cara(p, c, 7, QPolygonF{{1, -24}, {-10, -10}, {-15, 2}});
    cara(p, c, 7, QPolygonF{{2, -24}, {12, -11}, {19, -3}});
}

// A child running (the girl has a skirt).
void dite(QPainter& p, const QColor& c, bool sukne) {
    vypln(p, c);
    p.drawEllipse(QPointF(4, -38), 9, 9);
    cara(p, c, 12, QPolygonF{{2, -26}, {-1, -2}});
    if (sukne)
        mnohouhelnik(p, c, QPolygonF{{-4, -14}, {6, -14}, {14, 6}, {-14, 6}});
    cara(p, c, 9, QPolygonF{{-1, 0}, {-12, 18}, {-24, 30}});
    cara(p, c, 9, QPolygonF{{-1, 0}, {12, 16}, {14, 38}});
    cara(p, c, 7, QPolygonF{{1, -22}, {-12, -10}, {-18, -14}});
    cara(p, c, 7, QPolygonF{{2, -22}, {14, -12}, {20, -2}});
}

void jelen(QPainter& p, const QColor& c) {
    p.save();
    p.rotate(-18);
    vypln(p, c);
    p.drawEllipse(QPointF(-2, 2), 26, 13);
    p.restore();
    cara(p, c, 10, QPolygonF{{16, -8}, {27, -25}});
    p.save();
    p.translate(31, -28);
    p.rotate(25);
    vypln(p, c);
    p.drawEllipse(QPointF(2, 0), 10, 5.5);
    p.restore();
    cara(p, c, 3.5, QPolygonF{{26, -32}, {22, -44}, {14, -50}});
    cara(p, c, 3.5, QPolygonF{{22, -44}, {26, -52}});
    cara(p, c, 3.5, QPolygonF{{29, -33}, {30, -46}, {36, -53}});
    cara(p, c, 3.5, QPolygonF{{30, -45}, {38, -46}});
    cara(p, c, 6, QPolygonF{{14, 0}, {28, 6}, {42, 0}});
    cara(p, c, 6, QPolygonF{{10, 4}, {22, 14}, {36, 14}});
    cara(p, c, 7, QPolygonF{{-20, 6}, {-32, 18}, {-46, 26}});
    cara(p, c, 6, QPolygonF{{-16, 10}, {-26, 24}, {-38, 34}});
    cara(p, c, 5, QPolygonF{{-22, -8}, {-30, -13}});
}

void delnik(QPainter& p, const QColor& c) {
    mnohouhelnik(p, c, QPolygonF{{6, 40}, {48, 40}, {40, 26}, {26, 18}, {14, 26}});
    vypln(p, c);
    p.drawEllipse(QPointF(-22, -36), 8.5, 8.5);
    cara(p, c, 12, QPolygonF{{-20, -25}, {-10, 0}});
    cara(p, c, 10, QPolygonF{{-10, 0}, {-22, 20}, {-28, 40}});
    cara(p, c, 10, QPolygonF{{-10, 0}, {2, 18}, {4, 40}});
    cara(p, c, 4, QPolygonF{{-12, -26}, {24, 14}});
    mnohouhelnik(p, c, QPolygonF{{19, 14}, {28, 8}, {36, 18}, {28, 26}});
    cara(p, c, 7, QPolygonF{{-18, -20}, {-8, -14}, {-6, -19}});
    cara(p, c, 7, QPolygonF{{-18, -20}, {0, -6}, {6, -4}});
}

void vlocka(QPainter& p, const QColor& c) {
    for (int k = 0; k < 6; ++k) {
        p.save();
        p.rotate(60.0 * k);
        cara(p, c, 5.5, QPolygonF{{0, 0}, {0, -38}});
        cara(p, c, 4.5, QPolygonF{{-10, -32}, {0, -22}, {10, -32}});
        p.restore();
    }
}

void tramvaj(QPainter& p, const QColor& c, const QColor& pozadi) {
    cara(p, c, 3, QPolygonF{{0, -30}, {-10, -40}, {0, -50}, {10, -40}, {0, -30}});
    cara(p, c, 3, QPolygonF{{-16, -50}, {16, -50}});
    vypln(p, c);
    p.drawRoundedRect(QRectF(-27, -31, 54, 70), 9, 9);
    vypln(p, pozadi);
    p.drawRoundedRect(QRectF(-20, -24, 40, 26), 4, 4);
    p.drawEllipse(QPointF(-15, 26), 4, 4);
    p.drawEllipse(QPointF(15, 26), 4, 4);
    p.drawRect(QRectF(-6, 10, 12, 4));
}

void lokomotiva(QPainter& p, const QColor& c, const QColor& pozadi) {
    vypln(p, c);
    p.drawRect(QRectF(-38, -14, 52, 22));
    p.drawRect(QRectF(-32, -30, 10, 16));
    p.drawRect(QRectF(-35, -33, 16, 5));
    p.drawRoundedRect(QRectF(-12, -22, 11, 10), 3, 3);
    p.drawRect(QRectF(12, -32, 28, 40));
    p.drawRect(QRectF(8, -37, 36, 5));
    p.drawRect(QRectF(-44, 4, 88, 8));
    p.drawRect(QRectF(-48, 2, 5, 8));
    vypln(p, pozadi);
    p.drawRect(QRectF(18, -26, 15, 12));
    for (double x : {-27.0, -5.0, 20.0}) {
        p.setPen(QPen(pozadi, 2.5));
        p.setBrush(c);
        p.drawEllipse(QPointF(x, 20), 9.5, 9.5);
    }
}

void zavory(QPainter& p, const QColor& c) {
    vypln(p, c);
    p.drawRect(QRectF(-42, -12, 84, 7));
    p.drawRect(QRectF(-42, 14, 84, 7));
    for (double x : {-34.0, -17.0, 0.0, 17.0, 34.0})
        mnohouhelnik(p, c,
                     QPolygonF{{x - 5, 34}, {x - 5, -22}, {x, -30}, {x + 5, -22}, {x + 5, 34}});
}

// A motorway under a bridge (IP14a): two carriageways coming out of the arch.
void dalnice(QPainter& p, const QColor& c) {
    mnohouhelnik(p, c, QPolygonF{{-44, 46}, {-5, 46}, {-3, -8}, {-12, -8}});
    mnohouhelnik(p, c, QPolygonF{{5, 46}, {44, 46}, {12, -8}, {3, -8}});
    QPainterPath most;
    most.moveTo(-48, -36);
    most.lineTo(48, -36);
    most.lineTo(48, -8);
    most.lineTo(36, -8);
    most.cubicTo(30, -26, -30, -26, -36, -8);
    most.lineTo(-48, -8);
    most.closeSubpath();
    vypln(p, c);
    p.drawPath(most);
}

// The parking disc: a blue card with a clock face.
void parkovaciKotouc(QPainter& p) {
    vypln(p, kModra);
    p.drawRoundedRect(QRectF(-30, -30, 60, 60), 7, 7);
    p.setPen(QPen(kCerna, 2));
    p.setBrush(kBila);
    p.drawEllipse(QPointF(0, 2), 22, 22);
    p.setPen(tah(kCerna, 2));
    for (int k = 0; k < 12; ++k) {
        const double a = 30.0 * k * kPi / 180.0;
        const QPointF u(std::cos(a), std::sin(a));
        p.drawLine(QPointF(0, 2) + u * 17, QPointF(0, 2) + u * 21);
    }
    cara(p, kCerna, 3.5, QPolygonF{{0, 2}, {0, -14}});
    cara(p, kCerna, 3.5, QPolygonF{{0, 2}, {10, 8}});
}

void invalida(QPainter& p, const QColor& c) {
    vypln(p, c);
    p.drawEllipse(QPointF(-6, -40), 8, 8);
    cara(p, c, 10, QPolygonF{{-6, -28}, {-8, 0}, {18, 0}, {24, 24}, {32, 24}});
    cara(p, c, 7, QPolygonF{{-6, -18}, {10, -14}});
    p.setPen(tah(c, 6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-30, -6, 44, 44), 110 * 16, 250 * 16);
}

// ------------------------------------------------------------------ warning signs (A)

void zatackaVpravo(QPainter& p) {
    QPainterPath t;
    t.moveTo(-12, 42);
    t.lineTo(-12, 2);
    t.cubicTo(-12, -22, 4, -34, 22, -36);
    p.setPen(QPen(kCerna, 13, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(t);
}

void krizovatka(QPainter& p) {
    vypln(p, kCerna);
    p.drawRect(QRectF(-6.5, -42, 13, 84));
    p.drawRect(QRectF(-36, -1, 72, 13));
}

void klesani(QPainter& p) {
    mnohouhelnik(p, kCerna, QPolygonF{{-46, 40}, {46, 40}, {46, 30}, {-46, 6}});
    text(p, QRectF(-28, -16, 68, 28), QStringLiteral("10%"), 30, kCerna);
}

// A6b: the carriageway narrows from the right.
void zuzenaVozovka(QPainter& p) {
    p.setPen(QPen(kCerna, 9, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(-20, 44), QPointF(-20, -40));
    p.drawPolyline(QPolygonF{{22, 44}, {22, 12}, {6, -8}, {6, -40}});
}

// A7a: the profile of a road surface with two bumps.
void nerovnost(QPainter& p) {
    QPainterPath t;
    t.moveTo(-46, 36);
    t.lineTo(-46, 16);
    t.cubicTo(-38, -6, -8, -6, 0, 16);
    t.cubicTo(8, -6, 38, -6, 46, 16);
    t.lineTo(46, 36);
    t.closeSubpath();
    vypln(p, kCerna);
    p.drawPath(t);
}

// One falling stone: an irregular hexagon.
void kamen(QPainter& p, QPointF stred, double r) {
    static const double kTvar[6] = {1.0, 0.75, 0.95, 0.8, 1.0, 0.7};
    QPolygonF t;
    for (int k = 0; k < 6; ++k) {
        const double a = (15.0 + 60.0 * k) * kPi / 180.0;
        t << stred + QPointF(std::cos(a), std::sin(a)) * (r * kTvar[k]);
    }
    mnohouhelnik(p, kCerna, t);
}

// A16: a rock face on the left with stones falling down onto the road.
void padajiciKameni(QPainter& p) {
    mnohouhelnik(p, kCerna,
                 QPolygonF{{-48, 42},
                           {-48, -40},
                           {-30, -46},
                           {-20, -30},
                           {-26, -12},
                           {-12, 4},
                           {-18, 22},
                           {-4, 42}});
    vypln(p, kCerna);
    p.drawRect(QRectF(-48, 36, 96, 8));
    kamen(p, QPointF(2, -28), 9);
    kamen(p, QPointF(18, -4), 10);
    kamen(p, QPointF(12, 24), 8);
    kamen(p, QPointF(36, 22), 11);
}

// A13: a cow seen from the side, facing right.
void krava(QPainter& p, const QColor& c) {
    vypln(p, c);
    p.drawRoundedRect(QRectF(-38, -18, 62, 30), 9, 9);
    mnohouhelnik(p, c,
                 QPolygonF{{16, -16}, {30, -24}, {44, -20}, {47, -8}, {40, 0}, {28, -2}, {20, 6}});
    for (double x : {-33.0, -23.0, 8.0, 16.0})
        p.drawRect(QRectF(x, 6, 7, 26));
    p.drawEllipse(QPointF(-4, 13), 7, 5);
    cara(p, c, 3.5, QPolygonF{{33, -22}, {30, -32}});
    cara(p, c, 3.5, QPolygonF{{40, -21}, {43, -31}});
    cara(p, c, 3.5, QPolygonF{{-37, -12}, {-44, -2}, {-43, 16}});
}

void smyk(QPainter& p) {
    vloz(p, QPointF(0, -18), 0.9, [](QPainter& q) { osobniZezadu(q, kCerna, kBila); });
    for (double x : {-14.0, 14.0}) {
        QPainterPath stopa;
        stopa.moveTo(x, 10);
        stopa.cubicTo(x - 16, 20, x + 16, 30, x - 6, 44);
        p.setPen(tah(kCerna, 4.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stopa);
    }
}

void obaSmery(QPainter& p) {
    sipka(p, kCerna, 8, QPolygonF{{-15, -40}, {-15, 40}}, 18);
    sipka(p, kCerna, 8, QPolygonF{{15, 40}, {15, -40}}, 18);
}

// A traffic light in a housing, as on the sign A10.
void semaforSymbol(QPainter& p) {
    vypln(p, kCerna);
    p.drawRoundedRect(QRectF(-16, -46, 32, 90), 7, 7);
    vypln(p, kCervena);
    p.drawEllipse(QPointF(0, -30), 10, 10);
    vypln(p, kZluta);
    p.drawEllipse(QPointF(0, -1), 10, 10);
    vypln(p, kZelena);
    p.drawEllipse(QPointF(0, 28), 10, 10);
}

void prechodSymbol(QPainter& p) {
    vloz(p, QPointF(0, -10), 0.8, [](QPainter& q) { chodec(q, kCerna); });
    for (int i = -2; i <= 2; ++i) {
        const double x = i * 15.0;
        mnohouhelnik(p, kCerna, QPolygonF{{x - 8, 44}, {x + 2, 44}, {x + 6, 34}, {x - 4, 34}});
    }
}

void deti(QPainter& p) {
    vloz(p, QPointF(-14, -4), 0.78, [](QPainter& q) { dite(q, kCerna, true); });
    vloz(p, QPointF(20, 8), 0.6, [](QPainter& q) { dite(q, kCerna, false); });
}

void vykricnik(QPainter& p) {
    mnohouhelnik(p, kCerna, QPolygonF{{-7, -42}, {7, -42}, {4, 16}, {-4, 16}});
    vypln(p, kCerna);
    p.drawEllipse(QPointF(0, 30), 7.5, 7.5);
}

// A31a: the countdown board with three red bars, 240 m before a level crossing.
void navestniDeska(QPainter& p, int pruhy) {
    const QRectF deska(56, 5, 38, 140);
    p.setPen(QPen(kCerna, 1.5));
    p.setBrush(kBila);
    p.drawRect(deska);
    p.save();
    p.setClipRect(deska.adjusted(1, 1, -1, -1));
    p.setPen(QPen(kCervena, 15, Qt::SolidLine, Qt::FlatCap));
    const double krok = deska.height() / (pruhy + 1);
    for (int i = 1; i <= pruhy; ++i) {
        const double y = deska.top() + i * krok;
        p.drawLine(QPointF(deska.left() - 10, y + 24), QPointF(deska.right() + 10, y - 24));
    }
    p.restore();
}

// One arm of the railway cross: white with a red rim.
void rameno(QPainter& p, QPointF stred, double uhel, double delka, double sirka, bool cervene) {
    p.save();
    p.translate(stred);
    p.rotate(uhel);
    vypln(p, cervene ? kCervena : kBila);
    const double d = cervene ? delka : delka - 8;
    const double s = cervene ? sirka : sirka - 8;
    p.drawRect(QRectF(-d / 2, -s / 2, d, s));
    p.restore();
}

void vystraznyKriz(QPainter& p, QPointF stred, double delka, double sirka) {
    for (bool cervene : {true, false})
        for (double uhel : {33.0, -33.0})
            rameno(p, stred, uhel, delka, sirka, cervene);
}

// ------------------------------------------------------------------ traffic lights

QColor zhasnuta(const QColor& c) {
    return QColor(c.red() / 4 + 20, c.green() / 4 + 20, c.blue() / 4 + 20);
}

void paprsky(QPainter& p, QPointF stred, double r, const QColor& c) {
    p.setPen(tah(c, 3));
    for (int k = 0; k < 8; ++k) {
        const double a = (22.5 + 45.0 * k) * kPi / 180.0;
        const QPointF u(std::cos(a), std::sin(a));
        p.drawLine(stred + u * (r + 5), stred + u * (r + 13));
    }
}

void svetlo(QPainter& p, QPointF stred, double r, const QColor& c, bool sviti) {
    p.setPen(QPen(QColor(10, 10, 10), 3));
    p.setBrush(sviti ? c : zhasnuta(c));
    p.drawEllipse(stred, r, r);
    if (sviti) {
        vypln(p, c.lighter(135));
        p.drawEllipse(stred - QPointF(r * 0.3, r * 0.3), r * 0.35, r * 0.35);
    }
}

const QColor kSemaforCervena(235, 25, 25);
const QColor kSemaforZluta(255, 190, 0);
const QColor kSemaforZelena(0, 200, 90);

// A three-light signal; the housing is 70 px wide, its left edge at `x`.
void semafor(QPainter& p, double x, bool cervena, bool zluta, bool zelena,
             bool zlutaBlika = false) {
    vypln(p, kSeda);
    p.drawRect(QRectF(x + 30, 205, 10, 35));
    vypln(p, QColor(35, 35, 38));
    p.drawRoundedRect(QRectF(x, 8, 70, 200), 12, 12);
    svetlo(p, QPointF(x + 35, 43), 24, kSemaforCervena, cervena);
    svetlo(p, QPointF(x + 35, 108), 24, kSemaforZluta, zluta);
    svetlo(p, QPointF(x + 35, 173), 24, kSemaforZelena, zelena);
    if (zlutaBlika) {
        paprsky(p, QPointF(x + 35, 108), 24, kSemaforZluta);
    }
}

// The level crossing signal: the cross above, two red lights and the white light.
void prejezdoveZarizeni(QPainter& p, bool cervena, bool bila) {
    vypln(p, kSeda);
    p.drawRect(QRectF(96, 60, 8, 160));
    vystraznyKriz(p, QPointF(100, 42), 112, 20);
    vypln(p, QColor(30, 30, 30));
    p.drawRoundedRect(QRectF(22, 95, 156, 52), 26, 26);
    p.drawEllipse(QPointF(100, 175), 20, 20);
    svetlo(p, QPointF(48, 121), 17, kSemaforCervena, cervena);
    svetlo(p, QPointF(152, 121), 17, kSemaforCervena, false);
    if (cervena)
        paprsky(p, QPointF(48, 121), 17, kSemaforCervena);
    if (bila) {
        vypln(p, QColor(255, 255, 255, 90));
        p.drawEllipse(QPointF(100, 175), 19, 19);
    }
    svetlo(p, QPointF(100, 175), 13, QColor(255, 255, 245), bila);
    if (bila)
        paprsky(p, QPointF(100, 175), 16, QColor(110, 110, 110));
}

// ------------------------------------------------------------------ road markings

// A straight road from bottom to top with grass on both sides; returns the edges.
void silnice(QPainter& p, double levy = 50, double pravy = 190) {
    p.fillRect(QRectF(0, 0, 240, 240), kTrava);
    p.fillRect(QRectF(levy, 0, pravy - levy, 240), kAsfalt);
}

void podelnaSouvisla(QPainter& p, double x, double od = 0, double po = 240) {
    p.fillRect(QRectF(x - 2.5, od, 5, po - od), kBila);
}

void podelnaPrerusovana(QPainter& p, double x, double usek = 26, double mezera = 34) {
    for (double y = -10; y < 240; y += usek + mezera)
        p.fillRect(QRectF(x - 2.5, y, 5, usek), kBila);
}

// A car seen from above, heading up.
void autoShora(QPainter& p, QPointF stred, const QColor& c) {
    p.save();
    p.translate(stred);
    p.setPen(QPen(c.darker(150), 1.5));
    p.setBrush(c);
    p.drawRoundedRect(QRectF(-14, -26, 28, 52), 8, 8);
    vypln(p, QColor(60, 70, 90));
    p.drawRoundedRect(QRectF(-11, -14, 22, 10), 3, 3);
    p.drawRoundedRect(QRectF(-11, 14, 22, 7), 3, 3);
    vypln(p, QColor(255, 240, 170));
    p.drawEllipse(QPointF(-9, -24), 3, 2);
    p.drawEllipse(QPointF(9, -24), 3, 2);
    p.restore();
}

// A road with a kerb and a pavement on the right.
void silniceSObrubnikem(QPainter& p) {
    p.fillRect(QRectF(0, 0, 240, 240), kTrava);
    p.fillRect(QRectF(30, 0, 150, 240), kAsfalt);
    p.fillRect(QRectF(180, 0, 10, 240), kObrubnik);
    p.fillRect(QRectF(190, 0, 50, 240), kChodnik);
    podelnaPrerusovana(p, 105);
}

// ------------------------------------------------------------------ traffic devices

void zabrana(QPainter& p) {
    vypln(p, QColor(90, 90, 90));
    p.drawRect(QRectF(0, 128, 200, 22));
    for (double x : {38.0, 162.0}) {
        p.drawRect(QRectF(x - 3, 70, 6, 62));
        p.drawRect(QRectF(x - 18, 128, 36, 5));
    }
    const QRectF deska(14, 48, 172, 34);
    const int dily = 8;
    for (int i = 0; i < dily; ++i) {
        vypln(p, i % 2 == 0 ? kCervena : kBila);
        p.drawRect(QRectF(deska.left() + i * deska.width() / dily, deska.top(),
                          deska.width() / dily, deska.height()));
    }
    p.setPen(QPen(kCerna, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(deska);
}

void smerovaciDeska(QPainter& p, const QRectF& deska) {
    vypln(p, QColor(90, 90, 90));
    p.drawRect(QRectF(deska.center().x() - 3, deska.bottom(), 6, 150 - deska.bottom()));
    p.setPen(QPen(kCerna, 1.5));
    p.setBrush(kBila);
    p.drawRect(deska);
    p.save();
    p.setClipRect(deska.adjusted(1, 1, -1, -1));
    p.setPen(QPen(kCervena, 11, Qt::SolidLine, Qt::FlatCap));
    // The bars fall towards the side on which the obstacle is to be passed (right).
    for (double y = deska.top() - 60; y < deska.bottom() + 20; y += 24)
        p.drawLine(QPointF(deska.left() - 5, y), QPointF(deska.right() + 5, y + 36));
    p.restore();
}

void kuzel(QPainter& p, QPointF pata, double v) {
    const double s = v * 0.62;
    vypln(p, QColor(60, 60, 60));
    p.drawRect(QRectF(pata.x() - s * 0.75, pata.y() - v * 0.08, s * 1.5, v * 0.08));
    mnohouhelnik(p, kOranzova,
                 QPolygonF{pata + QPointF(-s / 2, -v * 0.08), pata + QPointF(s / 2, -v * 0.08),
                           pata + QPointF(v * 0.06, -v), pata + QPointF(-v * 0.06, -v)});
    for (double t : {0.35, 0.62}) {
        const double h = v * 0.1;
        const double y1 = pata.y() - v * t;
        const auto sirka = [&](double y) { return (s / 2) * (1 - (pata.y() - y) / v) + 1; };
        mnohouhelnik(p, kBila,
                     QPolygonF{{pata.x() - sirka(y1), y1},
                               {pata.x() + sirka(y1), y1},
                               {pata.x() + sirka(y1 - h), y1 - h},
                               {pata.x() - sirka(y1 - h), y1 - h}});
    }
}

// ------------------------------------------------------------------ signs shown alone and with a
// plate

// B11: no entry for motor vehicles.
void zakazVjezduMotorovych(QPainter& p) {
    zakazovyKruh(p);
    vloz(p, QPointF(kS, kS - 23), 0.74, [](QPainter& q) { motocykl(q, kCerna, kBila); });
    vloz(p, QPointF(kS, kS + 26), 0.74, [](QPainter& q) { osobniBokem(q, kCerna, kBila); });
}

// B20a: the speed limit with its figure.
void nejvyssiRychlost(QPainter& p, const QString& cislo) {
    zakazovyKruh(p);
    text(p, QRectF(0, 0, 150, 150), cislo, 58, kCerna);
}

// B29: no standing.
void zakazStani(QPainter& p) {
    zakazovyKruh(p, kModra);
    cervenaPricka(p);
}

// E4: the length of the section, a vertical double arrow beside the figure.
void delkaUseku(QPainter& p, const QRectF& r, const QString& t) {
    bilaTabule(p, r);
    const double x = r.left() + 18;
    p.setPen(QPen(kCerna, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x, r.top() + 12), QPointF(x, r.bottom() - 12));
    hrot(p, QPointF(x, r.top() + 5), QPointF(0, -1), 10, 12, kCerna);
    hrot(p, QPointF(x, r.bottom() - 5), QPointF(0, 1), 10, 12, kCerna);
    text(p, r.adjusted(26, 0, 0, 0), t, 24, kCerna);
}

// ------------------------------------------------------------------ registrations

const KresbaRegistrace rA1a("grafika/znacky/A1a.png", kZnacka, [](QPainter& p, const QSize&) {
    vystrazna(p, zatackaVpravo, 0.56, 3);
});
const KresbaRegistrace rA3("grafika/znacky/A3.png", kZnacka,
                           [](QPainter& p, const QSize&) { vystrazna(p, krizovatka, 0.52, 2); });
const KresbaRegistrace rA4("grafika/znacky/A4.png", kZnacka, [](QPainter& p, const QSize&) {
    vystrazna(
        p, [](QPainter& q) { kruhoveSipky(q, kCerna, 24, 7); }, 0.72, 6);
});
const KresbaRegistrace rA5a("grafika/znacky/A5a.png", kZnacka,
                            [](QPainter& p, const QSize&) { vystrazna(p, klesani, 0.52, 4); });
const KresbaRegistrace rA6b("grafika/znacky/A6b.png", kZnacka, [](QPainter& p, const QSize&) {
    vystrazna(p, zuzenaVozovka, 0.52, 4);
});
const KresbaRegistrace rA7aE4("grafika/znacky/A7a_E4.png", QSize(150, 192),
                              [](QPainter& p, const QSize&) {
                                  vystrazna(p, nerovnost, 0.52, 4);
                                  delkaUseku(p, QRectF(27, 143, 96, 44), QStringLiteral("2 km"));
                              });
const KresbaRegistrace rA8("grafika/znacky/A8.png", kZnacka,
                           [](QPainter& p, const QSize&) { vystrazna(p, smyk, 0.52, 4); });
const KresbaRegistrace rA9("grafika/znacky/A9.png", kZnacka,
                           [](QPainter& p, const QSize&) { vystrazna(p, obaSmery, 0.5, 4); });
const KresbaRegistrace rA10("grafika/znacky/A10.png", kZnacka,
                            [](QPainter& p, const QSize&) { vystrazna(p, semaforSymbol, 0.5, 2); });
const KresbaRegistrace rA11("grafika/znacky/A11.png", kZnacka, [](QPainter& p, const QSize&) {
    vystrazna(p, prechodSymbol, 0.52, 3);
});
const KresbaRegistrace rA12a("grafika/znacky/A12a.png", kZnacka,
                             [](QPainter& p, const QSize&) { vystrazna(p, deti, 0.52, 4); });
const KresbaRegistrace rA13("grafika/znacky/A13.png", kZnacka, [](QPainter& p, const QSize&) {
    vystrazna(
        p, [](QPainter& q) { krava(q, kCerna); }, 0.56, 2);
});
const KresbaRegistrace rA14("grafika/znacky/A14.png", kZnacka, [](QPainter& p, const QSize&) {
    vystrazna(
        p, [](QPainter& q) { jelen(q, kCerna); }, 0.54, 6);
});
const KresbaRegistrace rA15("grafika/znacky/A15.png", kZnacka, [](QPainter& p, const QSize&) {
    vystrazna(
        p, [](QPainter& q) { delnik(q, kCerna); }, 0.52, 4);
});
const KresbaRegistrace rA16("grafika/znacky/A16.png", kZnacka, [](QPainter& p, const QSize&) {
    vystrazna(p, padajiciKameni, 0.52, 4);
});
const KresbaRegistrace rA17("grafika/znacky/A17.png", kZnacka, [](QPainter& p, const QSize&) {
    vystrazna(
        p, [](QPainter& q) { vlocka(q, kCerna); }, 0.6, 4);
});
const KresbaRegistrace rA19("grafika/znacky/A19.png", kZnacka, [](QPainter& p, const QSize&) {
    vystrazna(
        p, [](QPainter& q) { cyklista(q, kCerna); }, 0.52, 6);
});
const KresbaRegistrace rA22("grafika/znacky/A22.png", kZnacka,
                            [](QPainter& p, const QSize&) { vystrazna(p, vykricnik, 0.5, 2); });
const KresbaRegistrace rA23("grafika/znacky/A23.png", kZnacka, [](QPainter& p, const QSize&) {
    vystrazna(
        p, [](QPainter& q) { tramvaj(q, kCerna, kBila); }, 0.52, 4);
});
const KresbaRegistrace rA29("grafika/znacky/A29.png", kZnacka, [](QPainter& p, const QSize&) {
    vystrazna(
        p, [](QPainter& q) { zavory(q, kCerna); }, 0.52, 6);
});
const KresbaRegistrace rA30("grafika/znacky/A30.png", kZnacka, [](QPainter& p, const QSize&) {
    vystrazna(
        p, [](QPainter& q) { lokomotiva(q, kCerna, kBila); }, 0.54, 6);
});
const KresbaRegistrace rA31a("grafika/znacky/A31a.png", kZnacka,
                             [](QPainter& p, const QSize&) { navestniDeska(p, 3); });
const KresbaRegistrace rA32a("grafika/znacky/A32a.png", kZnacka, [](QPainter& p, const QSize&) {
    vystraznyKriz(p, QPointF(kS, kS), 150, 24);
});
const KresbaRegistrace rA32b("grafika/znacky/A32b.png", kZnacka, [](QPainter& p, const QSize&) {
    vystraznyKriz(p, QPointF(kS, 52), 124, 21);
    p.save();
    p.setClipRect(QRectF(0, 104, 150, 46));
    vystraznyKriz(p, QPointF(kS, 104), 124, 21);
    p.restore();
});

const KresbaRegistrace rPrejezdC("grafika/znacky/prejezd_cervena.png", QSize(200, 220),
                                 [](QPainter& p, const QSize&) {
                                     prejezdoveZarizeni(p, true, false);
                                 });
const KresbaRegistrace rPrejezdB("grafika/znacky/prejezd_bila.png", QSize(200, 220),
                                 [](QPainter& p, const QSize&) {
                                     prejezdoveZarizeni(p, false, true);
                                 });

// ---- priority signs (P)

const KresbaRegistrace rP1("grafika/znacky/P1.png", kZnacka, [](QPainter& p, const QSize&) {
    vystrazna(
        p,
        [](QPainter& q) {
            vypln(q, kCerna);
            q.drawRect(QRectF(-8, -42, 16, 84));
            q.drawRect(QRectF(-36, 3, 72, 6));
        },
        0.52, 2);
});
const KresbaRegistrace rP2("grafika/znacky/P2.png", kZnacka, [](QPainter& p, const QSize&) {
    hlavniSilnice(p, {kS, kS});
});
const KresbaRegistrace rP3("grafika/znacky/P3.png", kZnacka, [](QPainter& p, const QSize&) {
    hlavniSilnice(p, {kS, kS});
    p.save();
    p.setClipRegion(QRegion(kosoctverec({kS, kS}, 67).toPolygon()));
    p.setPen(QPen(kCerna, 2.6, Qt::SolidLine, Qt::FlatCap));
    const QPointF smer(1 / std::sqrt(2.0), -1 / std::sqrt(2.0));
    const QPointF kolmo(1 / std::sqrt(2.0), 1 / std::sqrt(2.0));
    for (int i = -2; i <= 2; ++i) {
        const QPointF s = QPointF(kS, kS) + kolmo * (i * 5.5);
        p.drawLine(s - smer * 80, s + smer * 80);
    }
    p.restore();
});
// P2 with the additional plate E2, the shape of the junction: the thick line is the main road.
const KresbaRegistrace
    rP2E2("grafika/znacky/P2_E2.png", QSize(150, 222), [](QPainter& p, const QSize&) {
        hlavniSilnice(p, {kS, kS});
        bilaTabule(p, QRectF(33, 152, 84, 66));
        // The main road comes from below and turns left.
        p.setPen(QPen(kCerna, 8, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPolyline(QPolygonF{{75, 214}, {75, 186}, {38, 186}});
        p.setPen(QPen(kCerna, 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(75, 186), QPointF(75, 156));
        p.drawLine(QPointF(75, 186), QPointF(112, 186));
    });
const KresbaRegistrace rP4("grafika/znacky/P4.png", kZnacka, [](QPainter& p, const QSize&) {
    dejPrednost(p, {kS, kS});
});
const KresbaRegistrace
    rP4vzd("grafika/znacky/P4_E3a.png", QSize(150, 196), [](QPainter& p, const QSize&) {
        dejPrednost(p, {kS, kS});
        bilaTabule(p, QRectF(30, 146, 90, 44));
        text(p, QRectF(30, 146, 90, 44), QStringLiteral("150 m"), 24, kCerna);
    });
const KresbaRegistrace rP6("grafika/znacky/P6.png", kZnacka, [](QPainter& p, const QSize&) {
    QPolygonF osm;
    QPolygonF vnitrni;
    for (int k = 0; k < 8; ++k) {
        const double a = (22.5 + 45.0 * k) * kPi / 180.0;
        osm << QPointF(kS + 70 * std::cos(a), kS + 70 * std::sin(a));
        vnitrni << QPointF(kS + 64 * std::cos(a), kS + 64 * std::sin(a));
    }
    mnohouhelnik(p, kCervena, osm);
    p.setPen(tah(kBila, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(vnitrni);
    text(p, QRectF(0, 0, 150, 150), QStringLiteral("STOP"), 40, kBila,
         QStringLiteral("DejaVu Sans Condensed"));
});
const KresbaRegistrace rP7("grafika/znacky/P7.png", kZnacka, [](QPainter& p, const QSize&) {
    zakazovyKruh(p);
    sipka(p, kCerna, 9, QPolygonF{{kS - 18, kS - 40}, {kS - 18, kS + 42}}, 20);
    sipka(p, kCervena, 9, QPolygonF{{kS + 18, kS + 40}, {kS + 18, kS - 42}}, 20);
});
const KresbaRegistrace rP8("grafika/znacky/P8.png", kZnacka, [](QPainter& p, const QSize&) {
    modryObdelnik(p, kCtverec);
    sipka(p, kCervena, 9, QPolygonF{{kS - 22, kS - 44}, {kS - 22, kS + 46}}, 20);
    sipka(p, kBila, 11, QPolygonF{{kS + 20, kS + 46}, {kS + 20, kS - 46}}, 24);
});

// ---- prohibition signs (B)

const KresbaRegistrace rB1("grafika/znacky/B1.png", kZnacka,
                           [](QPainter& p, const QSize&) { zakazovyKruh(p); });
const KresbaRegistrace rB2("grafika/znacky/B2.png", kZnacka, [](QPainter& p, const QSize&) {
    vypln(p, kCervena);
    p.drawEllipse(QPointF(kS, kS), 69, 69);
    vypln(p, kBila);
    p.drawRect(QRectF(kS - 50, kS - 11, 100, 22));
});
const KresbaRegistrace rB4("grafika/znacky/B4.png", kZnacka, [](QPainter& p, const QSize&) {
    zakazova(
        p, [](QPainter& q) { nakladniBokem(q, kCerna, kBila); }, 0.92);
});
const KresbaRegistrace rB8("grafika/znacky/B8.png", kZnacka, [](QPainter& p, const QSize&) {
    zakazova(
        p, [](QPainter& q) { kolo(q, kCerna); }, 0.9);
});
const KresbaRegistrace rB11("grafika/znacky/B11.png", kZnacka,
                            [](QPainter& p, const QSize&) { zakazVjezduMotorovych(p); });
const KresbaRegistrace
    rB11E13("grafika/znacky/B11_E13.png", QSize(150, 226), [](QPainter& p, const QSize&) {
        zakazVjezduMotorovych(p);
        dodatkova(p, QRectF(17, 150, 116, 72), QStringLiteral("MIMO\nDOPRAVNÍ\nOBSLUHY"), 17);
    });
const KresbaRegistrace rB13("grafika/znacky/B13.png", kZnacka, [](QPainter& p, const QSize&) {
    zakazovyKruh(p);
    text(p, QRectF(0, 0, 150, 150), QStringLiteral("6 t"), 44, kCerna);
});
const KresbaRegistrace rB15("grafika/znacky/B15.png", kZnacka, [](QPainter& p, const QSize&) {
    zakazovyKruh(p);
    text(p, QRectF(0, 0, 150, 150), QStringLiteral("3,5 m"), 32, kCerna,
         QStringLiteral("DejaVu Sans Condensed"));
    mnohouhelnik(p, kCerna, QPolygonF{{kS - 13, 26}, {kS + 13, 26}, {kS, 46}});
    mnohouhelnik(p, kCerna, QPolygonF{{kS - 13, 124}, {kS + 13, 124}, {kS, 104}});
});
// B17: the double arrow under the lorry spans its length, the limit is written below.
const KresbaRegistrace rB17("grafika/znacky/B17.png", kZnacka, [](QPainter& p, const QSize&) {
    zakazovyKruh(p);
    vloz(p, QPointF(kS, kS - 14), 0.75, [](QPainter& q) { nakladniBokem(q, kCerna, kBila); });
    p.setPen(QPen(kCerna, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(kS - 27, kS + 10), QPointF(kS + 27, kS + 10));
    hrot(p, QPointF(kS - 36, kS + 10), QPointF(-1, 0), 11, 12, kCerna);
    hrot(p, QPointF(kS + 36, kS + 10), QPointF(1, 0), 11, 12, kCerna);
    text(p, QRectF(kS - 40, kS + 17, 80, 30), QStringLiteral("10 m"), 26, kCerna);
});
// B18: no entry for vehicles carrying dangerous goods, a lorry bearing the orange plate with
// a black rim that such vehicles must show.
const KresbaRegistrace rB18("grafika/znacky/B18.png", kZnacka, [](QPainter& p, const QSize&) {
    zakazova(
        p,
        [](QPainter& q) {
            nakladniBokem(q, kCerna, kBila);
            vypln(q, kBila);
            q.drawRect(QRectF(-10, -31, 46, 30));
            q.setPen(QPen(kCerna, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            q.setBrush(kOranzova);
            q.drawRect(QRectF(-7, -28, 40, 24));
        },
        0.9);
});
const KresbaRegistrace rB20a("grafika/znacky/B20a_50.png", kZnacka, [](QPainter& p, const QSize&) {
    nejvyssiRychlost(p, QStringLiteral("50"));
});
const KresbaRegistrace rB20a70("grafika/znacky/B20a_70.png", kZnacka,
                               [](QPainter& p, const QSize&) {
                                   nejvyssiRychlost(p, QStringLiteral("70"));
                               });
const KresbaRegistrace
    rB20aE13("grafika/znacky/B20a_80_E13.png", QSize(150, 196), [](QPainter& p, const QSize&) {
        nejvyssiRychlost(p, QStringLiteral("80"));
        dodatkova(p, QRectF(15, 150, 120, 42), QStringLiteral("ZA MOKRA"), 20,
                  QStringLiteral("DejaVu Sans Condensed"));
    });
const KresbaRegistrace rB20b("grafika/znacky/B20b_50.png", kZnacka, [](QPainter& p, const QSize&) {
    koncovyKruh(p);
    text(p, QRectF(0, 0, 150, 150), QStringLiteral("50"), 58, kSeda);
    koncovePreskrtnuti(p);
});
const KresbaRegistrace rB21a("grafika/znacky/B21a.png", kZnacka, [](QPainter& p, const QSize&) {
    zakazovyKruh(p);
    vloz(p, QPointF(kS - 26, kS + 2), 0.7, [](QPainter& q) { osobniZezadu(q, kCervena, kBila); });
    vloz(p, QPointF(kS + 26, kS + 2), 0.7, [](QPainter& q) { osobniZezadu(q, kCerna, kBila); });
});
const KresbaRegistrace rB21b("grafika/znacky/B21b.png", kZnacka, [](QPainter& p, const QSize&) {
    koncovyKruh(p);
    vloz(p, QPointF(kS - 26, kS + 2), 0.7, [](QPainter& q) { osobniZezadu(q, kSeda, kBila); });
    vloz(p, QPointF(kS + 26, kS + 2), 0.7, [](QPainter& q) { osobniZezadu(q, kSeda, kBila); });
    koncovePreskrtnuti(p);
});
const KresbaRegistrace rB22a("grafika/znacky/B22a.png", kZnacka, [](QPainter& p, const QSize&) {
    zakazovyKruh(p);
    vloz(p, QPointF(kS - 25, kS + 1), 0.74,
         [](QPainter& q) { nakladniZezadu(q, kCervena, kBila); });
    vloz(p, QPointF(kS + 27, kS + 8), 0.66, [](QPainter& q) { osobniZezadu(q, kCerna, kBila); });
});
const KresbaRegistrace rB24b("grafika/znacky/B24b.png", kZnacka, [](QPainter& p, const QSize&) {
    zakazovyKruh(p);
    sipka(p, kCerna, 11, QPolygonF{{kS + 12, kS + 44}, {kS + 12, kS - 8}, {kS - 38, kS - 8}}, 22);
    cervenaPricka(p);
});
const KresbaRegistrace rB25("grafika/znacky/B25.png", kZnacka, [](QPainter& p, const QSize&) {
    zakazovyKruh(p);
    QPainterPath u;
    u.moveTo(kS + 18, kS + 44);
    u.lineTo(kS + 18, kS - 8);
    u.arcTo(QRectF(kS - 18, kS - 26, 36, 36), 0, 180);
    u.lineTo(kS - 18, kS + 10);
    p.setPen(QPen(kCerna, 10, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(u);
    hrot(p, QPointF(kS - 18, kS + 32), QPointF(0, 1), 22, 26, kCerna);
    cervenaPricka(p);
});
const KresbaRegistrace rB26("grafika/znacky/B26.png", kZnacka, [](QPainter& p, const QSize&) {
    koncovyKruh(p);
    koncovePreskrtnuti(p);
});
const KresbaRegistrace rB28("grafika/znacky/B28.png", kZnacka, [](QPainter& p, const QSize&) {
    zakazovyKruh(p, kModra);
    p.save();
    QPainterPath kruh;
    kruh.addEllipse(QPointF(kS, kS), 57, 57);
    p.setClipPath(kruh);
    p.setPen(QPen(kCervena, 11, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(kS - 50, kS - 50), QPointF(kS + 50, kS + 50));
    p.drawLine(QPointF(kS + 50, kS - 50), QPointF(kS - 50, kS + 50));
    p.restore();
});
const KresbaRegistrace rB29("grafika/znacky/B29.png", kZnacka,
                            [](QPainter& p, const QSize&) { zakazStani(p); });
const KresbaRegistrace
    rB29E9("grafika/znacky/B29_E9.png", QSize(150, 206), [](QPainter& p, const QSize&) {
        zakazStani(p);
        bilaTabule(p, QRectF(33, 150, 84, 52));
        vloz(p, QPointF(kS, 178), 0.62, [](QPainter& q) { nakladniBokem(q, kCerna, kBila); });
    });
const KresbaRegistrace
    rB29E13("grafika/znacky/B29_E13.png", QSize(150, 202), [](QPainter& p, const QSize&) {
        zakazStani(p);
        dodatkova(p, QRectF(25, 150, 100, 48), QStringLiteral("7–17 h"), 26);
    });
const KresbaRegistrace rB30("grafika/znacky/B30.png", kZnacka, [](QPainter& p, const QSize&) {
    zakazova(
        p, [](QPainter& q) { chodec(q, kCerna); }, 0.92);
});

// ---- mandatory signs (C)

const KresbaRegistrace rC1("grafika/znacky/C1.png", kZnacka, [](QPainter& p, const QSize&) {
    prikazova(
        p, [](QPainter& q) { kruhoveSipky(q, kBila, 30, 8); }, 1.0);
});
const KresbaRegistrace rC2b("grafika/znacky/C2b.png", kZnacka, [](QPainter& p, const QSize&) {
    modryKruh(p);
    sipka(p, kBila, 13, QPolygonF{{kS - 14, kS + 50}, {kS - 14, kS - 8}, {kS + 46, kS - 8}}, 26);
});
const KresbaRegistrace rC4a("grafika/znacky/C4a.png", kZnacka, [](QPainter& p, const QSize&) {
    modryKruh(p);
    sipka(p, kBila, 13, QPolygonF{{kS - 34, kS - 34}, {kS + 36, kS + 36}}, 28);
});
const KresbaRegistrace rC7a("grafika/znacky/C7a.png", kZnacka, [](QPainter& p, const QSize&) {
    prikazova(
        p, [](QPainter& q) { chodec(q, kBila); }, 0.95);
});
const KresbaRegistrace rC8a("grafika/znacky/C8a.png", kZnacka, [](QPainter& p, const QSize&) {
    prikazova(
        p, [](QPainter& q) { kolo(q, kBila, 6); }, 1.02);
});
const KresbaRegistrace rC9a("grafika/znacky/C9a.png", kZnacka, [](QPainter& p, const QSize&) {
    modryKruh(p);
    vloz(p, QPointF(kS, kS - 27), 0.5, [](QPainter& q) { chodec(q, kBila); });
    vloz(p, QPointF(kS, kS + 26), 0.62, [](QPainter& q) { kolo(q, kBila, 6); });
});
const KresbaRegistrace rC10a("grafika/znacky/C10a.png", kZnacka, [](QPainter& p, const QSize&) {
    modryKruh(p);
    p.fillRect(QRectF(kS - 2.5, 9, 5, 132), kBila);
    vloz(p, QPointF(kS - 32, kS), 0.58, [](QPainter& q) { chodec(q, kBila); });
    vloz(p, QPointF(kS + 32, kS), 0.5, [](QPainter& q) { kolo(q, kBila, 7); });
});

// ---- information signs (IP, IS)

const KresbaRegistrace rIP4b("grafika/znacky/IP4b.png", kZnacka, [](QPainter& p, const QSize&) {
    modryObdelnik(p, kCtverec);
    sipka(p, kBila, 24, QPolygonF{{kS, kS + 56}, {kS, kS - 56}}, 46);
});
const KresbaRegistrace rIP5("grafika/znacky/IP5.png", kZnacka, [](QPainter& p, const QSize&) {
    modryObdelnik(p, kCtverec);
    text(p, QRectF(0, 0, 150, 150), QStringLiteral("40"), 80, kBila);
});
const KresbaRegistrace rIP6("grafika/znacky/IP6.png", kZnacka, [](QPainter& p, const QSize&) {
    modryObdelnik(p, kCtverec);
    p.setPen(tah(kBila, 5));
    p.setBrush(kBila);
    p.drawPolygon(QPolygonF{{kS, 20}, {kS + 58, 124}, {kS - 58, 124}});
    vloz(p, QPointF(kS, 84), 0.55, [](QPainter& q) { chodec(q, kCerna); });
    for (int i = -2; i <= 2; ++i) {
        const double x = kS + i * 16.0;
        mnohouhelnik(p, kCerna, QPolygonF{{x - 9, 120}, {x + 2, 120}, {x + 6, 110}, {x - 5, 110}});
    }
});
const KresbaRegistrace rIP10a("grafika/znacky/IP10a.png", kZnacka, [](QPainter& p, const QSize&) {
    modryObdelnik(p, kCtverec);
    vypln(p, kBila);
    p.drawRect(QRectF(kS - 11, 50, 22, 80));
    vypln(p, kCervena);
    p.drawRect(QRectF(kS - 38, 26, 76, 24));
});
const KresbaRegistrace rIP11a("grafika/znacky/IP11a.png", kZnacka, [](QPainter& p, const QSize&) {
    modryObdelnik(p, kCtverec);
    text(p, QRectF(0, 0, 150, 150), QStringLiteral("P"), 104, kBila);
});
const KresbaRegistrace rIP12("grafika/znacky/IP12.png", kZnacka, [](QPainter& p, const QSize&) {
    modryObdelnik(p, QRectF(25, 4, 100, 142));
    text(p, QRectF(25, 4, 100, 70), QStringLiteral("P"), 66, kBila);
    vypln(p, kBila);
    p.drawRoundedRect(QRectF(36, 76, 78, 62), 4, 4);
    vloz(p, QPointF(kS - 2, 108), 0.58, [](QPainter& q) { invalida(q, kCerna); });
});

const KresbaRegistrace rIP13a("grafika/znacky/IP13a.png", kZnacka, [](QPainter& p, const QSize&) {
    modryObdelnik(p, QRectF(25, 4, 100, 142));
    text(p, QRectF(25, 4, 100, 70), QStringLiteral("P"), 66, kBila);
    vypln(p, kBila);
    p.drawRoundedRect(QRectF(36, 76, 78, 62), 4, 4);
    vloz(p, QPointF(kS, 107), 0.86, parkovaciKotouc);
});
const KresbaRegistrace rIP14a("grafika/znacky/IP14a.png", kZnacka, [](QPainter& p, const QSize&) {
    modryObdelnik(p, kCtverec);
    vloz(p, QPointF(kS, kS + 4), 1.12, [](QPainter& q) { dalnice(q, kBila); });
});
const KresbaRegistrace rIP15a("grafika/znacky/IP15a.png", kZnacka, [](QPainter& p, const QSize&) {
    modryObdelnik(p, kCtverec);
    vloz(p, QPointF(kS, kS + 6), 1.2, [](QPainter& q) { osobniBokem(q, kBila, kModra); });
});
const KresbaRegistrace rIP19("grafika/znacky/IP19.png", kZnacka, [](QPainter& p, const QSize&) {
    // Three lanes before a junction and the directions taken from each of them.
    modryObdelnik(p, kCtverec);
    for (double x : {53.0, 97.0})
        for (double y = 20; y < 132; y += 24)
            p.fillRect(QRectF(x - 2, y, 4, 13), kBila);
    sipka(p, kBila, 8, QPolygonF{{32, 130}, {32, 66}, {18, 44}}, 18);
    sipka(p, kBila, 8, QPolygonF{{75, 130}, {75, 24}}, 18);
    sipka(p, kBila, 8, QPolygonF{{112, 130}, {112, 24}}, 18);
    sipka(p, kBila, 8, QPolygonF{{112, 94}, {130, 72}}, 16);
});
const KresbaRegistrace rIP25a("grafika/znacky/IP25a.png", kZnacka, [](QPainter& p, const QSize&) {
    bilaTabule(p, QRectF(10, 5, 130, 140), 4);
    text(p, QRectF(10, 10, 130, 34), QStringLiteral("ZÓNA"), 28, kCerna);
    vypln(p, kCervena);
    p.drawEllipse(QPointF(kS, 92), 42, 42);
    vypln(p, kBila);
    p.drawEllipse(QPointF(kS, 92), 34, 34);
    text(p, QRectF(kS - 34, 58, 68, 68), QStringLiteral("30"), 36, kCerna);
});
const KresbaRegistrace rIS12a("grafika/znacky/IS12a.png", kZnacka, [](QPainter& p, const QSize&) {
    bilaTabule(p, QRectF(5, 40, 140, 70), 4);
    text(p, QRectF(5, 40, 140, 70), QStringLiteral("Lhota"), 36, kCerna);
});
const KresbaRegistrace rIS12b("grafika/znacky/IS12b.png", kZnacka, [](QPainter& p, const QSize&) {
    bilaTabule(p, QRectF(5, 40, 140, 70), 4);
    text(p, QRectF(5, 40, 140, 70), QStringLiteral("Lhota"), 36, kCerna);
    p.setPen(QPen(kCervena, 8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(12, 104), QPointF(138, 46));
});
const KresbaRegistrace rIP26a("grafika/znacky/IP26a.png", kZnacka, [](QPainter& p, const QSize&) {
    modryObdelnik(p, QRectF(5, 22, 140, 106));
    // a house, an adult, a child playing with a ball and a car
    mnohouhelnik(p, kBila, QPolygonF{{98, 58}, {117, 36}, {136, 58}, {136, 88}, {98, 88}});
    vypln(p, kModra);
    p.drawRect(QRectF(112, 70, 11, 18));
    vloz(p, QPointF(30, 74), 0.68, [](QPainter& q) { chodec(q, kBila); });
    vloz(p, QPointF(66, 88), 0.46, [](QPainter& q) { dite(q, kBila, false); });
    vypln(p, kBila);
    p.drawEllipse(QPointF(84, 100), 6, 6);
    vloz(p, QPointF(114, 109), 0.42, [](QPainter& q) { osobniBokem(q, kBila, kModra); });
});
const KresbaRegistrace rIP27a("grafika/znacky/IP27a.png", kZnacka, [](QPainter& p, const QSize&) {
    modryObdelnik(p, QRectF(5, 22, 140, 106));
    vloz(p, QPointF(62, 74), 0.78, [](QPainter& q) { chodec(q, kBila); });
    vloz(p, QPointF(98, 86), 0.5, [](QPainter& q) { dite(q, kBila, true); });
    cara(p, kBila, 4, QPolygonF{{76, 73}, {88, 78}});
});

// ---- road markings (V)

const KresbaRegistrace rV1a("grafika/znacky/V1a.png", kVodorovna, [](QPainter& p, const QSize&) {
    silnice(p);
    podelnaSouvisla(p, 120);
});
const KresbaRegistrace rV2a("grafika/znacky/V2a.png", kVodorovna, [](QPainter& p, const QSize&) {
    silnice(p);
    podelnaPrerusovana(p, 120);
});
const KresbaRegistrace rV3("grafika/znacky/V3.png", kVodorovna, [](QPainter& p, const QSize&) {
    silnice(p);
    podelnaSouvisla(p, 114);
    podelnaPrerusovana(p, 126);
    autoShora(p, QPointF(158, 176), QColor(215, 30, 30));
    sipka(p, kBila, 4, QPolygonF{{158, 140}, {158, 104}}, 12);
});
const KresbaRegistrace rV5("grafika/znacky/V5.png", kVodorovna, [](QPainter& p, const QSize&) {
    p.fillRect(QRectF(0, 0, 240, 240), kTrava);
    p.fillRect(QRectF(0, 20, 240, 90), kAsfalt);
    p.fillRect(QRectF(50, 110, 140, 130), kAsfalt);
    for (double x = -6; x < 240; x += 50)
        p.fillRect(QRectF(x, 62.5, 26, 5), kBila);
    podelnaSouvisla(p, 120, 124, 240);
    p.fillRect(QRectF(122, 118, 66, 9), kBila);
    autoShora(p, QPointF(156, 190), QColor(40, 100, 200));
});
const KresbaRegistrace rV7a("grafika/znacky/V7a.png", kVodorovna, [](QPainter& p, const QSize&) {
    silnice(p);
    podelnaPrerusovana(p, 120);
    p.fillRect(QRectF(50, 86, 140, 68), kAsfalt);
    for (double x = 54; x < 186; x += 22)
        p.fillRect(QRectF(x, 88, 13, 64), kBila);
});
const KresbaRegistrace rV12a("grafika/znacky/V12a.png", kVodorovna, [](QPainter& p, const QSize&) {
    silniceSObrubnikem(p);
    QPolygonF klikata;
    for (int i = 0; i <= 7; ++i)
        klikata << QPointF(i % 2 == 0 ? 176 : 148, 12 + i * 30.0);
    p.setPen(QPen(kZlutaCara, 5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(klikata);
});
const KresbaRegistrace rV9a("grafika/znacky/V9a.png", kVodorovna, [](QPainter& p, const QSize&) {
    // Two lanes before a junction: the left one for turning left, the right one straight on.
    p.fillRect(QRectF(0, 0, 240, 240), kTrava);
    p.fillRect(QRectF(0, 8, 240, 64), kAsfalt);
    p.fillRect(QRectF(40, 72, 160, 168), kAsfalt);
    for (double x = -6; x < 240; x += 50)
        p.fillRect(QRectF(x, 37.5, 26, 5), kBila);
    podelnaSouvisla(p, 120, 84, 240);
    for (double y = 90; y < 240; y += 40)
        p.fillRect(QRectF(157.5, y, 5, 22), kBila);
    sipka(p, kBila, 8, QPolygonF{{140, 228}, {140, 150}, {124, 124}}, 22);
    sipka(p, kBila, 8, QPolygonF{{180, 228}, {180, 116}}, 22);
});
const KresbaRegistrace rV12b("grafika/znacky/V12b.png", kVodorovna, [](QPainter& p, const QSize&) {
    silniceSObrubnikem(p);
    p.fillRect(QRectF(181, 0, 8, 240), kZlutaCara);
});
const KresbaRegistrace rV12c("grafika/znacky/V12c.png", kVodorovna, [](QPainter& p, const QSize&) {
    silniceSObrubnikem(p);
    for (double y = 0; y < 240; y += 36)
        p.fillRect(QRectF(181, y, 8, 22), kZlutaCara);
});
const KresbaRegistrace rV13("grafika/znacky/V13.png", kVodorovna, [](QPainter& p, const QSize&) {
    // An area between two lanes going apart, hatched with oblique parallel lines.
    silnice(p, 20, 220);
    podelnaPrerusovana(p, 80);
    podelnaPrerusovana(p, 160);
    const QPolygonF plocha{{120, 10}, {150, 70}, {150, 170}, {120, 230}, {90, 170}, {90, 70}};
    p.fillRect(QRectF(76, 0, 88, 240), kAsfalt);
    p.save();
    QPainterPath okraj;
    okraj.addPolygon(plocha);
    p.setClipPath(okraj);
    p.setPen(QPen(kBila, 5, Qt::SolidLine, Qt::FlatCap));
    for (double y = -60; y < 280; y += 16)
        p.drawLine(QPointF(80, y + 40), QPointF(160, y));
    p.restore();
    p.setPen(QPen(kBila, 4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(plocha);
    autoShora(p, QPointF(50, 200), QColor(40, 100, 200));
    autoShora(p, QPointF(190, 60), QColor(230, 230, 230));
});

const KresbaRegistrace rVyhrazenyPruh("grafika/znacky/vyhrazeny_pruh.png", kVodorovna,
                                      [](QPainter& p, const QSize&) {
                                          // Before a junction: a car in the left lane and on its
                                          // right a lane reserved for buses, set apart by a broken
                                          // line and marked BUS.
                                          p.fillRect(QRectF(0, 0, 240, 240), kTrava);
                                          p.fillRect(QRectF(0, 8, 240, 64), kAsfalt);
                                          p.fillRect(QRectF(30, 72, 180, 168), kAsfalt);
                                          for (double x = -6; x < 240; x += 50)
                                              p.fillRect(QRectF(x, 37.5, 26, 5), kBila);
                                          podelnaSouvisla(p, 118, 80, 240);
                                          for (double y = 84; y < 240; y += 30)
                                              p.fillRect(QRectF(160, y, 8, 18), kBila);
                                          text(p, QRectF(168, 150, 42, 30), QStringLiteral("BUS"),
                                               17, kBila, QStringLiteral("DejaVu Sans Condensed"));
                                          autoShora(p, QPointF(140, 190), QColor(215, 30, 30));
                                          vypln(p, kOranzova);
                                          p.drawEllipse(QPointF(152, 166), 3.5, 3);
                                      });

// ---- traffic lights (S)

const QSize kSemafor(130, 240);

const KresbaRegistrace rSc("grafika/znacky/semafor_cervena.png", kSemafor,
                           [](QPainter& p, const QSize&) { semafor(p, 30, true, false, false); });
const KresbaRegistrace rScz("grafika/znacky/semafor_cervena_zluta.png", kSemafor,
                            [](QPainter& p, const QSize&) { semafor(p, 30, true, true, false); });
const KresbaRegistrace rSzel("grafika/znacky/semafor_zelena.png", kSemafor,
                             [](QPainter& p, const QSize&) { semafor(p, 30, false, false, true); });
const KresbaRegistrace rSz("grafika/znacky/semafor_zluta.png", kSemafor,
                           [](QPainter& p, const QSize&) { semafor(p, 30, false, true, false); });
const KresbaRegistrace rSzp("grafika/znacky/semafor_zluta_prerusovana.png", kSemafor,
                            [](QPainter& p, const QSize&) {
                                semafor(p, 30, false, true, false, true);
                            });

const KresbaRegistrace rSchodec("grafika/znacky/semafor_zluty_chodec.png", QSize(190, 240),
                                [](QPainter& p, const QSize&) {
                                    // The green light and beside it the flashing yellow light in
                                    // the shape of a pedestrian for drivers turning across a
                                    // pedestrian crossing.
                                    semafor(p, 30, false, false, true);
                                    vypln(p, kSeda);
                                    p.drawRect(QRectF(98, 170, 12, 8));
                                    vypln(p, QColor(35, 35, 38));
                                    p.drawRoundedRect(QRectF(108, 143, 62, 62), 12, 12);
                                    svetlo(p, QPointF(139, 174), 24, QColor(15, 15, 15), false);
                                    vloz(p, QPointF(139, 178), 0.42,
                                         [](QPainter& q) { chodec(q, kSemaforZluta); });
                                    paprsky(p, QPointF(139, 174), 25, kSemaforZluta);
                                });

// ---- traffic devices (Z)

const KresbaRegistrace rZzabrana("grafika/znacky/Z_zabrana.png", QSize(200, 150),
                                 [](QPainter& p, const QSize&) { zabrana(p); });
const KresbaRegistrace rZdesky("grafika/znacky/Z_smerovaci_desky.png", QSize(200, 150),
                               [](QPainter& p, const QSize&) {
                                   vypln(p, QColor(90, 90, 90));
                                   p.drawRect(QRectF(0, 138, 200, 12));
                                   for (double x : {28.0, 85.0, 142.0})
                                       smerovaciDeska(p, QRectF(x, 14, 30, 104));
                               });
const KresbaRegistrace rZkuzel("grafika/znacky/Z_kuzel.png", QSize(200, 150),
                               [](QPainter& p, const QSize&) {
                                   p.fillRect(QRectF(0, 0, 200, 150), kAsfalt);
                                   p.fillRect(QRectF(0, 0, 200, 28), kTrava);
                                   for (double x = 0; x < 200; x += 56)
                                       p.fillRect(QRectF(x, 86, 30, 4), kBila);
                                   kuzel(p, QPointF(50, 80), 46);
                                   kuzel(p, QPointF(100, 104), 56);
                                   kuzel(p, QPointF(152, 132), 66);
                               });

} // namespace
