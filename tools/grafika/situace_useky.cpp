// Traffic situations on road sections and at places other than priority at junctions:
// pedestrians and cyclists, stops, obstacles, motorways, railway crossings, overtaking,
// turning round, reversing, stopping and parking. The conventions are those described
// at the top of situace.cpp: red is the learner's vehicle, coming from below.
#include "situace_kresby.h"

#include <QFont>
#include <QPolygonF>

namespace {

using grafika::KresbaRegistrace;
using namespace situace;

const QColor kStribrna(188, 192, 198);
const QColor kSeda(96, 100, 108);
const QColor kBila(236, 236, 230);
const QColor kStrecha(160, 120, 95);

// ---------------------------------------------------------------- road sections

// Roofs of houses seen from above in the strip between x0 and x1.
void domy(QPainter& p, double x0, double x1) {
    for (double y = 8; y < kStrana; y += 74) {
        const QRectF r(x0, y, x1 - x0, 58);
        p.setPen(QPen(kStrecha.darker(140), 1.0));
        p.setBrush(kStrecha);
        p.drawRect(r);
        p.setPen(QPen(kStrecha.darker(125), 1.2));
        p.drawLine(QPointF(r.center().x(), r.top() + 4), QPointF(r.center().x(), r.bottom() - 4));
    }
}

// A street in a village running up the picture: the road x 100-180, pavements on both
// sides and houses beyond them.
void ulice(QPainter& p, bool cara = true) {
    trava(p);
    domy(p, 8, 62);
    domy(p, 218, 272);
    chodnikSvisly(p, kStred - kPul, 26, -1);
    chodnikSvisly(p, kStred + kPul, 26, 1);
    silniceSvisla(p, kStred, kPul, cara);
}

// A road outside villages running up the picture, `pul` half wide, with edge lines.
void silnice(QPainter& p, bool cara = true, double pul = kPul) {
    trava(p);
    silniceSvisla(p, kStred, pul, cara);
    for (double x : {kStred - pul + 3, kStred + pul - 3})
        vodiciCara(p, QPointF(x, 0), QPointF(x, kStrana));
}

// A vehicle heading up with a short arrow in front of it: its direction of travel.
void jede(QPainter& p, Druh d, QColor barva, QPointF stred, double smer = kNahoru) {
    vozidlo(p, d, barva, stred, smer);
    vBode(p, stred, smer, [&] {
        const double celo = -delka(d) / 2;
        sipka(p, QPointF(0, celo - 4), QPointF(0, celo - 22), barvaSipky(d, barva));
    });
}

// The red brake lights of a standing vehicle heading up.
void brzdovaSvetla(QPainter& p, Druh d, QPointF stred) {
    const double y = stred.y() + delka(d) / 2 - 1.5;
    const double x = sirka(d) / 2 - 3.5;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 40, 30));
    for (double s : {-1.0, 1.0})
        p.drawRoundedRect(QRectF(stred.x() + s * x - 2.5, y - 1.5, 5, 3), 1, 1);
}

// ---------------------------------------------------------------- motorway

constexpr double kLevy = 83;   // centre of the left lane
constexpr double kPravy = 125; // centre of the right lane
constexpr double kOdstavny = 162;

// The acceleration lane x 146-184 joining the carriageway from below and ending in a
// taper, with the barrier along its outer edge.
void pripojovaciPruh(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kSilnice);
    p.drawPolygon(QPolygonF{QPointF(56, 0), QPointF(148, 0), QPointF(148, 40), QPointF(186, 110),
                            QPointF(186, kStrana), QPointF(56, kStrana)});
    QPen siroka(Qt::white, 4.0, Qt::CustomDashLine, Qt::FlatCap);
    siroka.setDashPattern({1.5, 1.5});
    p.setPen(siroka);
    p.drawLine(QPointF(146, 44), QPointF(146, kStrana));
    souvislaCara(p, QPointF(146, 0), QPointF(146, 44), 2.5);
    souvislaCara(p, QPointF(148, 40), QPointF(183, 106), 2.0);
    souvislaCara(p, QPointF(183, 106), QPointF(183, kStrana), 2.0);
    svodidla(p, QPointF(160, 0), QPointF(160, 40));
    svodidla(p, QPointF(160, 40), QPointF(196, 106));
    svodidla(p, QPointF(196, 106), QPointF(196, kStrana));
}

// One carriageway of a motorway going up: two lanes x 62-146 and the hard shoulder
// x 146-178 (or the acceleration lane) with barriers on both sides, the other
// carriageway at the left edge.
void dalnice(QPainter& p, bool pripojovaci = false) {
    trava(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kSilnice);
    p.drawRect(QRectF(0, 0, 38, kStrana)); // the other carriageway
    stredovaCara(p, QPointF(19, 0), QPointF(19, kStrana));
    svodidla(p, QPointF(47, 0), QPointF(47, kStrana));
    if (pripojovaci) {
        pripojovaciPruh(p);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(kSilnice);
        p.drawRect(QRectF(56, 0, 124, kStrana));
        souvislaCara(p, QPointF(146, 0), QPointF(146, kStrana), 2.5);
        svodidla(p, QPointF(190, 0), QPointF(190, kStrana));
    }
    souvislaCara(p, QPointF(61, 0), QPointF(61, kStrana), 2.5);
    QPen pruhy(Qt::white, 2.5, Qt::CustomDashLine, Qt::FlatCap);
    pruhy.setDashPattern({4.0, 4.0});
    p.setPen(pruhy);
    p.drawLine(QPointF(104, 0), QPointF(104, kStrana));
}

