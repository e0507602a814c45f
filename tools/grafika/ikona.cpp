// The program icon (ikona/): a white steering wheel on a blue rounded square, the
// colour of the information signs. One drawing in a 256 x 256 frame, painted at every
// size the desktop's icon theme and the window icon use.
#include "obrazky.h"

#include <QPainterPath>

namespace {

using grafika::KresbaRegistrace;

void volant(QPainter& p, const QSize& s) {
    p.scale(s.width() / 256.0, s.height() / 256.0);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 84, 166));
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    const QPointF stred(128, 128);
    const QColor bila(255, 255, 255);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(bila, 26));
    p.drawEllipse(stred, 82, 82);

    // Three spokes: left, right and down, thicker towards the hub.
    QPainterPath paprsky;
    paprsky.moveTo(50, 118);
    paprsky.lineTo(100, 108);
    paprsky.lineTo(156, 108);
    paprsky.lineTo(206, 118);
    paprsky.lineTo(206, 146);
    paprsky.lineTo(150, 146);
    paprsky.lineTo(142, 206);
    paprsky.lineTo(114, 206);
    paprsky.lineTo(106, 146);
    paprsky.lineTo(50, 146);
    paprsky.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(bila);
    p.drawPath(paprsky);
    p.drawEllipse(stred, 36, 36);

    p.setBrush(QColor(0, 84, 166));
    p.drawEllipse(stred, 14, 14);
}

const KresbaRegistrace r16("ikona/kolomat_16.png", QSize(16, 16), volant, true);
const KresbaRegistrace r32("ikona/kolomat_32.png", QSize(32, 32), volant, true);
const KresbaRegistrace r48("ikona/kolomat_48.png", QSize(48, 48), volant, true);
const KresbaRegistrace r64("ikona/kolomat_64.png", QSize(64, 64), volant, true);
const KresbaRegistrace r128("ikona/kolomat_128.png", QSize(128, 128), volant, true);
const KresbaRegistrace r256("ikona/kolomat_256.png", QSize(256, 256), volant, true);

} // namespace
