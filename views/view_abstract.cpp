#include "views/view_abstract.h"

#include "core/historie.h"
#include "core/obrazek_otazky.h"
#include "views/textove_pole.h"
#include "widgets/okna.h"
#include "widgets/zpravy.h"
#include "widgets/zvetseny_obrazek.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>

namespace {

const QString kSlotLetters = QStringLiteral("ABC");
constexpr int kVyskaNaPrani = 56;

// Labels of a run are made on panels already shown, so they must be shown themselves.
QLabel* popisekNaPanelu(QWidget* panel, const QString& text, int x, int y) {
    QLabel* l = NovyPopisek(panel, nullptr, text, x, y);
    l->show();
    return l;
}

QLabel* novyObrazek(QWidget* rodic, int x, int y) {
    auto* obrazek = new QLabel(rodic);
    obrazek->move(x, y);
    return obrazek;
}

void nactiObrazek(QLabel* obrazek, const QString& soubor) {
    obrazek->setPixmap(QPixmap(soubor));
    obrazek->adjustSize();
}

TextovePole* novePole(QWidget* rodic, const QFont& pismo, int x) {
    auto* pole = new TextovePole(rodic);
    pole->setFont(pismo);
    pole->move(x, 0);
    pole->show();
    return pole;
}

} // namespace

TView::TView() : ovladani_(std::make_unique<OvladaniPanelu>(*this)) {}

TView::~TView() {
    if (Aktivni)
        Ukonci();
    if (PanelyVytvoreny) {
        delete skOtazka.data(); // with pOtazka
        delete pInfo.data();
    }
}

QFont TView::PismoOtazky() const {
    QFont pismo(Info.Pismo_font);
    pismo.setPointSize(std::clamp(Info.Pismo_velikost, 6, 96));
    return pismo;
}

void TView::Rozvrhni() {
    if (!Info.HlavniFormular)
        return;
    if (QLayout* l = Info.HlavniFormular->layout())
        l->activate();
    if (QWidget* plocha = Info.HlavniFormular->centralWidget(); plocha && plocha->layout())
        plocha->layout()->activate();
    if (skOtazka && pOtazka)
        pOtazka->resize(Viditelne());
}

QSize TView::Viditelne() const {
    return skOtazka->maximumViewportSize();
}

void TView::NastavVyskuPanelu(int vyska) {
    const QSize viditelne = Viditelne();
    const bool posuv = vyska > viditelne.height();
    const int sirka =
        viditelne.width() - (posuv ? skOtazka->verticalScrollBar()->sizeHint().width() : 0);
    pOtazka->resize(sirka, std::max(vyska, viditelne.height()));
}

void TView::VytvorPanely() {
    QWidget* plocha = Info.HlavniFormular->centralWidget();
    auto* rozvrzeni = qobject_cast<QBoxLayout*>(plocha->layout());
    if (!rozvrzeni) {
        rozvrzeni = new QVBoxLayout(plocha);
        rozvrzeni->setContentsMargins(0, 0, 0, 0);
        rozvrzeni->setSpacing(0);
    }
    skOtazka = new QScrollArea(plocha);
    skOtazka->setObjectName(QStringLiteral("skOtazka"));
    skOtazka->setFrameShape(QFrame::NoFrame);
    skOtazka->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    skOtazka->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    skOtazka->setWidgetResizable(false);
    // The keys stay with the view's focus button; the area is scrolled by the view.
    skOtazka->setFocusPolicy(Qt::NoFocus);
    pOtazka = new QWidget;
    pOtazka->setObjectName(QStringLiteral("pOtazka"));
    pOtazka->setAutoFillBackground(true);
    QPalette bila = pOtazka->palette();
    bila.setColor(QPalette::Window, Qt::white);
    pOtazka->setPalette(bila);
    skOtazka->setPalette(bila);
    skOtazka->setWidget(pOtazka);
    pInfo = new QWidget(plocha);
    pInfo->setObjectName(QStringLiteral("pInfo"));
    pInfo->setAutoFillBackground(true);
    QPalette tlacitko = pInfo->palette();
    tlacitko.setColor(QPalette::Window, tlacitko.color(QPalette::Button));
    pInfo->setPalette(tlacitko);
    rozvrzeni->addWidget(skOtazka, 1);
    rozvrzeni->addWidget(pInfo, 0);
    PanelyVytvoreny = true;
}