// A white arrow painted on the road, pointing up.
void sipkaNaVozovce(QPainter& p, QPointF spicka) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(spicka.x() - 1.5, spicka.y() + 8, 3, 16));
    p.drawPolygon(QPolygonF{spicka, spicka + QPointF(5, 9), spicka + QPointF(-5, 9)});
}

// ---------------------------------------------------------------- the situations

// s23: red turning right, a pedestrian on the crossing of the road it turns into.
void s23(QPainter& p) {
    krizovatka(p, bit(Jih) | bit(Sever) | bit(Vychod));
    chodnikVodorovny(p, kStred - kPul, 20, -1, kStred + kPul + 12);
    chodnikVodorovny(p, kStred + kPul, 20, 1, kStred + kPul + 12);
    prechod(p, QRectF(206, kStred - kPul, 24, 2 * kPul), false);
    const QPointF cervena(kStred + kPruh, kStred + kPul + 24);
    vozidlo(p, Druh::Osobni, kCervena, cervena, kNahoru);
    blinkry(p, Druh::Osobni, cervena, kNahoru, Blinkr::Vpravo);
    QPainterPath cesta(cervena + QPointF(0, -22));
    cesta.lineTo(kStred + kPruh, kStred + 40);
    cesta.quadTo(QPointF(kStred + kPruh, kStred + 26), QPointF(kStred + 40, kStred + 26));
    cesta.lineTo(196, kStred + 26);
    sipka(p, cesta, kCervena);
    Postava f;
    f.vpravo = false;
    chodec(p, QPointF(218, kStred + 32), f);
    sipka(p, QPointF(236, kStred + 30), QPointF(236, kStred + 4), kFialova);
}

// A bus stop in a bay on the right of the street, with the yellow zigzag marking.
void zastavka(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kSilnice); // the bay
    p.drawPolygon(
        QPolygonF{QPointF(179, 16), QPointF(206, 52), QPointF(206, 156), QPointF(179, 192)});
    p.setPen(QPen(kObrubnik, 2.5));
    p.drawPolyline(QPolygonF{QPointF(181, 0), QPointF(181, 16), QPointF(207, 52)});
    p.drawPolyline(QPolygonF{QPointF(207, 156), QPointF(181, 192), QPointF(181, kStrana)});
    p.setPen(Qt::NoPen);
    p.setBrush(kChodnik);
    p.drawPolygon(
        QPolygonF{QPointF(182.5, 0), QPointF(206, 0), QPointF(206, 50), QPointF(182.5, 18)});
    p.drawPolygon(QPolygonF{QPointF(182.5, kStrana), QPointF(206, kStrana), QPointF(206, 158),
                            QPointF(182.5, 190)});
    vodiciCara(p, QPointF(180, 20), QPointF(180, 188));
    QPainterPath cikcak(QPointF(202, 58));
    bool vlevo = true;
    for (double y = 64; y <= 150; y += 6, vlevo = !vlevo)
        cikcak.lineTo(vlevo ? 195 : 202, y);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(250, 210, 0), 2.0));
    p.drawPath(cikcak);
}

// s24: a bus in the bay of a stop in a village signals to move off; red comes behind.
void s24(QPainter& p) {
    trava(p);
    domy(p, 8, 62);
    domy(p, 236, 272);
    chodnikSvisly(p, kStred - kPul, 26, -1);
    chodnikSvisly(p, 206, 26, 1);
    silniceSvisla(p, kStred, kPul);
    zastavka(p);
    const QPointF bus(191, 108);
    vozidlo(p, Druh::Autobus, kOranzova, bus, kNahoru);
    blinkry(p, Druh::Autobus, bus, kNahoru, Blinkr::Vlevo);
    QPainterPath cesta(bus + QPointF(0, -37));
    cesta.cubicTo(QPointF(191, 50), QPointF(162, 42), QPointF(161, 14));
    sipka(p, cesta, kOranzova);
    jede(p, Druh::Osobni, kCervena, QPointF(kStred + kPruh, 236));
}

// Road works closing the right lane between y0 and y1: barrier boards across the lane,
// cones along its edge and a heap of dug-out soil.
void uzavirka(QPainter& p, double y0, double y1) {
    for (double y : {y0, y1 - 7}) {
        p.setPen(QPen(Qt::black, 0.8));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(kStred + 3, y, 34, 7));
        p.setPen(Qt::NoPen);
        p.setBrush(kCervenaZnacka);
        for (double x = kStred + 3; x < kStred + 36; x += 10)
            p.drawRect(QRectF(x, y, 5, 7));
    }
    p.setPen(QPen(QColor(150, 60, 0), 0.8));
    p.setBrush(QColor(255, 120, 0));
    for (double y = y0 + 12; y < y1 - 7; y += 12)
        p.drawEllipse(QPointF(kStred + 5, y), 3.2, 3.2);
    p.setBrush(QColor(190, 160, 110));
    p.drawEllipse(QPointF(kStred + 24, (y0 + y1) / 2), 11, 13);
}

