#include "views/rezimy.h"

#include "core/chyba.h"
#include "core/historie.h"
#include "core/pomocne_fce.h"
#include "views/textove_pole.h"
#include "widgets/okna.h"
#include "widgets/zpravy.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace {

const QString kZnackaAno = QStringLiteral("grafika/yes.png");
const QString kZnackaNe = QStringLiteral("grafika/no.png");
const QString kZnackaChyba = QStringLiteral("grafika/mistake.png");
const QString kSloty = QStringLiteral("ABC");
constexpr int kVyskaPruhu = 70;
constexpr int kMezera = 10;
constexpr QChar kEnter(13);

void nastavObrazek(QLabel* obrazek, const QString& soubor) {
    obrazek->setPixmap(QPixmap(soubor));
    obrazek->setProperty("soubor", soubor);
    obrazek->adjustSize();
}

int pravyOkraj(const QWidget* w) {
    return w->x() + w->width();
}

// The instruction is long; with a wide font it is set smaller, and cut only as a last
// resort, so that the counters stay inside the strip.
void vejdiSe(QLabel* popisek, int sirka) {
    const QString text = popisek->property("celyText").toString();
    popisek->setText(text);
    popisek->adjustSize();
    QFont pismo = popisek->font();
    int velikost = QFontInfo(pismo).pixelSize();
    while (popisek->width() > sirka && velikost > 8) {
        pismo.setPixelSize(--velikost);
        popisek->setFont(pismo);
        popisek->adjustSize();
    }
    if (popisek->width() > sirka) {
        popisek->setText(QFontMetrics(pismo).elidedText(text, Qt::ElideRight, sirka));
        popisek->setToolTip(text);
        popisek->adjustSize();
    }
}

} // namespace

// Routes the input of the run to the view: keys at the focus button, mouse buttons on
// the panels and the button, clicks on the slot letters. Every handled event gives the
// focus back to the button, so that the keys keep arriving there.
class TViewPrZk::Vstup : public QObject {
public:
    explicit Vstup(TViewPrZk& view) : view_(view) {}

    bool eventFilter(QObject* objekt, QEvent* udalost) override {
        if (!view_.Aktivni)
            return false;
        if (udalost->type() == QEvent::KeyPress && objekt == view_.Info.btn)
            return klavesa(static_cast<QKeyEvent*>(udalost));
        if (udalost->type() != QEvent::MouseButtonPress)
            return false;
        const Qt::MouseButton tlacitko = static_cast<QMouseEvent*>(udalost)->button();
        if (objekt == view_.lbA || objekt == view_.lbB || objekt == view_.lbC) {
            // The press goes on to the panel as well, where only the right button acts.
            if (tlacitko == Qt::LeftButton)
                obsluz([&] { view_.KlikNaOdpoved(objekt); });
            return false;
        }
        if (objekt == view_.pOtazka || objekt == view_.pInfo || objekt == view_.Info.btn) {
            obsluz([&] { view_.StiskMysi(tlacitko); });
            return tlacitko == Qt::RightButton;
        }
        return false;
    }

