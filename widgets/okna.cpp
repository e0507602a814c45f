#include "widgets/okna.h"

#include <algorithm>

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

void Vycentruj(QWidget* dialog, const QWidget* vlastnik) {
    if (!vlastnik)
        return;
    const QRect o = vlastnik->frameGeometry();
    dialog->move(o.left() + (o.width() - dialog->width()) / 2,
                 o.top() + (o.height() - dialog->height()) / 2);
}

void VycentrujNaObrazovce(QWidget* okno) {
    const QScreen* obrazovka = okno->screen() ? okno->screen() : QGuiApplication::primaryScreen();
    if (!obrazovka)
        return;
    const QRect plocha = obrazovka->geometry();
    okno->move(plocha.left() + (plocha.width() - okno->width()) / 2,
               plocha.top() + (plocha.height() - okno->height()) / 2);
}

void PrepniMenu(QMainWindow* okno, QMenuBar* menu) {
    QWidget* stare = okno->menuWidget();
    if (stare == menu)
        return;
    if (stare) {
        // Detach the old bar from the layout first, so that setMenuBar keeps it.
        okno->layout()->setMenuBar(nullptr);
        stare->hide();
    }
    okno->setMenuBar(menu);
    menu->show();
}

QLabel* NovyPopisek(QWidget* rodic, const char* jmeno, const QString& text, int x, int y,
                    bool tucne) {
    auto* l = new QLabel(text, rodic);
    l->setTextFormat(Qt::PlainText);
    if (jmeno)
        l->setObjectName(QString::fromLatin1(jmeno));
    if (tucne) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    l->move(x, y);
    l->adjustSize();
    return l;
}

void PopisekNaSirku::resizeEvent(QResizeEvent* udalost) {
    QLabel::resizeEvent(udalost);
    Prizpusob();
}

void PopisekNaSirku::Prizpusob() {
    QFont pismo = font();
    if (zakladni_ == 0)
        zakladni_ = QFontInfo(pismo).pixelSize();
    const int sirka = contentsRect().width() - 2 * std::max(0, margin());
    int velikost = zakladni_;
    pismo.setPixelSize(velikost);
    while (velikost > 8 && QFontMetrics(pismo).horizontalAdvance(text()) > sirka)
        pismo.setPixelSize(--velikost);
    if (QFontInfo(font()).pixelSize() != velikost)
        setFont(pismo);
}