// s25: road works close red's lane, but the sign gives red priority over oncoming
// vehicles in the narrow place: red first, blue waits.
void s25(QPainter& p) {
    silnice(p);
    uzavirka(p, 112, 167);
    znacka(p, Znacka::P8, QPointF(kStred + kPul + 24, 206));
    const QPointF cervena(kStred + kPruh, 248);
    vozidlo(p, Druh::Osobni, kCervena, cervena, kNahoru);
    QPainterPath cesta(QPointF(kStred + kPruh, 226));
    cesta.cubicTo(QPointF(kStred + kPruh, 196), QPointF(kStred - kPruh, 204),
                  QPointF(kStred - kPruh, 176));
    cesta.lineTo(kStred - kPruh, 104);
    cesta.cubicTo(QPointF(kStred - kPruh, 84), QPointF(kStred + kPruh, 92),
                  QPointF(kStred + kPruh, 66));
    sipka(p, cesta, kCervena);
    const QPointF modra(kStred - kPruh, 24);
    vozidlo(p, Druh::Osobni, kModra, modra, kDolu);
    sipka(p, QPointF(kStred - kPruh, 46), QPointF(kStred - kPruh, 66), kModra);
}

// s26: a pedestrian stands at the kerb of a zebra crossing, about to cross.
void s26(QPainter& p) {
    ulice(p);
    prechod(p, QRectF(kStred - kPul, 86, 2 * kPul, 26), true);
    Postava f;
    f.vpravo = false;
    chodec(p, QPointF(194, 104), f);
    jede(p, Druh::Osobni, kCervena, QPointF(kStred + kPruh, 226));
}

// s27: a ball rolls out between cars parked at the right kerb.
void s27(QPainter& p) {
    trava(p);
    domy(p, 8, 62);
    domy(p, 236, 272);
    chodnikSvisly(p, kStred - kPul, 26, -1);
    chodnikSvisly(p, 206, 26, 1);
    silniceSvisla(p, kStred, kPul);
    p.setPen(Qt::NoPen);
    p.setBrush(kSilnice);
    p.drawRect(QRectF(180, 0, 26, kStrana)); // the parking strip
    vodiciCara(p, QPointF(180, 0), QPointF(180, kStrana));
    vozidlo(p, Druh::Osobni, kStribrna, QPointF(193, 52), kNahoru);
    vozidlo(p, Druh::Nakladni, kBila, QPointF(193, 114), kNahoru);
    vozidlo(p, Druh::Osobni, kSeda, QPointF(193, 178), kNahoru);
    mic(p, QPointF(170, 150));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (double dy : {-3.0, 0.0, 3.0}) // the ball is rolling out
        p.drawLine(QPointF(179, 150 + dy), QPointF(187, 150 + dy * 1.4));
    jede(p, Druh::Osobni, kCervena, QPointF(kStred + kPruh, 240));
}

// s28: red has broken down and stands on the hard shoulder of the motorway.
void s28(QPainter& p) {
    dalnice(p);
    const QPointF cervena(kOdstavny, 150);
    vozidlo(p, Druh::Osobni, kCervena, cervena, kNahoru);
    blinkry(p, Druh::Osobni, cervena, kNahoru, Blinkr::Vystrazna);
    // the traffic passing by is not named by the question: neutral colours
    jede(p, Druh::Osobni, kStribrna, QPointF(kPravy, 236));
    jede(p, Druh::Nakladni, QColor(230, 230, 226), QPointF(kLevy, 96));
}

// s30: red backs out of a parking place across the street; blue comes along the street.
void s30(QPainter& p) {
    trava(p);
    chodnikVodorovny(p, 80, 22, -1);
    p.setPen(Qt::NoPen);
    p.setBrush(kSilnice);
    p.drawRect(QRectF(0, 80, kStrana, 94)); // the parking places
    p.drawRect(QRectF(0, 176, kStrana, 80));
    chodnikVodorovny(p, 256, 24, 1);
    stredovaCara(p, QPointF(0, 216), QPointF(kStrana, 216));
    p.setPen(QPen(Qt::white, 1.6));
    p.drawLine(QPointF(0, 174), QPointF(kStrana, 174));
    for (double x = 10; x < kStrana; x += 30)
        p.drawLine(QPointF(x, 126), QPointF(x, 174));
    vozidlo(p, Druh::Osobni, kStribrna, QPointF(85, 152), kNahoru);
    vozidlo(p, Druh::Osobni, kSeda, QPointF(175, 152), kNahoru);
    vozidlo(p, Druh::Osobni, kBila, QPointF(205, 152), kNahoru);
    const QPointF cervena(145, 152);
    vozidlo(p, Druh::Osobni, kCervena, cervena, kNahoru);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white); // reversing lights
    for (double s : {-1.0, 1.0})
        p.drawEllipse(cervena + QPointF(s * 6, 17), 2.2, 1.6);
    QPainterPath cesta(cervena + QPointF(0, 24));
    cesta.quadTo(QPointF(cervena.x(), 232), QPointF(100, 234));
    sipka(p, cesta, kCervena);
    jede(p, Druh::Osobni, kModra, QPointF(246, 196), kVlevo);
}