void TView::Priprav(const TInfo& info) {
    // The database first: when it cannot be opened, nothing is built and the view
    // stays idle.
    auto databaze = std::make_unique<TOtazka>();
    Info = info;
    Databaze = std::move(databaze);
    Aktivni = true;

    if (!PanelyVytvoreny || !skOtazka || !pInfo)
        VytvorPanely();
    skOtazka->show();
    pOtazka->show();
    pInfo->show();
    skOtazka->verticalScrollBar()->setValue(0);
    Rozvrhni();

    const QFont pismo = PismoOtazky();
    imgA = novyObrazek(pOtazka, 8, 0);
    imgB = novyObrazek(pOtazka, 8, 0);
    imgC = novyObrazek(pOtazka, 8, 0);
    imgObrazek = novyObrazek(pOtazka, 0, 8);
    obrazekNacten = false;

    lbCislo = popisekNaPanelu(pOtazka, QString(), 8, 8);
    lbCislo->setFont(pismo);
    lbOznacena = popisekNaPanelu(pOtazka, QStringLiteral("★ Označená otázka"), 0, 8);
    lbOznacena->setObjectName(QStringLiteral("lbOznacena"));
    QFont tucne = pismo;
    tucne.setBold(true);
    lbOznacena->setFont(tucne);
    QPalette oranzova = lbOznacena->palette();
    oranzova.setColor(QPalette::WindowText, QColor(192, 80, 0));
    lbOznacena->setPalette(oranzova);
    lbOznacena->adjustSize();
    lbOznacena->hide();
    lbA = popisekNaPanelu(pOtazka, QStringLiteral("a)"), 30, 0);
    lbB = popisekNaPanelu(pOtazka, QStringLiteral("b)"), 30, 0);
    lbC = popisekNaPanelu(pOtazka, QStringLiteral("c)"), 30, 0);
    for (QLabel* l : {lbA, lbB, lbC}) {
        l->setFont(pismo);
        l->adjustSize();
    }
    mO = novePole(pOtazka, pismo, 8);
    QPalette modra = mO->palette();
    modra.setColor(QPalette::Text, QColor(0, 0, 255));
    mO->setPalette(modra);
    mA = novePole(pOtazka, pismo, lbA->x() + lbA->width() + 5);
    mB = novePole(pOtazka, pismo, lbB->x() + lbB->width() + 5);
    mC = novePole(pOtazka, pismo, lbC->x() + lbC->width() + 5);
    const std::initializer_list<std::pair<QWidget*, const char*>> jmena{
        {imgA, "imgA"},       {imgB, "imgB"}, {imgC, "imgC"}, {imgObrazek, "imgObrazek"},
        {lbCislo, "lbCislo"}, {lbA, "lbA"},   {lbB, "lbB"},   {lbC, "lbC"},
        {mO, "mO"},           {mA, "mA"},     {mB, "mB"},     {mC, "mC"}};
    for (const auto& [w, jmeno] : jmena)
        w->setObjectName(QString::fromLatin1(jmeno));
    lbA->setProperty("Tag", 1);
    mA->setProperty("Tag", 1);
    lbB->setProperty("Tag", 2);
    mB->setProperty("Tag", 2);
    lbC->setProperty("Tag", 3);
    mC->setProperty("Tag", 3);

    lbInfo = popisekNaPanelu(pInfo, QStringLiteral("Info:"), 10, 8);
    imgInfo = novyObrazek(pInfo, lbInfo->width() + 20, 6);
    imgInfo->setObjectName(QStringLiteral("imgInfo"));
    nactiObrazek(imgInfo, QStringLiteral("grafika/yes_info.png"));
    imgInfo->show();
    lbInfoText = popisekNaPanelu(pInfo, QStringLiteral("Správná odpověď"), 0, 0);
    lbInfoText->move(imgInfo->x() + imgInfo->width() + 5,
                     imgInfo->y() + (imgInfo->height() - lbInfoText->height()) / 2);

    const int w = pInfo->width();
    lbRezim = popisekNaPanelu(pInfo, QStringLiteral("test"), w - 250, 8);
    lbRezim->setAlignment(Qt::AlignCenter);
    lbUzivatel = popisekNaPanelu(pInfo, QStringLiteral("Aktivní profil uživatele: ") + Info.Nazev,
                                 w - 250, lbRezim->y() + lbRezim->height() + 10);
    lbUzivatel->setAlignment(Qt::AlignCenter);
    lbRezim->setObjectName(QStringLiteral("lbRezim"));
    PojmenujProCtecku();

    // The picture enlarged: a click on it, or the key Z.
    imgObrazek->installEventFilter(ovladani_.get());
    imgObrazek->setCursor(Qt::PointingHandCursor);
    klavesaZvetseni_ = new QShortcut(QKeySequence(kKlavesaZvetseni), Info.HlavniFormular);
    QObject::connect(klavesaZvetseni_, &QShortcut::activated, pOtazka,
                     [this] { ZvetsitObrazek(); });
    klavesaOznaceni_ = new QShortcut(QKeySequence(kKlavesaOznaceni), Info.HlavniFormular);
    QObject::connect(klavesaOznaceni_, &QShortcut::activated, pOtazka,
                     [this] { PrepniOznaceni(); });
    lbUzivatel->setObjectName(QStringLiteral("lbUzivatel"));
}

