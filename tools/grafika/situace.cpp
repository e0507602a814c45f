// Traffic situations of the catalogue (category "Řešení dopravních situací"): junctions
// and road sections seen from above, one picture for each question. This file holds the
// junctions; situace_useky.cpp the road sections; situace_kresby.h the drawing kit.
//
// The conventions, the same in every picture (the help page "Jak číst obrázky" explains
// them to the learner):
// - The learner's own vehicle is always red and comes from the bottom edge, heading up.
//   A question that says "vy" or "jako řidič červeného vozidla" means this vehicle.
//   Vehicles the question names are red, blue, green or yellow (or a tram, a bus, an
//   ambulance, ...); others, parked or queueing, are grey or white.
// - Each road user has one arrow in its own colour (dark for trams, trains, grey and
//   white vehicles and vehicles with blue lights) showing where it is going. When the
//   question asks what a driver is to do, a short straight arrow only shows that
//   driver's direction of travel.
// - Signs are drawn upright, never turned with their approach, and larger than to scale,
//   at the right of the approach they govern, just before the junction. Signs whose
//   arrows depend on the direction stand only at the approach from below, whose driver
//   sees them upright. The plate with the course of the main road under a sign shows the
//   junction turned the same way as the picture, the main road in thick arms.
// - A lit lamp is bright and a dark one dim; a flashing lamp and lit blue lights have
//   short rays around them; blinking indicators and hazard lights are orange lamps with
//   rays at the corners of the vehicle.
// - People are upright figures standing where their shadow is; cyclists are seen from
//   above with a yellow helmet; trams run on rails.
#include "situace_kresby.h"

namespace {

using grafika::KresbaRegistrace;
using namespace situace;

constexpr int kT_JZV = bit(Jih) | bit(Zapad) | bit(Vychod); // T: side road from the south

// s01: an unmarked T junction: blue from the right turns across red's way: blue, red.
void s01(QPainter& p) {
    const int ramena = bit(Jih) | bit(Sever) | bit(Vychod);
    krizovatka(p, ramena);
    naVjezdu(p, Vychod, Druh::Osobni, kModra, Cesta::Vlevo);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
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
    krizovatka(p, kT_JZV);
    naVjezdu(p, Vychod, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Vlevo);
}

// s04: unmarked, a chain of the right-hand rule: blue (nobody on its right), green
// turning left into blue's way, red straight on after green.
void s04(QPainter& p) {
    krizovatka(p, kVse);
    naVjezdu(p, Sever, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Vychod, Druh::Osobni, kZelena, Cesta::Vlevo);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
}

// s05: main road west-east, side road from the south: blue, green (turning left in
// front of blue), red.
void s05(QPainter& p) {
    krizovatka(p, kT_JZV);
    znackaUVjezdu(p, Zapad, Znacka::P2);
    znackaUVjezdu(p, Vychod, Znacka::P2);
    znackaUVjezdu(p, Jih, Znacka::P4);
    naVjezdu(p, Zapad, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Vychod, Druh::Osobni, kZelena, Cesta::Vlevo);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Vlevo);
}

// s06: main road west-east; STOP for red, give way for blue opposite: yellow on the
// main road, then blue straight on, then red turning left.
void s06(QPainter& p) {
    krizovatka(p, kVse);
    znackaUVjezdu(p, Zapad, Znacka::P2);
    znackaUVjezdu(p, Vychod, Znacka::P2);
    znackaUVjezdu(p, Jih, Znacka::P6);
    znackaUVjezdu(p, Sever, Znacka::P4);
    naVjezdu(p, Vychod, Druh::Osobni, kZluta, Cesta::Rovne);
    naVjezdu(p, Sever, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Vlevo);
}

// Signs of a junction whose main road changes its course: P2 or P4, all with E2.
void tvarKrizovatky(QPainter& p, int ramena, int hlavni) {
    for (int s = 0; s < 4; ++s) {
        const Smer smer = static_cast<Smer>(s);
        if (ramena & bit(smer))
            znackaUVjezdu(p, smer, (hlavni & bit(smer)) ? Znacka::P2 : Znacka::P4, ramena, hlavni);
    }
}

// s07: main road from the south bending to the east: red, green, blue.
void s07(QPainter& p) {
    krizovatka(p, kVse);
    tvarKrizovatky(p, kVse, bit(Jih) | bit(Vychod));
    naVjezdu(p, Zapad, Druh::Osobni, kZelena, Cesta::Rovne);
    naVjezdu(p, Sever, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Vpravo);
}