// s31: the traffic stops in both lanes of the motorway; red is in the left lane.
void s31(QPainter& p) {
    dalnice(p);
    // only neutral colours in the queue, so that red stands out
    const QColor barvy[] = {kStribrna, kSeda, kBila, QColor(150, 150, 150), kStribrna, kSeda};
    int i = 0;
    for (double y : {26.0, 74.0, 122.0, 170.0}) {
        const QPointF levy(kLevy, y), pravy(kPravy, y + 14);
        vozidlo(p, Druh::Osobni, barvy[i++ % 6], levy, kNahoru);
        brzdovaSvetla(p, Druh::Osobni, levy);
        if (y == 74.0) {
            vozidlo(p, Druh::Nakladni, kBila, pravy + QPointF(0, 12), kNahoru);
            brzdovaSvetla(p, Druh::Nakladni, pravy + QPointF(0, 12));
            continue;
        }
        if (y > 74.0 && y < 130.0)
            continue;
        vozidlo(p, Druh::Osobni, barvy[i++ % 6], pravy, kNahoru);
        brzdovaSvetla(p, Druh::Osobni, pravy);
    }
    const QPointF cervena(kLevy, 222);
    vozidlo(p, Druh::Osobni, kCervena, cervena, kNahoru);
    brzdovaSvetla(p, Druh::Osobni, cervena);
    vozidlo(p, Druh::Osobni, kStribrna, QPointF(kPravy, 236), kNahoru);
}

