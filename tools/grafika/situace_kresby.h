// The drawing kit of the traffic situations (situace*.cpp): the frame of the 280 x 280
// picture, the colours of the road users, and the helpers that draw roads, vehicles,
// people, signs and traffic lights. The conventions the pictures follow are described
// at the top of situace.cpp.
#pragma once

#include "obrazky.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

namespace situace {

// ---------------------------------------------------------------- the frame

constexpr double kStrana = 280.0; // the picture is kStrana x kStrana pixels
constexpr double kStred = 140.0;  // centre of a junction
constexpr double kPul = 40.0;     // half width of a two-lane road
constexpr double kPruh = 20.0;    // distance of a lane centre from the road axis
constexpr double kPi = 3.14159265358979323846;

const QSize kVelikost(280, 280);

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

// Headings of vehicles and people, in degrees clockwise from "up".
constexpr double kNahoru = 0.0;
constexpr double kVpravo = 90.0;
constexpr double kDolu = 180.0;
constexpr double kVlevo = 270.0;

// Runs `kresba` with the origin at `bod` and the axes turned by `otoceni` degrees.
template <typename F> void vBode(QPainter& p, QPointF bod, double otoceni, F kresba) {
    p.save();
    p.translate(bod);
    p.rotate(otoceni);
    kresba();
    p.restore();
}

// Runs `kresba` "from the view of an approach": the origin in the centre of the
// junction, turned so that whoever comes from `odkud` comes from below and heads up.
template <typename F> void zPohledu(QPainter& p, Smer odkud, F kresba) {
    vBode(p, QPointF(kStred, kStred), uhel(odkud), kresba);
}

// ---------------------------------------------------------------- colours

const QColor kTrava(150, 198, 112);
const QColor kSilnice(118, 119, 123);
const QColor kChodnik(205, 201, 192);
const QColor kObrubnik(160, 156, 148);
const QColor kCervena(218, 28, 28); // the learner's own vehicle
const QColor kModra(28, 92, 222);
const QColor kZelena(20, 150, 55);
const QColor kZluta(250, 208, 0);
const QColor kOranzova(240, 130, 20);
const QColor kFialova(150, 60, 180); // cyclists and pedestrians
const QColor kTmava(40, 40, 46);
const QColor kCervenaZnacka(205, 18, 32);
const QColor kModraZnacka(0, 84, 170);

// ---------------------------------------------------------------- arrows

// An arrow along `cesta`: where a road user is going. In the colour of the road user
// with a white halo, so that it stands out on the grey road.
void sipka(QPainter& p, const QPainterPath& cesta, QColor barva);
// A straight arrow from `od` to `po`.
void sipka(QPainter& p, QPointF od, QPointF po, QColor barva);

// ---------------------------------------------------------------- roads

void trava(QPainter& p, QColor barva = kTrava);
void stredovaCara(QPainter& p, QPointF od, QPointF po);
void souvislaCara(QPainter& p, QPointF od, QPointF po, double sirka = 2.0);
void vodiciCara(QPainter& p, QPointF od, QPointF po);
// A junction of the given arms (bits of Smer) with rounded corners and dashed centre
// lines on the arms, except the arms in `bezCary` (one-way streets); the arms run to
// the edges of the picture.
void krizovatka(QPainter& p, int ramena, int bezCary = 0);
// A straight road along x = `osa` over the whole height, `pul` half wide, with a
// dashed centre line (or none when `cara` is false).
void silniceSvisla(QPainter& p, double osa, double pul, bool cara = true);
// Pavement with a kerb beside a vertical road edge at x = `hrana`, `sirka` wide towards
// `smer` (+1 right, -1 left), between y0 and y1.
void chodnikSvisly(QPainter& p, double hrana, double sirka, int smer, double y0 = 0,
                   double y1 = kStrana);
void chodnikVodorovny(QPainter& p, double hrana, double sirka, int smer, double x0 = 0,
                      double x1 = kStrana);
// Zebra stripes of a pedestrian crossing over the rectangle `r`; the stripes run
// along the road, i.e. across the direction of walking.
void prechod(QPainter& p, QRectF r, bool cestaSvisla);
// Tram tracks (two rails each) along the line from `od` to `po`.
void koleje(QPainter& p, QPointF od, QPointF po);
// A railway track across the picture along the line from `od` to `po`, with sleepers.
void zeleznice(QPainter& p, QPointF od, QPointF po);
// A roundabout at the centre with four arms: the ring between `vnitrni` and `vnejsi`.
void kruhovyObjezd(QPainter& p, double vnitrni, double vnejsi);
QPointF naKruhu(double r, double a);
void oblouk(QPainterPath& cesta, double r, double a0, double a1);
// A safety barrier along the line from `od` to `po`.
void svodidla(QPainter& p, QPointF od, QPointF po);

// ---------------------------------------------------------------- road users

enum class Druh {
    Osobni,
    Nakladni,
    Autobus,
    Tramvaj,
    Motocykl,
    Kolo,
    Sanitka,
    SanitkaBezMajaku,
    Policie,
    Traktor,
    Sypac,
    Vlak
};

double delka(Druh d);
double sirka(Druh d);
// A road user of kind `d` centred at `stred`, heading `smer` degrees clockwise from up.
void vozidlo(QPainter& p, Druh d, QColor barva, QPointF stred, double smer);
// Lit blue lights of an emergency vehicle on the roof; `sviti` false draws them dark.
void majak(QPainter& p, double y, bool sviti, QColor barva = QColor(25, 80, 255));
// Direction indicators of the vehicle at `stred` heading `smer`: the left ones, the
// right ones or all four (hazard lights).
enum class Blinkr { Vlevo, Vpravo, Vystrazna };
void blinkry(QPainter& p, Druh d, QPointF stred, double smer, Blinkr b);
// A person standing or walking, drawn upright as a figure with its feet at `nohy`,
// facing right (`vpravo`) or left. `vesta` gives a high-visibility vest, `hul` a
// white stick.
struct Postava {
    QColor obleceni = kFialova;
    bool vpravo = true;
    bool vesta = false;
    bool hul = false;
    bool dite = false;
};
void chodec(QPainter& p, QPointF nohy, const Postava& postava = {});
// A police officer seen from the front, both arms stretched out to the sides.
void policista(QPainter& p, QPointF nohy);
// A ball lying on the road.
void mic(QPainter& p, QPointF stred);

// The path of a vehicle waiting at the edge of a junction (in the frame of its
// approach) through the junction.
enum class Cesta { Rovne, Vpravo, Vlevo };
QPainterPath cestaKrizovatkou(Cesta c, double x = kPruh);
// The vehicle waiting at the edge of the junction on the approach from `odkud`, with
// the arrow of its way through.
void naVjezdu(QPainter& p, Smer odkud, Druh d, QColor barva, Cesta c);
QColor barvaSipky(Druh d, QColor barva);

// ---------------------------------------------------------------- signs and lights

enum class Znacka { P1, P2, P4, P6, P7, P8, C1, C8a, IP4b, A32 };
// The size of a sign across (its widest extent), in pixels.
double rozmer(Znacka z);
// A sign drawn upright, centred at `stred`.
void znacka(QPainter& p, Znacka z, QPointF stred);
// The additional plate E2 with the course of the main road, drawn in the orientation
// of the picture: thick arms of the main road, thin ones of the others.
constexpr double kTabulka = 36.0;
void tabulkaE2(QPainter& p, QPointF stred, int ramena, int hlavni);

enum class Svetlo { Cervena, Zelena, ZlutaBlika, Zhasnuto };
// A traffic light centred at `stred`; `sipka` adds the lit additional green arrow for
// turning right beside the lowest lamp.
constexpr double kLampa = 12.0;
QSizeF rozmerSemaforu(bool sipka);
void semafor(QPainter& p, QPointF stred, Svetlo s, bool sipka = false);
// The warning lights of a railway crossing: two red lamps, flashing or dark.
void prejezdoveSvetlo(QPainter& p, QPointF stred, bool blika);

// What stands at the right of an approach, before the junction: its sign (with the
// plate E2 when `hlavni` is not zero) and its traffic light, and the road marking of the
// sign (a give-way line or a stop line).
struct Vybaveni {
    bool sZnackou = false;
    Znacka znacka = Znacka::P4;
    int ramena = kVse;
    int hlavni = 0;
    bool sSemaforem = false;
    Svetlo svetlo = Svetlo::Zelena;
    bool sipka = false;
};
void uVjezdu(QPainter& p, Smer odkud, const Vybaveni& v);
void znackaUVjezdu(QPainter& p, Smer odkud, Znacka z, int ramena = kVse, int hlavni = 0);
void semaforUVjezdu(QPainter& p, Smer odkud, Svetlo s, bool sipka = false);

// ---------------------------------------------------------------- registration

using Situace = void (*)(QPainter&);
grafika::Kresba kresba(Situace s);

} // namespace situace
