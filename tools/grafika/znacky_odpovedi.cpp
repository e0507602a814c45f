// The answer marks beside the answers (20 px) and their legend in the information
// strip (16 px): a green tick for the right answer, a red cross for a wrong one and an
// orange triangle with "!" for the right answer that was not chosen.
#include "obrazky.h"

#include <QPainterPath>

namespace {

using grafika::KresbaRegistrace;

void kolecko(QPainter& p, const QSize& s, QColor barva) {
    p.setPen(QPen(barva.darker(140), 1.0));
    p.setBrush(barva);
    p.drawEllipse(QRectF(0.5, 0.5, s.width() - 1.0, s.height() - 1.0));
}

void spravne(QPainter& p, const QSize& s) {
    kolecko(p, s, QColor(0, 160, 60));
    const double w = s.width();
    QPainterPath hacek;
    hacek.moveTo(w * 0.25, w * 0.52);
    hacek.lineTo(w * 0.43, w * 0.70);
    hacek.lineTo(w * 0.76, w * 0.32);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, w * 0.13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(hacek);
}

void spatne(QPainter& p, const QSize& s) {
    kolecko(p, s, QColor(210, 30, 30));
    const double w = s.width();
    p.setPen(QPen(Qt::white, w * 0.13, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.32, w * 0.32), QPointF(w * 0.68, w * 0.68));
    p.drawLine(QPointF(w * 0.68, w * 0.32), QPointF(w * 0.32, w * 0.68));
}

void ignorovana(QPainter& p, const QSize& s) {
    const double w = s.width();
    QPainterPath trojuhelnik;
    trojuhelnik.moveTo(w * 0.5, 0.8);
    trojuhelnik.lineTo(w - 0.8, w - 1.5);
    trojuhelnik.lineTo(0.8, w - 1.5);
    trojuhelnik.closeSubpath();
    p.setPen(QPen(QColor(150, 80, 0), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 150, 0));
    p.drawPath(trojuhelnik);
    p.setPen(QPen(Qt::black, w * 0.11, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.5, w * 0.34), QPointF(w * 0.5, w * 0.62));
    p.drawPoint(QPointF(w * 0.5, w * 0.78));
}

const QSize znacka(20, 20);
const QSize legenda(16, 16);

const KresbaRegistrace r1("grafika/yes.png", znacka, spravne, true);
const KresbaRegistrace r2("grafika/no.png", znacka, spatne, true);
const KresbaRegistrace r3("grafika/mistake.png", znacka, ignorovana, true);
const KresbaRegistrace r4("grafika/yes_info.png", legenda, spravne, true);
const KresbaRegistrace r5("grafika/no_info.png", legenda, spatne, true);
const KresbaRegistrace r6("grafika/mistake_info.png", legenda, ignorovana, true);

} // namespace