// s32: a car with hazard lights stands at the edge of the road outside a village, a
// person in a high-visibility vest beside it.
void s32(QPainter& p) {
    silnice(p);
    const QPointF auto_(kStred + kPul - 6, 104);
    vozidlo(p, Druh::Osobni, kStribrna, auto_, kNahoru);
    blinkry(p, Druh::Osobni, auto_, kNahoru, Blinkr::Vystrazna);
    Postava f;
    f.vesta = true;
    f.vpravo = false;
    chodec(p, QPointF(kStred + 12, 118), f);
    // the warning triangle behind the car
    p.setPen(QPen(kCervenaZnacka, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF{QPointF(kStred + kPul - 6, 168), QPointF(kStred + kPul, 178),
                            QPointF(kStred + kPul - 12, 178)});
    jede(p, Druh::Osobni, kCervena, QPointF(kStred + kPruh, 246));
}

// s33: a lorry on the acceleration lane wants to join the motorway in front of red.
void s33(QPainter& p) {
    dalnice(p, true);
    const QPointF nakl(166, 150);
    vozidlo(p, Druh::Nakladni, kBila, nakl, kNahoru);
    blinkry(p, Druh::Nakladni, nakl, kNahoru, Blinkr::Vlevo);
    QPainterPath cesta(nakl + QPointF(0, -33));
    cesta.cubicTo(QPointF(166, 90), QPointF(kPravy, 92), QPointF(kPravy, 60));
    sipka(p, cesta, kTmava);
    jede(p, Druh::Osobni, kCervena, QPointF(kPravy, 214));
}

// s34: a narrow road without a centre line; a lorry comes the other way.
void s34(QPainter& p) {
    trava(p);
    silniceSvisla(p, kStred, 30, false);
    jede(p, Druh::Osobni, kCervena, QPointF(kStred + 12, 226));
    jede(p, Druh::Nakladni, kBila, QPointF(kStred - 10, 60), kDolu);
}

// The railway across the picture at height y, the road crossing it on a level with
// the rails running over the asphalt.
void prejezd(QPainter& p, double y) {
    zeleznice(p, QPointF(0, y), QPointF(kStrana, y));
    p.setPen(Qt::NoPen);
    p.setBrush(kSilnice);
    p.drawRect(QRectF(kStred - kPul, 0, 2 * kPul, y - 15));
    p.drawRect(QRectF(kStred - kPul, y + 15, 2 * kPul, kStrana - y - 15));
    p.setBrush(QColor(95, 96, 100));
    p.drawRect(QRectF(kStred - kPul, y - 15, 2 * kPul, 30));
    p.setPen(QPen(QColor(45, 45, 50), 2.0));
    for (double k : {-6.5, 6.5})
        p.drawLine(QPointF(kStred - kPul, y + k), QPointF(kStred + kPul, y + k));
    stredovaCara(p, QPointF(kStred, 0), QPointF(kStred, y - 18));
    stredovaCara(p, QPointF(kStred, y + 18), QPointF(kStred, kStrana));
}

// s35: red has stalled on the railway crossing; the lights flash and a train comes.
void s35(QPainter& p) {
    trava(p);
    prejezd(p, 112);
    const QPointF cervena(kStred + kPruh, 112);
    vozidlo(p, Druh::Osobni, kCervena, cervena, kNahoru);
    blinkry(p, Druh::Osobni, cervena, kNahoru, Blinkr::Vystrazna);
    znacka(p, Znacka::A32, QPointF(kStred + kPul + 28, 164));
    prejezdoveSvetlo(p, QPointF(kStred + kPul + 28, 196), true);
    vozidlo(p, Druh::Vlak, QColor(), QPointF(300, 112), kVlevo);
    sipka(p, QPointF(222, 112), QPointF(196, 112), kTmava);
}

// s36: a police car with blue lights and siren comes up behind red.
void s36(QPainter& p) {
    silnice(p);
    jede(p, Druh::Osobni, kCervena, QPointF(kStred + kPruh, 140));
    jede(p, Druh::Policie, QColor(), QPointF(kStred + kPruh, 244));
}

// s38: a pedestrian with a white stick at the kerb, away from any crossing.
void s38(QPainter& p) {
    ulice(p);
    Postava f;
    f.vpravo = false;
    f.hul = true;
    f.obleceni = QColor(90, 90, 100);
    chodec(p, QPointF(198, 112), f);
    jede(p, Druh::Osobni, kCervena, QPointF(kStred + kPruh, 226));
}

// s39: red follows a moving lorry that hides the road ahead; a car (not named by the
// question, so in a neutral colour) comes the other way.
void s39(QPainter& p) {
    silnice(p);
    jede(p, Druh::Osobni, kStribrna, QPointF(kStred - kPruh, 34), kDolu);
    jede(p, Druh::Nakladni, kBila, QPointF(kStred + kPruh, 128));
    jede(p, Druh::Osobni, kCervena, QPointF(kStred + kPruh, 206));
}

// s40: the right lane ends in dense traffic; green from the ending lane merges in
// front of red, which drives in the lane that goes on.
void s40(QPainter& p) {
    trava(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kSilnice);
    p.drawRect(QRectF(kStred - kPul, 0, kPul + 2, kStrana));
    p.drawPolygon(QPolygonF{QPointF(kStred, 60), QPointF(kStred + kPul, 140),
                            QPointF(kStred + kPul, kStrana), QPointF(kStred, kStrana)});
    souvislaCara(p, QPointF(kStred - kPul + 3, 0), QPointF(kStred - kPul + 3, kStrana));
    souvislaCara(p, QPointF(kStred + 1, 0), QPointF(kStred + 1, 58));
    souvislaCara(p, QPointF(kStred + 1, 60), QPointF(kStred + kPul - 1, 140));
    souvislaCara(p, QPointF(kStred + kPul - 1, 140), QPointF(kStred + kPul - 1, kStrana));
    QPen pruhy(Qt::white, 2.0, Qt::CustomDashLine, Qt::FlatCap);
    pruhy.setDashPattern({5.0, 4.0});
    p.setPen(pruhy);
    p.drawLine(QPointF(kStred, 70), QPointF(kStred, kStrana));
    const double l = kStred - kPruh;
    const double r = kStred + kPruh;
    vozidlo(p, Druh::Osobni, kModra, QPointF(l, 60), kNahoru);
    vozidlo(p, Druh::Osobni, kCervena, QPointF(l, 160), kNahoru);
    vozidlo(p, Druh::Osobni, kStribrna, QPointF(l, 218), kNahoru);
    const QPointF zelena(r, 124);
    vozidlo(p, Druh::Osobni, kZelena, zelena, kNahoru);
    blinkry(p, Druh::Osobni, zelena, kNahoru, Blinkr::Vlevo);
    vozidlo(p, Druh::Osobni, kZluta, QPointF(r, 192), kNahoru);
    QPainterPath cesta(zelena + QPointF(0, -22));
    cesta.cubicTo(QPointF(r, 90), QPointF(l, 104), QPointF(l, 84));
    sipka(p, cesta, kZelena);
}

// s42: red comes to the end of a standing queue.
void s42(QPainter& p) {
    silnice(p);
    for (double y : {24.0, 72.0}) {
        vozidlo(p, Druh::Osobni, kStribrna, QPointF(kStred + kPruh, y), kNahoru);
        brzdovaSvetla(p, Druh::Osobni, QPointF(kStred + kPruh, y));
    }
    const QPointF modra(kStred + kPruh, 120);
    vozidlo(p, Druh::Osobni, kModra, modra, kNahoru);
    brzdovaSvetla(p, Druh::Osobni, modra);
    jede(p, Druh::Osobni, kCervena, QPointF(kStred + kPruh, 232));
}

// s43: the cyclist in front of red holds out the left arm before a side road on the left.
void s43(QPainter& p) {
    trava(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kSilnice);
    p.drawRect(QRectF(0, 44, kStred, 72));
    stredovaCara(p, QPointF(0, 80), QPointF(kStred - kPul, 80));
    silniceSvisla(p, kStred, kPul);
    const QPointF kolo(kStred + 30, 166);
    vozidlo(p, Druh::Kolo, kFialova, kolo, kNahoru);
    p.setPen(QPen(QColor(225, 180, 140), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(kolo + QPointF(-6, 2), kolo + QPointF(-17, 1)); // the left arm held out
    QPainterPath cesta(kolo + QPointF(0, -20));
    cesta.lineTo(kolo.x(), 120);
    cesta.quadTo(QPointF(kolo.x(), 96), QPointF(kStred - 10, 96));
    cesta.lineTo(40, 96);
    sipka(p, cesta, kFialova);
    jede(p, Druh::Osobni, kCervena, QPointF(kStred + kPruh, 240));
}

// s44: a tractor with a trailer comes to a railway crossing without barriers or lights.
void s44(QPainter& p) {
    trava(p);
    prejezd(p, 86);
    znacka(p, Znacka::A32, QPointF(kStred + kPul + 28, 136));
    jede(p, Druh::Traktor, kCervena, QPointF(kStred + kPruh, 214));
}

// A number in a white disc that marks a place in the picture (digits 11 px high).
void cislo(QPainter& p, QPointF stred, int n) {
    p.setPen(QPen(kTmava, 1.4));
    p.setBrush(Qt::white);
    p.drawEllipse(stred, 10, 10);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(15);
    p.setFont(f);
    p.drawText(QRectF(stred.x() - 10, stred.y() - 10, 20, 20), Qt::AlignCenter, QString::number(n));
}

// s45: three places at the right kerb where red might stop: just before a zebra
// crossing (1), just after it (2) and just before a side street (3).
void s45(QPainter& p) {
    ulice(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kSilnice); // the side street to the right, at the top
    p.drawRect(QRectF(kStred + kPul - 2, -10, kStrana, 54));
    stredovaCara(p, QPointF(kStred + kPul, 17), QPointF(kStrana, 17));
    prechod(p, QRectF(kStred - kPul, 146, 2 * kPul, 24), true);
    const double x = kStred + kPruh + 6;
    const double mista[3] = {194, 122, 66}; // centres of the places 1, 2 and 3
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(kCervena, 1.8, Qt::DashLine));
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawRoundedRect(QRectF(x - 9.5, mista[i] - 18, 19, 36), 5, 5);
        cislo(p, QPointF(kStred + kPul + 13, mista[i]), i + 1);
    }
    jede(p, Druh::Osobni, kCervena, QPointF(kStred + kPruh, 250));
}

// s46: blue has stopped before a zebra crossing in the left lane; red comes in the
// right lane; a pedestrian steps out in front of blue.
void s46(QPainter& p) {
    trava(p);
    domy(p, 8, 62);
    domy(p, 218, 272);
    chodnikSvisly(p, kStred - kPul, 26, -1);
    chodnikSvisly(p, kStred + kPul, 26, 1);
    silniceSvisla(p, kStred, kPul, false);
    QPen pruhy(Qt::white, 2.0, Qt::CustomDashLine, Qt::FlatCap);
    pruhy.setDashPattern({5.0, 4.0});
    p.setPen(pruhy);
    p.drawLine(QPointF(kStred, 0), QPointF(kStred, kStrana));
    prechod(p, QRectF(kStred - kPul, 74, 2 * kPul, 26), true);
    for (double x : {kStred - kPruh, kStred + kPruh})
        sipkaNaVozovce(p, QPointF(x, 146));
    vozidlo(p, Druh::Osobni, kModra, QPointF(kStred - kPruh, 126), kNahoru);
    Postava f;
    chodec(p, QPointF(kStred - kPruh + 2, 94), f);
    sipka(p, QPointF(kStred - 8, 80), QPointF(kStred + 14, 80), kFialova);
    jede(p, Druh::Osobni, kCervena, QPointF(kStred + kPruh, 232));
}

// s48: red lorry turning right (its arrow; the indicators would hide the cyclist); a
// cyclist beside it at the kerb goes straight on.
void s48(QPainter& p) {
    krizovatka(p, kVse);
    const QPointF nakl(kStred + 11, kStred + kPul + 6 + 29);
    vozidlo(p, Druh::Nakladni, kCervena, nakl, kNahoru);
    QPainterPath cesta(nakl + QPointF(0, -33));
    cesta.quadTo(QPointF(nakl.x(), kStred + 26), QPointF(kStred + kPul + 8, kStred + 26));
    cesta.lineTo(kStrana - 16, kStred + 26);
    sipka(p, cesta, kCervena);
    const QPointF kolo(kStred + 31, kStred + kPul + 30);
    vozidlo(p, Druh::Kolo, kFialova, kolo, kNahoru);
    sipka(p, kolo + QPointF(0, -19), QPointF(kolo.x(), 64), kFialova);
}

// s49: red would like to turn round across a solid centre line.
void s49(QPainter& p) {
    trava(p);
    silniceSvisla(p, kStred, kPul, false);
    souvislaCara(p, QPointF(kStred, 0), QPointF(kStred, kStrana), 2.5);
    for (double x : {kStred - kPul + 3, kStred + kPul - 3})
        vodiciCara(p, QPointF(x, 0), QPointF(x, kStrana));
    const QPointF cervena(kStred + kPruh, 214);
    vozidlo(p, Druh::Osobni, kCervena, cervena, kNahoru);
    blinkry(p, Druh::Osobni, cervena, kNahoru, Blinkr::Vlevo);
    QPainterPath cesta(cervena + QPointF(0, -22));
    cesta.lineTo(cervena.x(), 120);
    cesta.cubicTo(QPointF(cervena.x(), 70), QPointF(kStred - kPruh, 70),
                  QPointF(kStred - kPruh, 120));
    cesta.lineTo(kStred - kPruh, 176);
    sipka(p, cesta, kCervena);
}

// The forecourt of a filling station below y = 202, with the canopy over the pumps.
void cerpaciStanice(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(176, 176, 172));
    p.drawRect(QRectF(0, 202, kStrana, kStrana - 202));
    p.setPen(QPen(QColor(150, 40, 40), 1.0));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(20, 222, 110, 44));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(20, 222, 110, 5));
    p.setBrush(QColor(70, 90, 110));
    for (double x : {44.0, 96.0})
        p.drawRoundedRect(QRectF(x, 236, 12, 22), 2, 2);
}