void TView::VyplnOdpoved(TextovePole* box, QChar pismeno) {
    if (pismeno == u'A')
        box->nastavText(Databaze->A);
    else if (pismeno == u'B')
        box->nastavText(Databaze->B);
    else if (pismeno == u'C')
        box->nastavText(Databaze->C);
}

void TView::ZobrazOtazku(int cislo, const QString& poradi) {
    imgObrazek->hide();
    obrazekNacten = false;
    skOtazka->verticalScrollBar()->setValue(0);
    Databaze->Nacti(cislo);
    zobrazeneCislo_ = cislo;
    UkazOznaceni();
    if (!Databaze->Platna) {
        NastavVyskuPanelu(0);
        return;
    }

    lbCislo->setText(
        QStringLiteral("Otázka číslo %1; Kód dle věstníku MDS: %2").arg(cislo).arg(Databaze->Kod));
    lbCislo->adjustSize();
    mO->nastavText(Databaze->Otazka);
    mA->clear();
    mB->clear();
    mC->clear();

    QString pouzite = poradi;
    const auto pismeno = [&](qsizetype i) { return i < pouzite.size() ? pouzite.at(i) : QChar(); };
    if (!Databaze->C.isEmpty()) {
        VyplnOdpoved(mA, pismeno(0));
        VyplnOdpoved(mB, pismeno(1));
        VyplnOdpoved(mC, pismeno(2));
    } else {
        pouzite.remove(u'C');
        VyplnOdpoved(mA, pismeno(0));
        VyplnOdpoved(mB, pismeno(1));
    }
    PrehodOdpovedi(pouzite);
    poradiOdpovedi_ = pouzite;

    if (!Databaze->Obrazek.isEmpty()) {
        const QPixmap obrazek = QPixmap::fromImage(
            NactiObrazekOtazky(Databaze->Obrazek, imgObrazek->devicePixelRatioF()));
        if (!obrazek.isNull()) {
            imgObrazek->setPixmap(obrazek);
            imgObrazek->adjustSize();
            obrazekNacten = true;
        }
    }
    Rozmisti();
}

void TView::PrehodOdpovedi(const QString& poradi) {
    Databaze->A = mA->text();
    Databaze->B = mB->text();
    Databaze->C = mC->text();
    QString spravne;
    for (QChar x : kSlotLetters) {
        if (!Databaze->Spravne.contains(x))
            continue;
        const qsizetype pozice = poradi.indexOf(x);
        if (pozice >= 0 && pozice < kSlotLetters.size())
            spravne += kSlotLetters.at(pozice);
    }
    Databaze->Spravne = spravne.left(1);
}

void TView::Rozmisti() {
    // Laid out at the visible width; a question longer than the visible part is laid out
    // again beside the scroll bar it then needs.
    const QSize viditelne = Viditelne();
    int spodek = RozmistiNaSirku(viditelne.width());
    if (spodek + RezervaDole() > viditelne.height()) {
        const int uzsi = viditelne.width() - skOtazka->verticalScrollBar()->sizeHint().width();
        spodek = RozmistiNaSirku(uzsi);
    }
    spodekObsahu_ = spodek;
    NastavVyskuPanelu(spodek + RezervaDole());
    if (obrazekNacten)
        imgObrazek->show();
    PoRozmisteni();
}

