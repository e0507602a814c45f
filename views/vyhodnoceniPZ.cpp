#include "views/vyhodnoceniPZ.h"
#include "widgets/okna.h"

#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace {

QFrame* cara(QWidget* rodic, const char* jmeno, int x, int y) {
    auto* c = new QFrame(rodic);
    c->setObjectName(QString::fromLatin1(jmeno));
    c->setFrameShape(QFrame::HLine);
    c->setFrameShadow(QFrame::Sunken);
    c->setGeometry(x, y, 330, 2);
    return c;
}

void styl(QLabel* l, const QColor& barva, bool tucne, bool podtrzene = false) {
    QFont f = l->font();
    f.setBold(tucne);
    f.setUnderline(podtrzene);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, barva);
    l->setPalette(p);
    l->adjustSize();
}

void text(QLabel* l, const QString& t) {
    l->setText(t);
    l->adjustSize();
}

// Round to nearest, an exact half to the even neighbour.
int zaokrouhli(double x) {
    return static_cast<int>(std::nearbyint(x));
}

} // namespace

TPZVyhodnoceni::TPZVyhodnoceni(QWidget* vlastnik)
    : QDialog(vlastnik, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                            Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TPZVyhodnoceni"));
    setWindowTitle(QStringLiteral("Vyhodnocení programu Kolomat"));
    setFixedSize(350, 242);

    lbNadpis = NovyPopisek(this, "lbNadpis", QStringLiteral("lbNadpis"), 136, 14);
    styl(lbNadpis, QColor(0, 128, 0), true, true);
    lbUzivatel = NovyPopisek(this, "lbUzivatel", QStringLiteral("lbUzivatel"), 16, 40);
    styl(lbUzivatel, QColor(0, 0, 255), true);
    cara1 = cara(this, "cara1", 8, 59);
    lbSkupina = NovyPopisek(this, "lbSkupina", QStringLiteral("lbSkupina"), 32, 64);
    lbPoceOtazek = NovyPopisek(this, "lbPoceOtazek", QStringLiteral("lbPoceOtazek"), 32, 81);
    lbSpravne = NovyPopisek(this, "lbSpravne", QStringLiteral("lbSpravne"), 32, 98);
    lbSpatne = NovyPopisek(this, "lbSpatne", QStringLiteral("lbSpatne"), 32, 115);
    lbNapoveda = NovyPopisek(this, "lbNapoveda", QStringLiteral("lbNapoveda"), 32, 133);
    cara2 = cara(this, "cara2", 8, 155);
    lbUspesnost = NovyPopisek(this, "lbUspesnost", QStringLiteral("lbUspesnost"), 16, 160);
    styl(lbUspesnost, QColor(0, 0, 255), true);
    lbProtokol = NovyPopisek(this, "lbProtokol", kProtokolNevytvoren, 16, 184);
    QFont male = lbProtokol->font();
    male.setPixelSize(std::max(8, QFontInfo(male).pixelSize() - 2));
    lbProtokol->setFont(male);
    // A wide font would push the line past the window's edge: it wraps instead.
    lbProtokol->setWordWrap(true);
    lbProtokol->setFixedWidth(width() - 16 - 8);
    styl(lbProtokol, QColor(128, 0, 0), false);

    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(136, 209, 75, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TPZVyhodnoceni::btnOKClick);
}

// The protocol line on one line: the window is widened as far as it needs (the menu
// path at its end must not break), the heading and the button stay centred.
void TPZVyhodnoceni::Rozsir() {
    const QFontMetrics metriky(lbProtokol->font());
    int sirka = 350;
    for (const QString& t : {kProtokolNevytvoren, kProtokolVytvoren, kProtokolSelhal})
        sirka = std::max(sirka, lbProtokol->x() + metriky.horizontalAdvance(t) + 12);
    setFixedSize(sirka, height());
    lbProtokol->setFixedWidth(sirka - lbProtokol->x() - 8);
    lbProtokol->resize(lbProtokol->width(), lbProtokol->heightForWidth(lbProtokol->width()));
    lbNadpis->move((sirka - lbNadpis->width()) / 2, lbNadpis->y());
    btnOK->move((sirka - btnOK->width()) / 2, btnOK->y());
}

void TPZVyhodnoceni::Vypln(const TUdajeVyhodnoceni& u) {
    text(lbNadpis, u.Zkouseni ? QStringLiteral("Vyhodnocení zkoušení")
                              : QStringLiteral("Vyhodnocení procvičování"));
    lbNadpis->move((width() - lbNadpis->width()) / 2, lbNadpis->y());
    text(lbUzivatel, QStringLiteral("Uživatel: ") + u.Uzivatel);
    text(lbSkupina, QStringLiteral("Skupina: ") + u.Skupina);
    text(lbPoceOtazek, QStringLiteral("Počet otázek: %1").arg(u.PocetOtazek));
    text(lbSpravne, QStringLiteral("Správných odpovědí: %1").arg(u.Spravne));
    text(lbSpatne, QStringLiteral("Špatných odpovědí: %1").arg(u.Spatne));
    text(lbNapoveda, QStringLiteral("Použití nápovědy: %1").arg(u.Napovedy));
    text(lbUspesnost, QStringLiteral("Úspěšnost: %1%").arg(u.Uspesnost));
    if (u.Protokol == StavProtokolu::Vytvoren)
        text(lbProtokol, kProtokolVytvoren);
    else if (u.Protokol == StavProtokolu::Selhal)
        text(lbProtokol, kProtokolSelhal);
    Rozsir();

    if (u.Zkouseni) {
        // Without the hint line the remaining four lines are spread evenly.
        lbNapoveda->hide();
        lbSpatne->move(lbSpatne->x(), lbNapoveda->y());
        const double d = (lbSpatne->y() - lbSkupina->y()) / 3.0;
        lbPoceOtazek->move(lbPoceOtazek->x(), lbSkupina->y() + zaokrouhli(d));
        lbSpravne->move(lbSpravne->x(), lbSkupina->y() + zaokrouhli(2 * d));
    }
}