// s50: red leaves a filling station across the pavement onto the road: a pedestrian on
// the pavement and blue on the road.
void s50(QPainter& p) {
    trava(p);
    cerpaciStanice(p);
    chodnikVodorovny(p, kStred - kPul, 22, -1);
    chodnikVodorovny(p, kStred + kPul, 22, 1);
    p.setBrush(kSilnice);
    p.drawRect(QRectF(0, kStred - kPul, kStrana, 2 * kPul));
    stredovaCara(p, QPointF(0, kStred), QPointF(kStrana, kStred));
    const QPointF cervena(188, 246);
    vozidlo(p, Druh::Osobni, kCervena, cervena, kNahoru);
    blinkry(p, Druh::Osobni, cervena, kNahoru, Blinkr::Vpravo);
    QPainterPath cesta(cervena + QPointF(0, -22));
    cesta.lineTo(cervena.x(), 186);
    cesta.quadTo(QPointF(cervena.x(), kStred + kPruh), QPointF(212, kStred + kPruh));
    cesta.lineTo(262, kStred + kPruh);
    sipka(p, cesta, kCervena);
    jede(p, Druh::Osobni, kModra, QPointF(56, kStred + kPruh), kVpravo);
    chodec(p, QPointF(140, 197), Postava{});
    sipka(p, QPointF(152, 190), QPointF(170, 190), kFialova);
}