    template <class Operace> void obsluz(Operace&& operace) {
        zpravy::zachyt(view_.Info.HlavniFormular, std::forward<Operace>(operace));
        if (view_.Aktivni && view_.Info.btn)
            view_.Info.btn->setFocus();
    }

private:
    bool klavesa(QKeyEvent* k) {
        // Menu accelerators (Alt+K, Alt+Z) and other shortcuts stay with the menu bar.
        if (k->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
            return false;
        if (posun(k->key()))
            return true;
        QChar znak;
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
            znak = kEnter;
        else if (!k->text().isEmpty())
            znak = k->text().at(0);
        else if (k->key() >= Qt::Key_A && k->key() <= Qt::Key_Z)
            znak = QChar(u'A' + (k->key() - Qt::Key_A));
        if (!znak.isNull())
            obsluz([&] { view_.StiskKlavesy(znak); });
        // Tab and the like would take the focus off the button.
        return true;
    }

    // The arrows, Page Up/Down, Home and End scroll a question longer than the panel.
    bool posun(int klavesa) {
        QScrollBar* s = view_.skOtazka ? view_.skOtazka->verticalScrollBar() : nullptr;
        if (!s)
            return false;
        switch (klavesa) {
        case Qt::Key_Up:
            s->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return true;
        case Qt::Key_Down:
            s->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        case Qt::Key_PageUp:
            s->triggerAction(QAbstractSlider::SliderPageStepSub);
            return true;
        case Qt::Key_PageDown:
            s->triggerAction(QAbstractSlider::SliderPageStepAdd);
            return true;
        case Qt::Key_Home:
            s->triggerAction(QAbstractSlider::SliderToMinimum);
            return true;
        case Qt::Key_End:
            s->triggerAction(QAbstractSlider::SliderToMaximum);
            return true;
        default:
            return false;
        }
    }

    TViewPrZk& view_;
};

TViewPrZk::TViewPrZk(bool zkouseni) : zkouseni_(zkouseni), vstup_(std::make_unique<Vstup>(*this)) {}

TViewPrZk::~TViewPrZk() {
    if (Aktivni)
        UkoncitPrZk();
}

QLabel* TViewPrZk::NovyPopisek(const QString& text, const char* jmeno) {
    auto* l = new QLabel(text, pInfo);
    l->setTextFormat(Qt::PlainText);
    l->setObjectName(QString::fromLatin1(jmeno));
    l->adjustSize();
    l->show();
    pridane_.push_back(l);
    return l;
}

void TViewPrZk::Sestavit(const TInfo& info) {
    Priprav(info);
    ceka = false;
    BezC = false;
    pocitadla = {};
    historieHlasena_ = false;

    pInfo->setFixedHeight(kVyskaPruhu);
    Rozvrhni();

    VytvorLegendu();
    VytvorTextyPruhu();
    VytvorOznameni();
    PripojVstup();
}

// The legend: the three marks under each other, each with its caption.
void TViewPrZk::VytvorLegendu() {
    const auto obrazek = [&](const char* jmeno, const QString& soubor, const QLabel* nad) {
        auto* img = new QLabel(pInfo);
        img->setObjectName(QString::fromLatin1(jmeno));
        nastavObrazek(img, soubor);
        img->move(imgInfo->x(), nad->y() + nad->height() + 2);
        img->show();
        pridane_.push_back(img);
        return img;
    };
    const auto popisekVedle = [&](const char* jmeno, const QString& text, const QLabel* img) {
        QLabel* l = NovyPopisek(text, jmeno);
        l->move(pravyOkraj(img) + 5, img->y() + (img->height() - l->height()) / 2);
        return l;
    };
    imgSpatnaInfo = obrazek("imgSpatnaInfo", QStringLiteral("grafika/no_info.png"), imgInfo);
    imgSpatnaInfo->setAccessibleName(QStringLiteral("Značka špatné odpovědi"));
    lbSpatnaInfo = popisekVedle("lbSpatnaInfo", QStringLiteral("Špatná odpověď"), imgSpatnaInfo);
    imgIgnorInfo =
        obrazek("imgIgnorInfo", QStringLiteral("grafika/mistake_info.png"), imgSpatnaInfo);
    imgIgnorInfo->setAccessibleName(QStringLiteral("Značka ignorované správné odpovědi"));
    lbIgnorInfo =
        popisekVedle("lbIgnorInfo", QStringLiteral("Ignorovaná správná odpověď"), imgIgnorInfo);
}

// The bevels, the instruction, the group and the counters of the strip.
void TViewPrZk::VytvorTextyPruhu() {
    const auto bevel = [&](const char* jmeno) {
        auto* b = new QFrame(pInfo);
        b->setObjectName(QString::fromLatin1(jmeno));
        b->setFrameShape(QFrame::VLine);
        b->setFrameShadow(QFrame::Sunken);
        b->resize(2, 58);
        b->show();
        pridane_.push_back(b);
        return b;
    };
    bvTexty = bevel("bvTexty");
    bvPocitadla = bevel("bvPocitadla");
    lbPokyn = NovyPopisek(QString(), "lbPokyn");
    lbPokyn->setProperty("celyText",
                         QStringLiteral("Levým tlačítkem či klávesami A-D vyberte odpovědi a "
                                        "Enterem či pravým tlačítkem myši potvrďte výběr"));
    lbPokyn->setText(lbPokyn->property("celyText").toString());
    lbPokyn->adjustSize();
    lbSkupina = NovyPopisek(QStringLiteral("Skupina: ") + Info.Skupina, "lbSkupina");
    const char* jmenaPocitadel[] = {"lbPocitadlo1", "lbPocitadlo2", "lbPocitadlo3"};
    for (size_t i = 0; i < lbPocitadla.size(); ++i)
        lbPocitadla[i] = NovyPopisek(QString(), jmenaPocitadel[i]);
    for (QLabel* l : {lbRezim, lbUzivatel})
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

// The flash, centred in the question panel, and its timer.
void TViewPrZk::VytvorOznameni() {
    // Over the visible part of the panel, however far the question is scrolled.
    pnOznameni = new QLabel(skOtazka);
    pnOznameni->setObjectName(QStringLiteral("pnOznameni"));
    pnOznameni->setFixedSize(100, 40);
    pnOznameni->setAlignment(Qt::AlignCenter);
    pnOznameni->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnOznameni->setAutoFillBackground(true);
    QPalette plocha = pnOznameni->palette();
    plocha.setColor(QPalette::Window, plocha.color(QPalette::Button));
    pnOznameni->setPalette(plocha);
    QFont tucne = pnOznameni->font();
    tucne.setBold(true);
    pnOznameni->setFont(tucne);
    pnOznameni->move((skOtazka->width() - 100) / 2, (skOtazka->height() - 40) / 2);
    pnOznameni->hide();
    pridane_.push_back(pnOznameni);

    tmOznameni = new QTimer(pOtazka);
    tmOznameni->setObjectName(QStringLiteral("tmOznameni"));
    tmOznameni->setInterval(1000);
    QObject::connect(tmOznameni, &QTimer::timeout, pOtazka,
                     [this] { zpravy::zachyt(Info.HlavniFormular, [&] { SkrytOznameni(); }); });
}

// Mouse and keys: the answer fields, the letters, the panels and the focus button.
void TViewPrZk::PripojVstup() {
    for (TextovePole* pole : {mA, mB, mC}) {
        QObject::connect(pole, &TextovePole::stisknuto, pole, [this, pole](Qt::MouseButton b) {
            if (b == Qt::LeftButton)
                vstup_->obsluz([&] { KlikNaOdpoved(pole); });
        });
    }
    for (QObject* o : std::initializer_list<QObject*>{lbA, lbB, lbC, pOtazka, pInfo, Info.btn})
        if (o)
            o->installEventFilter(vstup_.get());
    if (Info.btn) {
        Info.btn->show();
        Info.btn->setFocus();
    }
}

void TViewPrZk::RozmistiPruh(QLabel* dalsiRadek) {
    const int x =
        std::max({pravyOkraj(lbInfoText), pravyOkraj(lbSpatnaInfo), pravyOkraj(lbIgnorInfo)}) +
        kMezera;
    bvTexty->move(x, 6);
    const int xTextu = x + 2 + kMezera;
    const int r1 = lbInfoText->y();
    const int r2 = lbSpatnaInfo->y();
    const int r3 = lbIgnorInfo->y();
    for (QLabel* l : {lbRezim, lbUzivatel})
        l->adjustSize();
    lbPokyn->move(xTextu, r1);
    lbRezim->move(xTextu, r2);
    lbUzivatel->move(xTextu, r3);
    lbSkupina->move(pravyOkraj(lbUzivatel) + 30, r3);
    if (dalsiRadek)
        dalsiRadek->move(xTextu, r2);

    int sirkaPocitadel = 0;
    for (QLabel* l : lbPocitadla)
        sirkaPocitadel = std::max(sirkaPocitadel, l->width());
    vejdiSe(lbPokyn, pInfo->width() - 8 - sirkaPocitadel - 2 * kMezera - 2 - xTextu);

    int pravyTextu = std::max({pravyOkraj(lbPokyn), pravyOkraj(lbRezim), pravyOkraj(lbSkupina)});
    if (dalsiRadek)
        pravyTextu = std::max(pravyTextu, pravyOkraj(dalsiRadek));
    bvPocitadla->move(pravyTextu + kMezera, 6);
    const int xPocitadel = pravyTextu + kMezera + 2 + kMezera;
    lbPocitadla[0]->move(xPocitadel, r1);
    lbPocitadla[1]->move(xPocitadel, r2);
    lbPocitadla[2]->move(xPocitadel, r3);
    NastavPocitadlo(0, lbPocitadla[0]->text());
}

void TViewPrZk::NastavPocitadlo(int i, const QString& text) {
    QLabel* l = lbPocitadla[static_cast<size_t>(i)];
    l->setText(text);
    l->adjustSize();
    const int pravy = pravyOkraj(lbPocitadla[0]);
    for (size_t k = 1; k < lbPocitadla.size(); ++k)
        lbPocitadla[k]->move(pravy - lbPocitadla[k]->width(), lbPocitadla[k]->y());
}

QLabel* TViewPrZk::znacka(int slot) const {
    switch (slot) {
    case 0:
        return imgA;
    case 1:
        return imgB;
    default:
        return imgC;
    }
}

void TViewPrZk::PolozOtazku(int cislo, const QString& poradi) {
    ZobrazOtazku(cislo, poradi);
    if (!Databaze->Platna)
        throw KolomatChyba(QStringLiteral("Otázka číslo %1 je v databázi otázek vyřazena a "
                                          "nelze ji položit.")
                               .arg(cislo));
    SmazatZnacky();
    BezC = Databaze->C.isEmpty();
    mC->setVisible(!BezC);
    lbC->setVisible(!BezC);
    ceka = true;
}

void TViewPrZk::SmazatZnacky() {
    for (int slot = 0; slot < 3; ++slot) {
        QLabel* z = znacka(slot);
        nastavObrazek(z, kZnackaAno);
        z->hide();
    }
}

void TViewPrZk::PrepniSlot(int slot) {
    QLabel* z = znacka(slot);
    const bool vybrana = !z->isHidden();
    for (int s = 0; s < 3; ++s)
        znacka(s)->hide();
    z->setVisible(!vybrana);
}

bool TViewPrZk::Vyhodnotit(const QString& spravne) {
    ceka = false;
    bool vysledek = true;
    for (int slot = 0; slot < 3; ++slot) {
        QLabel* z = znacka(slot);
        const bool vybrana = !z->isHidden();
        const bool spravna = spravne.contains(kSloty.at(slot));
        if (vybrana && !spravna) {
            nastavObrazek(z, kZnackaNe);
            z->show();
            vysledek = false;
        } else if (!vybrana && spravna) {
            nastavObrazek(z, kZnackaChyba);
            z->show();
            vysledek = false;
        }
    }
    return vysledek;
}

void TViewPrZk::OznacitSpravnou() {
    if (!Aktivni || !ceka)
        return;
    for (int slot = 0; slot < 3; ++slot)
        znacka(slot)->setVisible(Databaze->Spravne.contains(kSloty.at(slot)));
    ceka = false;
}

void TViewPrZk::KlikNaOdpoved(QObject* odesilatel) {
    if (!ceka || !odesilatel)
        return;
    const int tag = odesilatel->property("Tag").toInt();
    if (tag >= 1 && tag <= 3)
        PrepniSlot(tag - 1);
}

void TViewPrZk::StiskKlavesy(QChar znak) {
    if (znak == kEnter) {
        Potvrdit();
        return;
    }
    if (!ceka)
        return;
    const QChar z = znak.toUpper();
    if (z == u'A')
        PrepniSlot(0);
    else if (z == u'B')
        PrepniSlot(1);
    else if (z == u'C' && !BezC)
        PrepniSlot(2);
}

void TViewPrZk::StiskMysi(Qt::MouseButton tlacitko) {
    if (tlacitko == Qt::RightButton)
        Potvrdit();
}

void TViewPrZk::Oznam(bool spravne) {
    QPalette p = pnOznameni->palette();
    p.setColor(QPalette::WindowText, spravne ? QColor(0, 128, 0) : QColor(255, 0, 0));
    pnOznameni->setPalette(p);
    pnOznameni->setText(spravne ? QStringLiteral("Správně") : QStringLiteral("Špatně"));
    pnOznameni->show();
    pnOznameni->raise();
    // A flash already running keeps its timer: the newer text goes at its tick.
    if (!tmOznameni->isActive())
        tmOznameni->start();
}

void TViewPrZk::SkrytOznameni() {
    if (tmOznameni)
        tmOznameni->stop();
    if (pnOznameni)
        pnOznameni->hide();
}

void TViewPrZk::KonecBehu(bool protokol) {
    QMainWindow* okno = Info.HlavniFormular;
    QMenuBar* menu = Info.MainMenu1;
    QStatusBar* radek = Info.StatusBar;
    const bool zobrazitRadek = Info.Stavovy_radek;

    StavProtokolu stav = StavProtokolu::Nevytvoren;
    if (protokol) {
        // A results file that cannot be read or written stays as it was; the run still
        // ends with its evaluation.
        const QString chyba = zpravy::textChyby([&] { UlozitVysledek(); });
        stav = chyba.isEmpty() ? StavProtokolu::Vytvoren : StavProtokolu::Selhal;
        if (!chyba.isEmpty())
            zpravy::chyba(okno, QStringLiteral("Výsledek se nepodařilo uložit.\n") + chyba);
    }
    zpravy::zachyt(okno, [&] { ZobrazitVyhodnoceni(stav); });
    Ukoncit();
    if (okno && menu)
        PrepniMenu(okno, menu);
    if (radek)
        radek->setVisible(zobrazitRadek);
}

void TViewPrZk::UkazVyhodnoceni(TUdajeVyhodnoceni udaje) {
    udaje.Uzivatel = Info.Nazev;
    udaje.Skupina = Info.Skupina;
    udaje.Spravne = pocitadla.Spravnych;
    udaje.Spatne = pocitadla.Spatnych();
    udaje.Uspesnost = pocitadla.Procenta();
    TPZVyhodnoceni okno(Info.HlavniFormular);
    okno.Vypln(udaje);
    Vycentruj(&okno, Info.HlavniFormular);
    okno.exec();
}

void TViewPrZk::UkoncitPrZk() {
    for (QObject* o : std::initializer_list<QObject*>{pOtazka, pInfo, Info.btn})
        if (o)
            o->removeEventFilter(vstup_.get());
    if (Info.btn)
        Info.btn->hide();
    delete tmOznameni;
    tmOznameni = nullptr;
    for (QWidget* w : pridane_)
        delete w;
    pridane_.clear();
    pnOznameni = nullptr;
    imgSpatnaInfo = lbSpatnaInfo = imgIgnorInfo = lbIgnorInfo = lbPokyn = lbSkupina = nullptr;
    bvTexty = bvPocitadla = nullptr;
    lbPocitadla = {};
    ceka = false;
    Ukonci();
}

void TViewPrZk::Potvrdit() {
    if (!Aktivni)
        return;
    if (ceka) {
        ++pocitadla.Zodpovezeno;
        const QString zvoleno = ZvolenaPismena();
        const bool ok = Vyhodnotit(Databaze->Spravne);
        if (ok)
            ++pocitadla.Spravnych;
        ZapsatDoHistorie(zvoleno, ok, false);
        Zapocitat(ok);
        Oznam(ok);
        NastavPocitadlo(2, QStringLiteral("Úspěšnost: %1%").arg(pocitadla.Procenta()));
    } else if (beh.Prazdny()) {
        // The profile's flags: practice first, exam second.
        KonecBehu(TextNaBool(Info.Protokoly.mid(zkouseni_ ? 1 : 0, 1)));
    } else {
        PolozAktualni();
    }
}

QString TViewPrZk::ZvolenaPismena() const {
    QString pismena;
    for (int slot = 0; slot < 3; ++slot)
        if (!znacka(slot)->isHidden() && slot < poradiOdpovedi_.size())
            pismena += poradiOdpovedi_.at(slot);
    std::sort(pismena.begin(), pismena.end());
    return pismena;
}

void TViewPrZk::ZapsatDoHistorie(const QString& zvoleno, bool spravne, bool napoveda) {
    if (!Info.Historie)
        return;
    const QString chyba = Info.Historie->Zapsat(
        {Info.Nazev, QDateTime::currentDateTime(), zkouseni_ ? kRezimZkouseni : kRezimProcvicovani,
         beh.AktualniCislo(), Databaze->Kod, zvoleno, spravne, napoveda});
    if (!chyba.isEmpty() && !historieHlasena_) {
        historieHlasena_ = true;
        zpravy::chyba(Info.HlavniFormular, chyba);
    }
}

void TViewPrZk::Ukoncit() {
    beh.Vyprazdni();
    UkoncitPrZk();
}

void TViewPrZk::UlozitVysledek() {
    TVysledek zaklad;
    zaklad.TypTestu = zkouseni_ ? kTypZkouseni : kTypProcvicovani;
    zaklad.Profil = Info.Nazev;
    zaklad.Datum = QDate::currentDate();
    zaklad.Cas = QTime::currentTime();
    zaklad.Skupina = Info.Skupina;
    zaklad.Kategorie = Info.Kategorie;
    zaklad.Uspesnost = pocitadla.Procenta();
    PridatVysledek(SestavVysledek(zaklad, beh.Vybrane));
}

void TViewPrZk::ZobrazitVyhodnoceni(StavProtokolu protokol) {
    TUdajeVyhodnoceni u;
    u.Zkouseni = zkouseni_;
    u.PocetOtazek = static_cast<int>(beh.Vybrane.size());
    u.Napovedy = zkouseni_ ? 0 : beh.SoucetNapoved();
    u.Protokol = protokol;
    UkazVyhodnoceni(u);
}

// Practice.

TProcvicovani::~TProcvicovani() {
    if (Aktivni)
        Ukoncit();
}

void TProcvicovani::Spustit(const TInfo& info, const std::vector<TVybranaOtazka>& vybrane) {
    if (vybrane.empty())
        throw KolomatChyba(QStringLiteral("Pro procvičování nebyla vybrána žádná otázka."));
    Sestavit(info);
    try {
        beh = BehOtazek(vybrane);
        lbNapoveda = NovyPopisek(QStringLiteral("Pro pomoc stiskněte \"Označ správnou odpověď\""),
                                 "lbNapoveda");
        lbRezim->setText(
            QStringLiteral("Pro ukončení režimu procvičování stiskněte \"Konec režimu\""));
        NastavPocitadlo(0, QStringLiteral("Otázek k procvičení: %1").arg(beh.Vybrane.size()));
        NastavPocitadlo(1, QStringLiteral("Procvičeno otázek: 0"));
        NastavPocitadlo(2, QStringLiteral("Úspěšnost: 0%"));
        RozmistiPruh(lbNapoveda);

        // Four lines in the text column, evenly spaced in the strip.
        const int h = lbIgnorInfo->height();
        const int mezera = (kVyskaPruhu - 4 * h) / 5;
        lbPokyn->move(lbPokyn->x(), mezera);
        lbRezim->move(lbRezim->x(), lbPokyn->y() + lbPokyn->height() + mezera);
        lbNapoveda->move(lbNapoveda->x(), lbRezim->y() + lbRezim->height() + mezera);
        lbUzivatel->move(lbUzivatel->x(), lbNapoveda->y() + lbNapoveda->height() + mezera);
        lbSkupina->move(lbSkupina->x(), lbUzivatel->y());

        PolozAktualni();
    } catch (...) {
        Ukoncit();
        throw;
    }
}

void TProcvicovani::PolozAktualni() {
    PolozOtazku(beh.AktualniCislo(), NahodnePoradi(QStringLiteral("ABC")));
}

void TProcvicovani::Zapocitat(bool spravne) {
    if (beh.OdpovedProcvicovani(spravne))
        NastavPocitadlo(1, QStringLiteral("Procvičeno otázek: %1").arg(beh.Hotovo()));
}

void TProcvicovani::Napoveda() {
    if (!Aktivni || !ceka)
        return;
    // A hint counts in the history as an answer not known.
    ZapsatDoHistorie(ZvolenaPismena(), false, true);
    OznacitSpravnou();
    beh.Napoveda();
}

void TProcvicovani::Ukoncit() {
    lbNapoveda = nullptr; // freed with the strip
    TViewPrZk::Ukoncit();
}

// Exam.

TZkouseni::~TZkouseni() {
    if (Aktivni)
        Ukoncit();
}

void TZkouseni::Spustit(const TInfo& info, const std::vector<TVybranaOtazka>& vybrane) {
    if (vybrane.empty())
        throw KolomatChyba(QStringLiteral("Pro zkoušení nebyla vybrána žádná otázka."));
    Sestavit(info);
    try {
        beh = BehOtazek(vybrane);
        lbRezim->setText(QStringLiteral("Pro ukončení režimu zkoušení stiskněte \"Konec režimu\""));
        const int n = static_cast<int>(beh.Vybrane.size());
        NastavPocitadlo(0, QStringLiteral("Celkem otázek: %1").arg(n));
        NastavPocitadlo(1, QStringLiteral("Zbývá otázek: %1").arg(n));
        NastavPocitadlo(2, QStringLiteral("Úspěšnost: 0%"));
        RozmistiPruh();
        PolozAktualni();
    } catch (...) {
        Ukoncit();
        throw;
    }
}

void TZkouseni::PolozAktualni() {
    PolozOtazku(beh.AktualniCislo(), QStringLiteral("ABC"));
    NastavPocitadlo(1, QStringLiteral("Zbývá otázek: %1").arg(beh.Fronta.size()));
}

void TZkouseni::Zapocitat(bool spravne) {
    beh.OdpovedZkouseni(spravne);
}