int TView::RozmistiNaSirku(int w) {
    const int velikost = PismoOtazky().pointSize();
    const bool obrazek = obrazekNacten;

    // The heading wraps rather than being cut when the font is too wide for one line.
    lbCislo->setWordWrap(false);
    lbCislo->adjustSize();
    if (lbCislo->width() > w - 16) {
        lbCislo->setWordWrap(true);
        lbCislo->resize(w - 16, lbCislo->heightForWidth(w - 16));
    }
    // The mark stands at the right end of the heading's line, or below it when the
    // heading leaves no room.
    int podNadpisem = lbCislo->y() + lbCislo->height();
    if (!lbOznacena->isHidden()) {
        const int vpravo = w - lbOznacena->width() - 8;
        if (lbCislo->x() + lbCislo->width() + 16 <= vpravo) {
            lbOznacena->move(vpravo, lbCislo->y());
        } else {
            lbOznacena->move(8, podNadpisem + 2);
            podNadpisem = lbOznacena->y() + lbOznacena->height();
        }
    }
    mO->move(8, podNadpisem + 2);
    mO->resize(w - 16, 1);
    mO->resize(w - 16, mO->vyskaProText(velikost));

    lbA->move(lbA->x(), mO->y() + mO->height() + 10);
    mA->move(mA->x(), lbA->y());
    int sirkaA = w - mA->x() - 8;
    if (obrazek) {
        imgObrazek->move(w - imgObrazek->width() - 8, lbA->y());
        sirkaA = imgObrazek->x() - mA->x() - 8;
    }
    mA->resize(sirkaA, 1);
    mA->resize(sirkaA, mA->vyskaProText(velikost));

    // Answers below the picture's bottom edge get the full width again.
    auto podOdpovedi = [&](QLabel* pismeno, TextovePole* pole, const TextovePole* nad) {
        pismeno->move(pismeno->x(), nad->y() + nad->height() + 2);
        pole->move(pole->x(), pismeno->y());
        const bool podObrazkem = obrazek && imgObrazek->y() + imgObrazek->height() < pole->y();
        const int sirka = obrazek && !podObrazkem ? mA->width() : w - pole->x() - 8;
        pole->resize(sirka, 1);
        pole->resize(sirka, pole->vyskaProText(velikost));
    };
    podOdpovedi(lbB, mB, mA);
    podOdpovedi(lbC, mC, mB);

    imgA->move(8, mA->y());
    imgB->move(8, mB->y());
    imgC->move(8, mC->y());

    int spodek =
        std::max({mA->geometry().bottom(), mB->geometry().bottom(), mC->geometry().bottom()});
    if (obrazek)
        spodek = std::max(spodek, imgObrazek->geometry().bottom());
    return spodek + 8;
}

// Names for a screen reader of the controls that show no text of their own.
void TView::PojmenujProCtecku() {
    mO->setAccessibleName(QStringLiteral("Text otázky"));
    const std::pair<QWidget*, const char*> nazvy[] = {
        {mA, "Odpověď a)"},
        {mB, "Odpověď b)"},
        {mC, "Odpověď c)"},
        {imgA, "Značka u odpovědi a)"},
        {imgB, "Značka u odpovědi b)"},
        {imgC, "Značka u odpovědi c)"},
        {imgObrazek, "Obrázek k otázce"},
        {imgInfo, "Značka správné odpovědi"},
    };
    for (const auto& [w, nazev] : nazvy)
        w->setAccessibleName(QString::fromUtf8(nazev));
    imgObrazek->setAccessibleDescription(
        QStringLiteral("Klepnutím nebo klávesou Z obrázek zvětšíte."));
}

void TView::ZvetsitObrazek() {
    if (Aktivni && obrazekNacten && Databaze && Databaze->Platna)
        UkazZvetsenyObrazek(Info.HlavniFormular, Databaze->Obrazek);
}