// s51: red would like to overtake a cyclist while blue comes the other way.
void s51(QPainter& p) {
    // a narrower road: with a safe side gap red would need the oncoming lane
    constexpr double pul = 32;
    silnice(p, true, pul);
    jede(p, Druh::Kolo, kFialova, QPointF(kStred + pul - 11, 118));
    jede(p, Druh::Osobni, kModra, QPointF(kStred - 16, 46), kDolu);
    jede(p, Druh::Osobni, kCervena, QPointF(kStred + 16, 214));
}

// s52: blue stops in front of red and reverses into a free parking place at the kerb.
void s52(QPainter& p) {
    trava(p);
    domy(p, 8, 62);
    domy(p, 236, 272);
    chodnikSvisly(p, kStred - kPul, 26, -1);
    chodnikSvisly(p, 206, 26, 1);
    silniceSvisla(p, kStred, kPul);
    p.setPen(Qt::NoPen);
    p.setBrush(kSilnice);
    p.drawRect(QRectF(180, 0, 26, kStrana));
    vodiciCara(p, QPointF(180, 0), QPointF(180, kStrana));
    p.setPen(QPen(Qt::white, 1.6));
    for (double y = 18; y < kStrana; y += 46)
        p.drawLine(QPointF(181, y), QPointF(205, y));
    vozidlo(p, Druh::Osobni, kStribrna, QPointF(193, 41), kNahoru);
    vozidlo(p, Druh::Osobni, kSeda, QPointF(193, 133), kNahoru);
    const QPointF modra(kStred + kPruh, 48);
    vozidlo(p, Druh::Osobni, kModra, modra, kNahoru);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white); // reversing lights
    for (double s : {-1.0, 1.0})
        p.drawEllipse(modra + QPointF(s * 6, 17), 2.2, 1.6);
    QPainterPath cesta(modra + QPointF(0, 24));
    cesta.cubicTo(QPointF(kStred + kPruh, 90), QPointF(193, 74), QPointF(193, 96));
    sipka(p, cesta, kModra);
    jede(p, Druh::Osobni, kCervena, QPointF(kStred + kPruh, 220));
}

// s53: red turns right across the crossing of a cycle path that runs beside its road;
// the cyclist on the path goes straight on.
void s53(QPainter& p) {
    trava(p);
    const QColor stezka(196, 110, 95);
    p.setPen(Qt::NoPen);
    p.setBrush(kSilnice);
    p.drawRect(QRectF(kStred - kPul, 0, 2 * kPul, kStrana));
    p.drawRect(QRectF(kStred, kStred - kPul, kStrana, 2 * kPul));
    stredovaCara(p, QPointF(kStred, 0), QPointF(kStred, kStred - kPul - 3));
    stredovaCara(p, QPointF(kStred, kStred + kPul + 3), QPointF(kStred, kStrana));
    stredovaCara(p, QPointF(kStred + kPul + 3, kStred), QPointF(kStrana, kStred));
    // the cycle path and its crossing over the side road
    p.setBrush(stezka);
    p.drawRect(QRectF(192, 0, 18, kStrana));
    QPen okraj(Qt::white, 2.4, Qt::CustomDashLine, Qt::FlatCap);
    okraj.setDashPattern({2.0, 2.0});
    p.setPen(okraj);
    for (double x : {192.0, 210.0})
        p.drawLine(QPointF(x, kStred - kPul), QPointF(x, kStred + kPul));
    znacka(p, Znacka::C8a, QPointF(240, 248));
    const QPointF cervena(kStred + kPruh, kStred + kPul + 24);
    vozidlo(p, Druh::Osobni, kCervena, cervena, kNahoru);
    blinkry(p, Druh::Osobni, cervena, kNahoru, Blinkr::Vpravo);
    QPainterPath cesta(cervena + QPointF(0, -22));
    cesta.quadTo(QPointF(cervena.x(), kStred + 26), QPointF(kStred + kPul + 8, kStred + 26));
    cesta.lineTo(kStrana - 12, kStred + 26);
    sipka(p, cesta, kCervena);
    const QPointF kolo(201, 222);
    vozidlo(p, Druh::Kolo, kFialova, kolo, kNahoru);
    sipka(p, kolo + QPointF(0, -19), QPointF(kolo.x(), 60), kFialova);
}