// s08: main road from the west bending to the north: green, blue, red.
void s08(QPainter& p) {
    krizovatka(p, kVse);
    tvarKrizovatky(p, kVse, bit(Zapad) | bit(Sever));
    naVjezdu(p, Zapad, Druh::Osobni, kZelena, Cesta::Vlevo);
    naVjezdu(p, Vychod, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
}

// s09: main road from the north bending to the east: blue follows it across red's way,
// red on the side road straight on gives way.
void s09(QPainter& p) {
    krizovatka(p, kVse);
    tvarKrizovatky(p, kVse, bit(Vychod) | bit(Sever));
    naVjezdu(p, Sever, Druh::Osobni, kModra, Cesta::Vlevo);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
}

// Tram tracks along the west-east or the north-south road, in the middle of each lane.
void kolejeKrizovatkou(QPainter& p, bool svisle) {
    for (double k : {-kPruh, kPruh}) {
        if (svisle)
            koleje(p, QPointF(kStred + k, 0), QPointF(kStred + k, kStrana));
        else
            koleje(p, QPointF(0, kStred + k), QPointF(kStrana, kStred + k));
    }
}

// s10: unmarked junction, a tram from red's left: the tram first.
void s10(QPainter& p) {
    krizovatka(p, kVse);
    kolejeKrizovatkou(p, false);
    naVjezdu(p, Zapad, Druh::Tramvaj, QColor(), Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
}

// s11: unmarked, a tram from the east (blue's left): tram, blue, red turning left.
void s11(QPainter& p) {
    krizovatka(p, kVse);
    kolejeKrizovatkou(p, false);
    naVjezdu(p, Vychod, Druh::Tramvaj, QColor(), Cesta::Rovne);
    naVjezdu(p, Sever, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Vlevo);
}

// s12: the tram comes along the side road: blue on the main road first.
void s12(QPainter& p) {
    krizovatka(p, kVse);
    kolejeKrizovatkou(p, true);
    znackaUVjezdu(p, Zapad, Znacka::P2);
    znackaUVjezdu(p, Vychod, Znacka::P2);
    znackaUVjezdu(p, Jih, Znacka::P4);
    znackaUVjezdu(p, Sever, Znacka::P4);
    naVjezdu(p, Jih, Druh::Tramvaj, QColor(), Cesta::Rovne);
    naVjezdu(p, Zapad, Druh::Osobni, kModra, Cesta::Rovne);
}

// s13: traffic lights, green from the south and the north: red turning left waits for
// blue coming the other way; green stands at its red light.
void s13(QPainter& p) {
    krizovatka(p, kVse);
    semaforUVjezdu(p, Jih, Svetlo::Zelena);
    semaforUVjezdu(p, Sever, Svetlo::Zelena);
    semaforUVjezdu(p, Zapad, Svetlo::Cervena);
    semaforUVjezdu(p, Vychod, Svetlo::Cervena);
    naVjezdu(p, Sever, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Zapad, Druh::Osobni, kZelena, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Vlevo);
}

// Traffic lights and signs on every approach: the main road west-east.
void svetlaSeZnackami(QPainter& p, Svetlo hlavni, Svetlo vedlejsi) {
    for (Smer s : {Jih, Zapad, Sever, Vychod}) {
        const bool naHlavni = s == Zapad || s == Vychod;
        Vybaveni v;
        v.sSemaforem = true;
        v.svetlo = naHlavni ? hlavni : vedlejsi;
        v.sZnackou = true;
        v.znacka = naHlavni ? Znacka::P2 : Znacka::P4;
        uVjezdu(p, s, v);
    }
}

// s14: lights in operation over the signs: red on the side road has green.
void s14(QPainter& p) {
    krizovatka(p, kVse);
    svetlaSeZnackami(p, Svetlo::Cervena, Svetlo::Zelena);
    naVjezdu(p, Vychod, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
}

// s15: flashing yellow, the signs decide: blue on the main road from the left first.
void s15(QPainter& p) {
    krizovatka(p, kVse);
    svetlaSeZnackami(p, Svetlo::ZlutaBlika, Svetlo::ZlutaBlika);
    naVjezdu(p, Zapad, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
}

// s16: red light with the additional green arrow: red may turn right but lets blue,
// which has green, pass first.
void s16(QPainter& p) {
    krizovatka(p, kVse);
    semaforUVjezdu(p, Jih, Svetlo::Cervena, true);
    semaforUVjezdu(p, Sever, Svetlo::Cervena);
    semaforUVjezdu(p, Zapad, Svetlo::Zelena);
    semaforUVjezdu(p, Vychod, Svetlo::Zelena);
    naVjezdu(p, Zapad, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Vpravo);
}

// The roundabout of s17 and s41: the ring between radius 34 and 72, its lane at 53.
constexpr double kOstruvek = 34;
constexpr double kOkraj = 72;
constexpr double kKruh = 53;

// s17: entering a roundabout with "give way" and the roundabout sign: red lets blue on
// the ring, coming from its left, pass first.
void s17(QPainter& p) {
    kruhovyObjezd(p, kOstruvek, kOkraj);
    znacka(p, Znacka::P4, QPointF(kStred + 58, kStred + 78));
    znacka(p, Znacka::C1, QPointF(kStred + 100, kStred + 82));
    // blue on the ring, between the west and the south arms, going on to the east, and
    // red waiting at the give-way line of the south arm to turn right onto the ring: the
    // arrows keep to the outer and the inner part of the ring
    const double a = 150;
    vozidlo(p, Druh::Osobni, kModra, naKruhu(kKruh, a), a);
    QPainterPath modra(naKruhu(kKruh + 5, a - 22));
    oblouk(modra, kKruh + 5, a - 22, 14);
    sipka(p, modra, kModra);
    const QPointF cervena(kStred + 16, kStred + kOkraj + 24);
    vozidlo(p, Druh::Osobni, kCervena, cervena, kNahoru);
    QPainterPath cesta(cervena + QPointF(0, -20));
    cesta.quadTo(QPointF(kStred + 16, kStred + 44), naKruhu(kKruh - 10, 62));
    oblouk(cesta, kKruh - 10, 62, 30);
    sipka(p, cesta, kCervena);
}

// s41: red entered the roundabout from the south (past its give-way and roundabout
// signs) and, before the next exit, the east one, blinks to the right to leave there.
void s41(QPainter& p) {
    kruhovyObjezd(p, kOstruvek, kOkraj);
    znacka(p, Znacka::P4, QPointF(kStred + 58, kStred + 78));
    znacka(p, Znacka::C1, QPointF(kStred + 100, kStred + 82));
    const double a = 50;
    const QPointF cervena = naKruhu(kKruh, a);
    vozidlo(p, Druh::Osobni, kCervena, cervena, a);
    blinkry(p, Druh::Osobni, cervena, a, Blinkr::Vpravo);
    QPainterPath cesta(naKruhu(kKruh, a - 27));
    cesta.quadTo(QPointF(kStred + kOkraj - 6, kStred + 16),
                 QPointF(kStred + kOkraj + 10, kStred + 16));
    cesta.lineTo(kStrana - 12, kStred + 16);
    sipka(p, cesta, kCervena);
}

// s18: an ambulance with the blue light and siren comes along the side road: it goes
// before red on the main road.
void s18(QPainter& p) {
    krizovatka(p, kVse);
    znackaUVjezdu(p, Sever, Znacka::P2);
    znackaUVjezdu(p, Jih, Znacka::P2);
    znackaUVjezdu(p, Zapad, Znacka::P4);
    znackaUVjezdu(p, Vychod, Znacka::P4);
    naVjezdu(p, Zapad, Druh::Sanitka, QColor(), Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
}

// s19: unmarked, with a cyclist: blue, cyclist, red turning left.
void s19(QPainter& p) {
    krizovatka(p, kVse);
    naVjezdu(p, Sever, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Vychod, Druh::Kolo, kFialova, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Vlevo);
}

// s20: red motorcycle at STOP turning right into the lane of blue coming from the left.
void s20(QPainter& p) {
    krizovatka(p, kT_JZV);
    znackaUVjezdu(p, Zapad, Znacka::P2);
    znackaUVjezdu(p, Vychod, Znacka::P2);
    znackaUVjezdu(p, Jih, Znacka::P6);
    naVjezdu(p, Zapad, Druh::Osobni, kModra, Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Motocykl, kCervena, Cesta::Vpravo);
}

// s21: the warning "junction with a side road" on the main road south-north: green
// turning right, red turning left after it, blue from the side road last.
void s21(QPainter& p) {
    krizovatka(p, kVse);
    znackaUVjezdu(p, Jih, Znacka::P1);
    znackaUVjezdu(p, Sever, Znacka::P1);
    znackaUVjezdu(p, Zapad, Znacka::P4);
    znackaUVjezdu(p, Vychod, Znacka::P6);
    naVjezdu(p, Sever, Druh::Osobni, kZelena, Cesta::Vpravo);
    naVjezdu(p, Vychod, Druh::Osobni, kModra, Cesta::Vlevo);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Vlevo);
}

// s22: a T junction whose main road comes from the west and bends to the north: red on
// the side road gives way to blue although blue comes from its left.
void s22(QPainter& p) {
    const int ramena = bit(Jih) | bit(Zapad) | bit(Sever);
    krizovatka(p, ramena);
    tvarKrizovatky(p, ramena, bit(Zapad) | bit(Sever));
    naVjezdu(p, Zapad, Druh::Osobni, kModra, Cesta::Vlevo);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
}

// s29: red waits to turn left; blue coming the other way blinks to the right but does
// not slow down, so where it goes is not shown.
void s29(QPainter& p) {
    krizovatka(p, kVse);
    zPohledu(p, Sever, [&] {
        const QPointF modra(kPruh, kPul + 50);
        vozidlo(p, Druh::Osobni, kModra, modra, 0);
        blinkry(p, Druh::Osobni, modra, 0, Blinkr::Vpravo);
        sipka(p, QPointF(kPruh, kPul + 28), QPointF(kPruh, kPul + 10), kModra);
    });
    zPohledu(p, Jih, [&] {
        const QPointF cervena(kPruh - 6, kPul - 4);
        vozidlo(p, Druh::Osobni, kCervena, cervena, 0);
        blinkry(p, Druh::Osobni, cervena, 0, Blinkr::Vlevo);
        QPainterPath cesta(cervena + QPointF(0, -22));
        cesta.quadTo(QPointF(cervena.x(), -kPruh + 7), QPointF(-kPruh, -kPruh + 7));
        cesta.lineTo(-kPul - 24, -kPruh + 7);
        sipka(p, cesta, kCervena);
    });
}

// s37: an ambulance without its blue light comes from red's left at an unmarked
// junction: it is an ordinary vehicle, red goes first.
void s37(QPainter& p) {
    krizovatka(p, kVse);
    naVjezdu(p, Zapad, Druh::SanitkaBezMajaku, QColor(), Cesta::Rovne);
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
}

// s47: a police officer in the middle of the junction faces red with both arms
// stretched out to the sides.
void s47(QPainter& p) {
    krizovatka(p, kVse);
    policista(p, QPointF(kStred - 10, kStred + 14));
    naVjezdu(p, Jih, Druh::Osobni, kCervena, Cesta::Rovne);
}

// s56: red in a one-way street at an unmarked junction: blue from the right goes first.
void s56(QPainter& p) {
    krizovatka(p, kVse, bit(Jih) | bit(Sever));
    znackaUVjezdu(p, Jih, Znacka::IP4b);
    naVjezdu(p, Vychod, Druh::Osobni, kModra, Cesta::Rovne);
    zPohledu(p, Jih, [&] {
        const double x = kPruh - 4;
        vozidlo(p, Druh::Osobni, kCervena, QPointF(x, kPul + 6 + 18), 0);
        sipka(p, cestaKrizovatkou(Cesta::Rovne, x), kCervena);
    });
}

const KresbaRegistrace r01("grafika/situace/s01.png", kVelikost, kresba(s01));
const KresbaRegistrace r02("grafika/situace/s02.png", kVelikost, kresba(s02));
const KresbaRegistrace r03("grafika/situace/s03.png", kVelikost, kresba(s03));
const KresbaRegistrace r04("grafika/situace/s04.png", kVelikost, kresba(s04));
const KresbaRegistrace r05("grafika/situace/s05.png", kVelikost, kresba(s05));
const KresbaRegistrace r06("grafika/situace/s06.png", kVelikost, kresba(s06));
const KresbaRegistrace r07("grafika/situace/s07.png", kVelikost, kresba(s07));
const KresbaRegistrace r08("grafika/situace/s08.png", kVelikost, kresba(s08));
const KresbaRegistrace r09("grafika/situace/s09.png", kVelikost, kresba(s09));
const KresbaRegistrace r10("grafika/situace/s10.png", kVelikost, kresba(s10));
const KresbaRegistrace r11("grafika/situace/s11.png", kVelikost, kresba(s11));
const KresbaRegistrace r12("grafika/situace/s12.png", kVelikost, kresba(s12));
const KresbaRegistrace r13("grafika/situace/s13.png", kVelikost, kresba(s13));
const KresbaRegistrace r14("grafika/situace/s14.png", kVelikost, kresba(s14));
const KresbaRegistrace r15("grafika/situace/s15.png", kVelikost, kresba(s15));
const KresbaRegistrace r16("grafika/situace/s16.png", kVelikost, kresba(s16));
const KresbaRegistrace r17("grafika/situace/s17.png", kVelikost, kresba(s17));
const KresbaRegistrace r18("grafika/situace/s18.png", kVelikost, kresba(s18));
const KresbaRegistrace r19("grafika/situace/s19.png", kVelikost, kresba(s19));
const KresbaRegistrace r20("grafika/situace/s20.png", kVelikost, kresba(s20));
const KresbaRegistrace r21("grafika/situace/s21.png", kVelikost, kresba(s21));
const KresbaRegistrace r22("grafika/situace/s22.png", kVelikost, kresba(s22));
const KresbaRegistrace r29("grafika/situace/s29.png", kVelikost, kresba(s29));
const KresbaRegistrace r41("grafika/situace/s41.png", kVelikost, kresba(s41));
const KresbaRegistrace r37("grafika/situace/s37.png", kVelikost, kresba(s37));
const KresbaRegistrace r47("grafika/situace/s47.png", kVelikost, kresba(s47));
const KresbaRegistrace r56("grafika/situace/s56.png", kVelikost, kresba(s56));

} // namespace