bool TView::OvladaniPanelu::eventFilter(QObject*, QEvent* udalost) {
    // The keys where a field that takes letters has the focus (browse mode's number),
    // which keeps the shortcuts from it.
    int klavesa = 0;
    if (udalost->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(udalost);
        if (k->modifiers() == Qt::NoModifier)
            klavesa = k->key();
    }
    const bool klik = udalost->type() == QEvent::MouseButtonPress &&
                      static_cast<QMouseEvent*>(udalost)->button() == Qt::LeftButton;
    if (klik || klavesa == kKlavesaZvetseni) {
        zpravy::zachyt(view_.Info.HlavniFormular, [&] { view_.ZvetsitObrazek(); });
        return true;
    }
    if (klavesa == kKlavesaOznaceni) {
        view_.PrepniOznaceni();
        return true;
    }
    return false;
}

bool TView::ZobrazenaOznacena() const {
    return Aktivni && Databaze && Databaze->Platna && Info.Historie &&
           Info.Historie->JeOznacena(Info.Nazev, zobrazeneCislo_);
}

void TView::PrepniOznaceni() {
    if (!Aktivni || !Databaze || !Databaze->Platna)
        return;
    if (!Info.Historie) {
        zpravy::chyba(Info.HlavniFormular,
                      QStringLiteral("Otázky nelze označovat, protože historie odpovědí není k "
                                     "dispozici."));
        return;
    }
    const QString chyba =
        Info.Historie->NastavOznaceni(Info.Nazev, zobrazeneCislo_, !ZobrazenaOznacena());
    if (!chyba.isEmpty())
        zpravy::chyba(Info.HlavniFormular, chyba);
    UkazOznaceni();
    Rozmisti();
}

void TView::UkazOznaceni() {
    if (lbOznacena)
        lbOznacena->setVisible(ZobrazenaOznacena());
}

void TView::Ukonci() {
    delete klavesaZvetseni_;
    klavesaZvetseni_ = nullptr;
    delete klavesaOznaceni_;
    klavesaOznaceni_ = nullptr;
    for (QWidget* w : std::initializer_list<QWidget*>{imgA, imgB, imgC, imgObrazek, mA, mB, mC, mO,
                                                      lbCislo, lbOznacena, lbA, lbB, lbC, imgInfo,
                                                      lbInfo, lbInfoText, lbRezim, lbUzivatel})
        delete w;
    lbOznacena = nullptr;
    zobrazeneCislo_ = 0;
    imgA = imgB = imgC = imgObrazek = nullptr;
    mA = mB = mC = mO = nullptr;
    lbCislo = lbA = lbB = lbC = imgInfo = lbInfo = lbInfoText = lbRezim = lbUzivatel = nullptr;
    if (skOtazka)
        skOtazka->hide();
    if (pInfo)
        pInfo->hide();
    Databaze.reset();
    obrazekNacten = false;
    Aktivni = false;
}

TProhlizeni::~TProhlizeni() {
    if (Aktivni)
        Ukoncit();
}