// s54: red on the acceleration lane of a motorway; blue in the right lane.
void s54(QPainter& p) {
    dalnice(p, true);
    const QPointF cervena(166, 200);
    vozidlo(p, Druh::Osobni, kCervena, cervena, kNahoru);
    blinkry(p, Druh::Osobni, cervena, kNahoru, Blinkr::Vlevo);
    sipka(p, cervena + QPointF(0, -22), cervena + QPointF(0, -40), kCervena);
    jede(p, Druh::Osobni, kModra, QPointF(kPravy, 236));
}

// s55: snow; a gritter with orange lights goes slowly in front of red.
void s55(QPainter& p) {
    trava(p, QColor(232, 238, 244));
    silniceSvisla(p, kStred, kPul);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 244, 248, 200)); // snow left at the edges
    p.drawRect(QRectF(kStred - kPul, 0, 7, kStrana));
    p.drawRect(QRectF(kStred + kPul - 7, 0, 7, kStrana));
    // the gritter moves: its arrow starts beyond the plough and the rays of its lights
    vozidlo(p, Druh::Sypac, QColor(), QPointF(kStred + kPruh, 92), kNahoru);
    sipka(p, QPointF(kStred + kPruh, 50), QPointF(kStred + kPruh, 32),
          barvaSipky(Druh::Sypac, QColor()));
    jede(p, Druh::Osobni, kCervena, QPointF(kStred + kPruh, 222));
}

// s57: a big puddle at the right kerb and pedestrians on the pavement beside it.
void s57(QPainter& p) {
    ulice(p);
    p.setPen(QPen(QColor(80, 110, 140), 1.0));
    p.setBrush(QColor(110, 150, 190, 200));
    p.drawEllipse(QPointF(kStred + 26, 112), 15, 34);
    Postava a;
    a.vpravo = false;
    chodec(p, QPointF(194, 104), a);
    Postava b;
    b.vpravo = false;
    b.obleceni = QColor(40, 130, 140);
    chodec(p, QPointF(198, 136), b);
    jede(p, Druh::Osobni, kCervena, QPointF(kStred + kPruh, 236));
}

const KresbaRegistrace r23("grafika/situace/s23.png", kVelikost, kresba(s23));
const KresbaRegistrace r24("grafika/situace/s24.png", kVelikost, kresba(s24));
const KresbaRegistrace r25("grafika/situace/s25.png", kVelikost, kresba(s25));
const KresbaRegistrace r26("grafika/situace/s26.png", kVelikost, kresba(s26));
const KresbaRegistrace r27("grafika/situace/s27.png", kVelikost, kresba(s27));
const KresbaRegistrace r28("grafika/situace/s28.png", kVelikost, kresba(s28));
const KresbaRegistrace r30("grafika/situace/s30.png", kVelikost, kresba(s30));
const KresbaRegistrace r31("grafika/situace/s31.png", kVelikost, kresba(s31));
const KresbaRegistrace r32("grafika/situace/s32.png", kVelikost, kresba(s32));
const KresbaRegistrace r33("grafika/situace/s33.png", kVelikost, kresba(s33));
const KresbaRegistrace r34("grafika/situace/s34.png", kVelikost, kresba(s34));
const KresbaRegistrace r35("grafika/situace/s35.png", kVelikost, kresba(s35));
const KresbaRegistrace r36("grafika/situace/s36.png", kVelikost, kresba(s36));
const KresbaRegistrace r38("grafika/situace/s38.png", kVelikost, kresba(s38));
const KresbaRegistrace r39("grafika/situace/s39.png", kVelikost, kresba(s39));
const KresbaRegistrace r40("grafika/situace/s40.png", kVelikost, kresba(s40));
const KresbaRegistrace r42("grafika/situace/s42.png", kVelikost, kresba(s42));
const KresbaRegistrace r43("grafika/situace/s43.png", kVelikost, kresba(s43));
const KresbaRegistrace r44("grafika/situace/s44.png", kVelikost, kresba(s44));
const KresbaRegistrace r45("grafika/situace/s45.png", kVelikost, kresba(s45));
const KresbaRegistrace r46("grafika/situace/s46.png", kVelikost, kresba(s46));
const KresbaRegistrace r48("grafika/situace/s48.png", kVelikost, kresba(s48));
const KresbaRegistrace r49("grafika/situace/s49.png", kVelikost, kresba(s49));
const KresbaRegistrace r50("grafika/situace/s50.png", kVelikost, kresba(s50));
const KresbaRegistrace r51("grafika/situace/s51.png", kVelikost, kresba(s51));
const KresbaRegistrace r52("grafika/situace/s52.png", kVelikost, kresba(s52));
const KresbaRegistrace r53("grafika/situace/s53.png", kVelikost, kresba(s53));
const KresbaRegistrace r54("grafika/situace/s54.png", kVelikost, kresba(s54));
const KresbaRegistrace r55("grafika/situace/s55.png", kVelikost, kresba(s55));
const KresbaRegistrace r57("grafika/situace/s57.png", kVelikost, kresba(s57));

} // namespace