void TProhlizeni::Spustit(const TInfo& info) {
    Priprav(info);
    lbRezim->setText(QStringLiteral("Pro ukončení režimu prohlížení stiskněte \"Konec režimu\""));
    lbRezim->adjustSize();
    lbRezim->move(lbRezim->x(), lbRezim->y() + 4);
    pInfo->setFixedHeight(56);
    Rozvrhni();
    // Long texts in a wide font would run past the strip's right edge.
    for (QLabel* l : {lbRezim, lbUzivatel})
        l->move(std::min(pInfo->width() - 250, pInfo->width() - l->width() - 8), l->y());
    lbUzivatel->move(lbUzivatel->x(), lbRezim->y() + lbRezim->height() + 10);

    mPoznamka = new TextovePole(pOtazka);
    mPoznamka->setObjectName(QStringLiteral("mPoznamka"));
    mPoznamka->setFont(PismoOtazky());
    mPoznamka->nastavZarovnani(Qt::AlignHCenter);

    ZobrazZnacky(false);
    for (QLabel* znacka : {imgA, imgB, imgC}) {
        znacka->setPixmap(QPixmap(QStringLiteral("grafika/yes.png")));
        znacka->adjustSize();
    }

    pNaPrani = new QWidget(pOtazka);
    pNaPrani->setObjectName(QStringLiteral("pNaPrani"));
    pNaPrani->setAutoFillBackground(true);
    QPalette zluta = pNaPrani->palette();
    zluta.setColor(QPalette::Window, QColor(255, 255, 0));
    pNaPrani->setPalette(zluta);
    pNaPrani->setGeometry(pOtazka->width() - 158, pOtazka->height() - 64, 150, kVyskaNaPrani);

    lbNaPrani = new QLabel(QStringLiteral("Prohlížení na přání"), pNaPrani);
    QFont tucne = lbNaPrani->font();
    tucne.setBold(true);
    lbNaPrani->setFont(tucne);
    lbNaPrani->setAlignment(Qt::AlignCenter);
    lbNaPrani->adjustSize();
    lbNaPrani->move((pNaPrani->width() - lbNaPrani->width()) / 2, 8);

    seCislo = new QSpinBox(pNaPrani);
    seCislo->setObjectName(QStringLiteral("seCislo"));
    seCislo->setRange(1, kMinimumOtazek);
    seCislo->setValue(1);
    seCislo->resize(60, seCislo->sizeHint().height());
    seCislo->move(pNaPrani->width() / 2 - seCislo->width() / 2,
                  pNaPrani->height() - seCislo->height() - 8);
    QObject::connect(seCislo, &QSpinBox::valueChanged, pNaPrani, [this](int hodnota) {
        zpravy::zachyt(pOtazka, [&] { seCisloChanged(hodnota); });
    });
    pNaPrani->show();
    seCislo->installEventFilter(ovladani_.get());
    seCislo->setAccessibleName(QStringLiteral("Číslo otázky"));
    seCislo->setFocus();

    Ukaz(1, QStringLiteral("ABC"));
}

int TProhlizeni::RezervaDole() const {
    return kVyskaNaPrani + 2 * 8;
}

void TProhlizeni::UmistiNaPrani() {
    if (pNaPrani)
        pNaPrani->move(pOtazka->width() - 158, pOtazka->height() - 64);
}

void TProhlizeni::Ukaz(int cislo, const QString& poradi) {
    ZobrazOtazku(cislo, poradi);
    UmistiNaPrani();
    if (Databaze->Platna) {
        ZobrazOdpovedi(true);
        mPoznamka->hide();
        imgA->setVisible(Databaze->Spravne.contains(u'A'));
        imgB->setVisible(Databaze->Spravne.contains(u'B'));
        imgC->setVisible(Databaze->Spravne.contains(u'C'));
        return;
    }
    ZobrazOdpovedi(false);
    ZobrazZnacky(false);
    lbCislo->setText(QStringLiteral("Otázka číslo %1").arg(cislo));
    lbCislo->adjustSize();
    mPoznamka->clear();
    QFont normalni = mPoznamka->font();
    normalni.setBold(false);
    normalni.setItalic(false);
    mPoznamka->setFont(normalni);
    mPoznamka->nastavText(QStringLiteral("Otázka vyřazena během novelizace"));
    const int w = pOtazka->width();
    mPoznamka->resize(w - 16, 1);
    mPoznamka->resize(w - 16, mPoznamka->vyskaProText(mC->font().pointSize()));
    mPoznamka->move(8, pOtazka->height() / 2 - mPoznamka->height() / 2);
    mPoznamka->show();
}

void TProhlizeni::ZobrazOdpovedi(bool zobrazit) {
    for (QWidget* w : std::initializer_list<QWidget*>{mO, mA, mB, lbA, lbB})
        w->setVisible(zobrazit);
    const bool sC = zobrazit && !Databaze->C.isEmpty();
    mC->setVisible(sC);
    lbC->setVisible(sC);
}

void TProhlizeni::ZobrazZnacky(bool zobrazit) {
    for (QWidget* w : std::initializer_list<QWidget*>{imgA, imgB, imgC, imgObrazek})
        w->setVisible(zobrazit);
}

void TProhlizeni::seCisloChanged(int hodnota) {
    Ukaz(hodnota, QStringLiteral("ABC"));
}

void TProhlizeni::Ukoncit() {
    delete mPoznamka;
    delete lbNaPrani;
    delete seCislo;
    delete pNaPrani;
    mPoznamka = nullptr;
    lbNaPrani = nullptr;
    seCislo = nullptr;
    pNaPrani = nullptr;
    Ukonci();
}
