#include "pointtest/test.h"

#include "core/historie.h"
#include "core/obrazek_otazky.h"
#include "core/pomocne_fce.h"
#include "widgets/okna.h"
#include "widgets/pevne_okno.h"
#include "widgets/zpravy.h"
#include "widgets/zvetseny_obrazek.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QString kTitulek = QStringLiteral("Test z předpisů o provozu na pozemních komunikacích");
const QString kTitulekRevize =
    QStringLiteral("Vyhodnocení testu z předpisů o provozu na pozemních komunikacích");
const QString kOtazkaKonec = QStringLiteral("Opravdu chcete ukončit tento test?");

const QColor kZluta(255, 255, 0);
const QColor kZelena(0, 255, 0);
const QColor kCervena(255, 0, 0);

// The question area and its rows.
constexpr int kSirkaOblasti = 792;
constexpr int kSirkaOdpovedi = 737;
constexpr int kLevaOdpovedi = 51;
constexpr int kHorniObrazku = 100;
constexpr int kRadky[3] = {104, 222, 340};
constexpr int kVyskaRadku = 112;
constexpr int kVyskaOtazky = 76;
// The scrolled part of the question box: everything inside its frame, below its
// caption. Positions are given in the box's coordinates and shifted into it.
constexpr QPoint kPosunOblasti(4, 18);
constexpr int kVyskaBoxu = 466;
// The bottom panel's buttons.
constexpr int kSirkaTlacitka = 125;
constexpr int kPosunTlacitek = 30;

void nastavText(QLabel* l, const QString& text) {
    l->setText(text);
    l->adjustSize();
}

void nastavTucne(QWidget* w, bool tucne) {
    QFont f = w->font();
    f.setBold(tucne);
    w->setFont(f);
}

void nastavBarvuTextu(QWidget* w, const QColor& barva) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, barva);
    w->setPalette(p);
}

void nastavPozadi(QWidget* w, QPalette::ColorRole role, const QColor& barva) {
    QPalette p = w->palette();
    p.setColor(role, barva);
    w->setPalette(p);
}

QTextEdit* textovePole(QWidget* rodic, const char* jmeno, const QRect& misto) {
    auto* pole = new QTextEdit(rodic);
    pole->setObjectName(QString::fromLatin1(jmeno));
    pole->setReadOnly(true);
    pole->setAcceptRichText(false);
    pole->setGeometry(misto);
    pole->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pole->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return pole;
}

// Places a box's lines one under another, 17 pixels apart, from the top of its contents:
// under its caption wherever the style draws it (beside the frame's top edge or above
// it), and closer together when the box would otherwise cut the last one.
void rozmistiRadky(const QGroupBox* box, std::initializer_list<QLabel*> radky) {
    const QRect obsah = box->contentsRect();
    int vyska = 0;
    for (const QLabel* l : radky)
        vyska = std::max(vyska, l->height());
    const int horni = std::max(16, obsah.top());
    const int pocet = static_cast<int>(radky.size());
    const int krok =
        pocet > 1 ? std::min(17, (obsah.bottom() + 1 - horni - vyska) / (pocet - 1)) : 17;
    int y = horni;
    for (QLabel* l : radky) {
        l->move(l->x(), y);
        y += krok;
    }
}

QPushButton* tlacitko(QWidget* rodic, const char* jmeno, const QString& text, int x, int y) {
    auto* b = new QPushButton(text, rodic);
    b->setObjectName(QString::fromLatin1(jmeno));
    b->setGeometry(x, y, kSirkaTlacitka, 28);
    return b;
}

} // namespace

TTestForm::TTestForm(QWidget* vlastnik, const TInfo& info) : QDialog(vlastnik), info_(info) {
    setObjectName(QStringLiteral("TestForm"));
    setWindowTitle(kTitulek);
    PevneOkno(this, 800, 580);
    VytvorOvladaci();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this,
            [this] { zpravy::zachyt(this, [&] { Timer1Timer(); }); });
}

TTestForm::~TTestForm() = default;

void TTestForm::VytvorOvladaci() {
    gbOtazka = new QGroupBox(this);
    gbOtazka->setObjectName(QStringLiteral("gbOtazka"));
    gbOtazka->setGeometry(4, 2, kSirkaOblasti, kVyskaBoxu);
    // The question, the answers and the picture keep the box's fixed layout while they
    // fit; with a large font the fields grow to their text, the rows move down and the
    // area scrolls.
    skOtazka = new QScrollArea(gbOtazka);
    skOtazka->setObjectName(QStringLiteral("skOtazka"));
    skOtazka->setGeometry(kPosunOblasti.x(), kPosunOblasti.y(),
                          kSirkaOblasti - 2 * kPosunOblasti.x(),
                          kVyskaBoxu - kPosunOblasti.y() - 4);
    skOtazka->setFrameShape(QFrame::NoFrame);
    skOtazka->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    skOtazka->setWidgetResizable(false);
    skOtazka->setFocusPolicy(Qt::NoFocus);
    skOtazka->viewport()->setAutoFillBackground(false);
    pObsah = new QWidget;
    pObsah->setObjectName(QStringLiteral("pObsah"));
    skOtazka->setWidget(pObsah);
    pObsah->resize(skOtazka->maximumViewportSize());

    mO = textovePole(pObsah, "mO",
                     QRect(QPoint(8, 20) - kPosunOblasti, QSize(kSirkaOblasti - 16, kVyskaOtazky)));
    nastavPozadi(mO, QPalette::Text, QColor(0, 0, 255));

    QFont pismeno = font();
    pismeno.setPixelSize(48);
    pismeno.setBold(true);
    const char* panely[3] = {"pA", "pB", "pC"};
    const char* pole[3] = {"mA", "mB", "mC"};
    QLabel* p[3];
    QTextEdit* m[3];
    for (int i = 0; i < 3; ++i) {
        p[i] = new QLabel(QString(QChar(u'A' + i)), pObsah);
        p[i]->setObjectName(QString::fromLatin1(panely[i]));
        p[i]->setGeometry(QRect(QPoint(8, kRadky[i]) - kPosunOblasti, QSize(40, kVyskaRadku)));
        p[i]->setAccessibleName(QStringLiteral("Volba odpovědi %1").arg(QChar(u'A' + i)));
        p[i]->setAlignment(Qt::AlignCenter);
        p[i]->setFont(pismeno);
        p[i]->setAutoFillBackground(true);
        p[i]->setCursor(Qt::PointingHandCursor);
        nastavBarvuTextu(p[i], Qt::white);
        nastavPozadi(p[i], QPalette::Window, kZluta);
        p[i]->installEventFilter(this);
        m[i] = textovePole(pObsah, pole[i],
                           QRect(QPoint(kLevaOdpovedi, kRadky[i]) - kPosunOblasti,
                                 QSize(kSirkaOdpovedi, kVyskaRadku)));
        m[i]->setAccessibleName(QStringLiteral("Odpověď %1").arg(QChar(u'A' + i)));
        nastavPozadi(m[i], QPalette::Base, palette().color(QPalette::Midlight));
    }
    pA = p[0];
    pB = p[1];
    pC = p[2];
    mA = m[0];
    mB = m[1];
    mC = m[2];

    mO->setAccessibleName(QStringLiteral("Text otázky"));
    img = new QLabel(pObsah);
    img->setObjectName(QStringLiteral("img"));
    img->setAccessibleName(QStringLiteral("Obrázek k otázce"));
    img->setAccessibleDescription(QStringLiteral("Klepnutím nebo klávesou Z obrázek zvětšíte."));
    img->setCursor(Qt::PointingHandCursor);
    img->installEventFilter(this);
    img->hide();

    pInfo = new QWidget(this);
    pInfo->setObjectName(QStringLiteral("pInfo"));
    pInfo->setGeometry(0, 470, 800, 110);

    gbVstup = new QGroupBox(QStringLiteral("Vstupní parametry"), pInfo);
    gbVstup->setObjectName(QStringLiteral("gbVstup"));
    gbVstup->setGeometry(4, 2, 225, 104);
    lbUzivatel = NovyPopisek(gbVstup, "lbUzivatel", QString(), 8, 16);
    lbSkupina = NovyPopisek(gbVstup, "lbSkupina", QString(), 8, 33);
    lbBody = NovyPopisek(gbVstup, "lbBody", QString(), 8, 50);
    lbCas = NovyPopisek(gbVstup, "lbCas", QString(), 8, 67);
    lbMinBod = NovyPopisek(gbVstup, "lbMinBod", QString(), 8, 67);
    for (QLabel* l : {lbUzivatel, lbSkupina, lbBody, lbMinBod})
        nastavTucne(l, false);
    nastavTucne(lbCas, true);
    rozmistiRadky(gbVstup, {lbUzivatel, lbSkupina, lbBody, lbCas});
    lbMinBod->move(lbMinBod->x(), lbCas->y());
    lbMinBod->hide();

    btnPredchozi = tlacitko(pInfo, "btnPredchozi", QStringLiteral("&Předchozí otázka"), 234, 40);
    btnNasledujici =
        tlacitko(pInfo, "btnNasledujici", QStringLiteral("&Následující otázka"), 363, 40);
    btnVyhodnotit = tlacitko(pInfo, "btnVyhodnotit", QStringLiteral("&Vyhodnotit test"), 234, 76);
    btnUkoncit = tlacitko(pInfo, "btnUkoncit", QStringLiteral("&Ukončit test"), 363, 76);

    gbVyhodnoceni = new QGroupBox(QStringLiteral("Vyhodnocení testu"), pInfo);
    gbVyhodnoceni->setObjectName(QStringLiteral("gbVyhodnoceni"));
    gbVyhodnoceni->setGeometry(494, 2, 302, 104);
    nastavTucne(gbVyhodnoceni, true);
    lbDoba = NovyPopisek(gbVyhodnoceni, "lbDoba", QStringLiteral("Celková doba testu: "), 8, 16);
    lbOdpovedi = NovyPopisek(gbVyhodnoceni, "lbOdpovedi",
                             QStringLiteral("Počet správných/špatných odpovědí: "), 8, 33);
    lbPocetBodu = NovyPopisek(gbVyhodnoceni, "lbPocetBodu",
                              QStringLiteral("Celkový počet dosažených bodů: "), 8, 50);
    lbTestSlozen = NovyPopisek(gbVyhodnoceni, "lbTestSlozen", QString(), 8, 67);
    lbProtokol =
        NovyPopisek(gbVyhodnoceni, "lbProtokol",
                    QStringLiteral("Byl vytvořen protokol z testu -> je přístupný z menu"), 8, 84);
    for (QLabel* l : {lbDoba, lbOdpovedi, lbPocetBodu, lbProtokol})
        nastavTucne(l, false);
    nastavTucne(lbTestSlozen, true);
    nastavText(lbTestSlozen, QStringLiteral("Test úspěšně složen!"));
    nastavBarvuTextu(lbTestSlozen, QColor(0, 128, 0));
    nastavBarvuTextu(lbProtokol, QColor(128, 0, 0));
    rozmistiRadky(gbVyhodnoceni, {lbDoba, lbOdpovedi, lbPocetBodu, lbTestSlozen, lbProtokol});
    gbVyhodnoceni->hide();

    connect(btnPredchozi, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnPredchoziClick(); }); });
    connect(btnNasledujici, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnNasledujiciClick(); }); });
    connect(btnVyhodnotit, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnVyhodnotitClick(); }); });
    connect(btnUkoncit, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnUkoncitClick(); }); });
    for (QWidget* w : std::initializer_list<QWidget*>{mO, mA, mB, mC, btnPredchozi, btnNasledujici,
                                                      btnVyhodnotit, btnUkoncit})
        w->installEventFilter(this);
}

void TTestForm::FormCreate() {
    databaze_ = std::make_unique<TOtazka>();

    nastavText(lbUzivatel, QStringLiteral("Uživatel: ") + info_.Nazev);
    nastavText(lbSkupina, QStringLiteral("Skupina: ") + info_.Skupina);
    minimumBodu_ = kMinimumBodu;
    nastavText(lbBody, QStringLiteral("Minimální potřeba bodů: ") + QString::number(minimumBodu_));
    nastavText(lbCas, QStringLiteral("Čas do konce: ") + CasNaText(kDelkaTestu));

    QFont pismo(info_.Pismo_font);
    pismo.setPointSize(std::clamp(info_.Pismo_velikost, 6, 96));
    for (QTextEdit* pole : {mO, mA, mB, mC})
        pole->setFont(pismo);

    test_.emplace(SestavTest(*databaze_, info_.Skupina));

    pozice_ = 1;
    btnPredchozi->setEnabled(false);
    ZobrazOtazku();
    btnNasledujici->setFocus();
    VycentrujNaObrazovce(this);

    zpravy::informace(this, QStringLiteral("Po stisknutí tlačítka OK začne plynout doba 30 minut, "
                                           "která je dostatečně dlouhá pro vyřešení testu.") +
                                QStringLiteral("\n\r") +
                                QStringLiteral("V případě, že budete hotovi dřív, stiskněte "
                                               "tlačítko \"Vyhodnotit test\"!"));

    sekundyZbyva_ = kDelkaTestu;
    bezi_ = true;
    Timer1->start();
    zacatek_ = QDateTime::currentDateTime();
}

void TTestForm::ZobrazOtazku() {
    const TOtazkaTestu& o = (*test_)[pozice_];
    const TXMLOtazkaType prvek = databaze_->Dokument()[o.Index];

    gbOtazka->setTitle(QStringLiteral("%1. otázka (%2 %3)")
                           .arg(pozice_)
                           .arg(o.Body)
                           .arg(o.Body == 1 ? QStringLiteral("bod") : QStringLiteral("body")));
    mO->clear();
    mO->setPlainText(Orizni(prvek.Otazka(), kNejdelsiOtazka));

    // A picture that cannot be loaded is left out, as if the question had none.
    obrazek_ = Orizni(prvek.Obrazek(), kSirkaObrazek);
    const QPixmap obrazek =
        QPixmap::fromImage(NactiObrazekOtazky(obrazek_, img->devicePixelRatioF()));
    if (!obrazek.isNull()) {
        img->setPixmap(obrazek);
        img->resize(obrazek.size());
        img->show();
        img->raise();
    } else {
        img->hide();
        obrazek_.clear();
    }

    mA->clear();
    mA->setPlainText(Orizni(prvek.A(), kNejdelsiOdpoved));
    mB->clear();
    mB->setPlainText(Orizni(prvek.B(), kNejdelsiOdpoved));
    const QString c = Orizni(prvek.C(), kNejdelsiOdpoved);
    mC->clear();
    if (!c.isEmpty())
        mC->setPlainText(c);
    mC->setVisible(!c.isEmpty());
    pC->setVisible(!c.isEmpty());
    RozmistiOtazku();

    ObarviPanely();
    if (Vyhodnocen())
        ObarviRevizi();
}

void TTestForm::ObarviPanely() {
    const QString& odpoved = (*test_)[pozice_].Odpoved;
    for (QLabel* panel : {pA, pB, pC})
        nastavPozadi(panel, QPalette::Window, odpoved.contains(panel->text()) ? kZelena : kZluta);
}

void TTestForm::ObarviRevizi() {
    const TOtazkaTestu& o = (*test_)[pozice_];
    const QString spravne = test_->Spravne(pozice_);
    const QColor normalni = palette().color(QPalette::Midlight);
    const std::pair<QChar, QTextEdit*> pole[3] = {{u'A', mA}, {u'B', mB}, {u'C', mC}};
    for (const auto& [pismeno, m] : pole) {
        QColor barva = normalni;
        if (spravne.contains(pismeno))
            barva = kZelena;
        else if (o.Odpoved.contains(pismeno))
            barva = kCervena;
        nastavPozadi(m, QPalette::Base, barva);
    }
    gbOtazka->setTitle(gbOtazka->title() +
                       QStringLiteral("; Skutečné číslo otázky: %1; Kód dle MDS: %2")
                           .arg(o.SkutCislo)
                           .arg(databaze_->Dokument()[o.Index].Kod()));
}

void TTestForm::pAClick(QWidget* panel) {
    if (!bezi_ || !panel || panel->objectName().size() < 2)
        return;
    if (test_->Vyber(pozice_, panel->objectName().at(1)))
        ObarviPanely();
}

// The box's layout while everything fits: the question on top, the rows of the three
// answers, the picture at the right beside them. A text that does not fit its field
// makes the field taller and moves what follows down; the scroll area then scrolls.
void TTestForm::RozmistiOtazku() {
    const QSize viditelne = skOtazka->maximumViewportSize();
    int spodek = RozmistiNaSirku(0);
    if (spodek > viditelne.height())
        spodek = RozmistiNaSirku(skOtazka->verticalScrollBar()->sizeHint().width());
    const int sirka =
        viditelne.width() -
        (spodek > viditelne.height() ? skOtazka->verticalScrollBar()->sizeHint().width() : 0);
    pObsah->resize(sirka, std::max(viditelne.height(), spodek));
    skOtazka->verticalScrollBar()->setValue(0);
}

// Lays the question out with its right edge moved in by uzsi (for the scroll bar);
// returns the bottom of the content in the scrolled area.
int TTestForm::RozmistiNaSirku(int uzsi) {
    // The fields grow to their text, so they need no scroll bar of their own; a few
    // pixels spare keep a rounding from cutting the last line.
    const auto vyskaTextu = [](QTextEdit* pole, int sirka) {
        const int ramecek = 2 * pole->frameWidth();
        QTextDocument* dokument = pole->document();
        dokument->setTextWidth(sirka - ramecek);
        return static_cast<int>(std::ceil(dokument->size().height())) + ramecek + 4;
    };
    const auto umisti = [](QWidget* w, int x, int y, int sirka, int vyska) {
        w->setGeometry(QRect(QPoint(x, y) - kPosunOblasti, QSize(sirka, vyska)));
    };
    const int sirkaOtazky = kSirkaOblasti - 16 - uzsi;
    const int sirkaOdpovedi = kSirkaOdpovedi - uzsi;
    const int vyskaOtazky = std::max(kVyskaOtazky, vyskaTextu(mO, sirkaOtazky));
    umisti(mO, 8, 20, sirkaOtazky, vyskaOtazky);
    const int dolniOtazky = 20 + vyskaOtazky;

    const bool sObrazkem = img->isVisibleTo(this);
    const int horniObrazku = std::max(kHorniObrazku, dolniOtazky + 4);
    const int levaObrazku = kLevaOdpovedi + sirkaOdpovedi - img->width();
    if (sObrazkem)
        umisti(img, levaObrazku, horniObrazku, img->width(), img->height());
    const int dolniObrazku = sObrazkem ? horniObrazku + img->height() : 0;

    const std::array<std::pair<QLabel*, QTextEdit*>, 3> radky{{{pA, mA}, {pB, mB}, {pC, mC}}};
    int spodek = dolniOtazky;
    for (size_t i = 0; i < radky.size(); ++i) {
        const auto& [panel, pole] = radky[i];
        const int horni = std::max(kRadky[i], spodek + (i == 0 ? 8 : 6));
        // Beside the picture while the row starts above its bottom edge.
        const int sirka = sObrazkem && horni < dolniObrazku
                              ? std::max(1, levaObrazku - kLevaOdpovedi)
                              : sirkaOdpovedi;
        const int vyska = std::max(kVyskaRadku, vyskaTextu(pole, sirka));
        umisti(panel, 8, horni, 40, vyska);
        umisti(pole, kLevaOdpovedi, horni, sirka, vyska);
        if (pole->isVisibleTo(this))
            spodek = horni + vyska;
    }
    return std::max(spodek, dolniObrazku) + 4 - kPosunOblasti.y();
}

void TTestForm::ZvetsitObrazek() {
    if (!obrazek_.isEmpty())
        UkazZvetsenyObrazek(this, obrazek_);
}

bool TTestForm::FormKeyPress(const QString& znak) {
    if (znak.compare(QStringLiteral("z"), Qt::CaseInsensitive) == 0 && img->isVisibleTo(this)) {
        ZvetsitObrazek();
        return true;
    }
    if (!bezi_ || znak.size() != 1)
        return false;
    const QChar pismeno = znak.toUpper().at(0);
    if (pismeno != u'A' && pismeno != u'B' && pismeno != u'C')
        return false;
    if (test_->Vyber(pozice_, pismeno))
        ObarviPanely();
    return true;
}

void TTestForm::btnNasledujiciClick() {
    if (pozice_ >= kOtazekTestu)
        return;
    btnPredchozi->setEnabled(true);
    ++pozice_;
    if (pozice_ == kOtazekTestu) {
        btnNasledujici->setEnabled(false);
        btnPredchozi->setFocus();
    }
    ZobrazOtazku();
}

void TTestForm::btnPredchoziClick() {
    if (pozice_ <= 1)
        return;
    btnNasledujici->setEnabled(true);
    --pozice_;
    if (pozice_ == 1) {
        btnPredchozi->setEnabled(false);
        btnNasledujici->setFocus();
    }
    ZobrazOtazku();
}

void TTestForm::Timer1Timer() {
    if (!bezi_)
        return;
    sekundyZbyva_ = std::max(0, sekundyZbyva_ - 1);
    nastavText(lbCas, QStringLiteral("Čas do konce: ") + CasNaText(sekundyZbyva_));
    if (sekundyZbyva_ > 0)
        return;
    if (dotazNaKonec_) {
        // The user is being asked whether to end the test: their answer decides.
        Timer1->stop();
        vyhodnotitPoDotazu_ = true;
        return;
    }
    btnVyhodnotit->click();
}

void TTestForm::btnVyhodnotitClick() {
    if (!bezi_)
        return;
    Timer1->stop();
    bezi_ = false;
    test_->Vyhodnot(databaze_->Dokument());
    ZapsatDoHistorie();

    const bool chceProtokol = TextNaBool(info_.Protokoly.mid(2, 1));
    const bool zapsan = chceProtokol && ZapisProtokol();
    zpravy::informace(this, test_->ZpravaVyhodnoceni(sekundyZbyva_ == 0));
    if (!chceProtokol)
        nastavText(lbProtokol, QStringLiteral("Nebyl vytvořen protokol z testu"));
    else if (!zapsan)
        nastavText(lbProtokol, QStringLiteral("Protokol z testu se nepodařilo uložit!"));
    PrepniNaRevizi();
}

// Every position of the evaluated test goes to the answer history; a history that
// cannot be written is told, and the test's own record is kept as always.
void TTestForm::ZapsatDoHistorie() {
    if (!info_.Historie)
        return;
    std::vector<ZaznamOdpovedi> odpovedi;
    const QDateTime ted = QDateTime::currentDateTime();
    for (int p = 1; p <= kOtazekTestu; ++p) {
        const TOtazkaTestu& o = (*test_)[p];
        odpovedi.push_back({info_.Nazev, ted, kRezimTest, o.SkutCislo,
                            databaze_->Dokument()[o.Index].Kod(), o.Odpoved,
                            !o.Odpoved.isEmpty() && o.Odpoved == test_->Spravne(p), false});
    }
    const QString chyba = info_.Historie->Zapsat(odpovedi);
    if (!chyba.isEmpty())
        zpravy::chyba(this, chyba);
}

bool TTestForm::ZapisProtokol() {
    const QString chyba = zpravy::textChyby([&] {
        PridatProtokol(test_->Protokol(info_.Nazev, info_.Skupina, zacatek_, sekundyZbyva_));
    });
    if (chyba.isEmpty())
        return true;
    zpravy::chyba(this, QStringLiteral("Protokol z testu nebyl zapsán. ") + chyba);
    return false;
}

void TTestForm::PrepniNaRevizi() {
    setWindowTitle(kTitulekRevize);
    pozice_ = 1;
    btnPredchozi->setEnabled(false);
    btnNasledujici->setEnabled(true);
    for (QPushButton* b : {btnPredchozi, btnNasledujici})
        b->move(b->x(), b->y() - kPosunTlacitek);
    btnVyhodnotit->hide();
    btnUkoncit->move((width() - btnUkoncit->width()) / 2, btnUkoncit->y());
    btnUkoncit->setText(QStringLiteral("&OK"));
    nastavTucne(btnUkoncit, true);
    btnUkoncit->setFocus();

    nastavTucne(gbVstup, true);
    for (QLabel* l : {lbUzivatel, lbSkupina, lbBody, lbMinBod, lbCas})
        nastavTucne(l, false);
    gbVyhodnoceni->show();

    nastavText(lbDoba, lbDoba->text() + CasSlovy(kDelkaTestu - sekundyZbyva_));
    nastavText(lbOdpovedi, lbOdpovedi->text() + QString::number(kOtazekTestu - test_->Spatne()) +
                               u'/' + QString::number(test_->Spatne()));
    nastavText(lbPocetBodu, lbPocetBodu->text() + QString::number(test_->Body()));
    if (test_->Body() < minimumBodu_) {
        nastavText(lbTestSlozen, QStringLiteral("Test nebyl úspěšně složen!"));
        nastavBarvuTextu(lbTestSlozen, kCervena);
    }
    lbTestSlozen->move((gbVyhodnoceni->width() - lbTestSlozen->width()) / 2, lbTestSlozen->y());

    nastavText(lbUzivatel, QStringLiteral("Řešitel testu: ") + info_.Nazev);
    nastavText(lbSkupina, QStringLiteral("Skupina: ") + info_.Skupina);
    nastavText(lbBody,
               QStringLiteral("Maximální možný počet bodů: ") + QString::number(kMaximumBodu));
    nastavText(lbMinBod,
               QStringLiteral("Minimální potřeba počtu bodů: ") + QString::number(minimumBodu_));
    lbMinBod->show();
    nastavText(lbCas, QStringLiteral("Maximální délka trvání testu: 30 minut"));
    rozmistiRadky(gbVstup, {lbUzivatel, lbSkupina, lbBody, lbMinBod, lbCas});
    ZobrazOtazku();
}

void TTestForm::btnUkoncitClick() {
    close();
}

bool TTestForm::MuzeZavrit() {
    if (zavira_ || !bezi_)
        return true;
    dotazNaKonec_ = true;
    const bool ano = zpravy::otazka(this, kOtazkaKonec);
    dotazNaKonec_ = false;
    if (ano) {
        Timer1->stop();
        return true;
    }
    if (vyhodnotitPoDotazu_) {
        vyhodnotitPoDotazu_ = false;
        btnVyhodnotitClick();
    }
    return false;
}

void TTestForm::reject() {
    bool muze = false;
    zpravy::zachyt(this, [&] { muze = MuzeZavrit(); });
    if (!muze)
        return;
    zavira_ = true;
    QDialog::reject();
}

void TTestForm::closeEvent(QCloseEvent* udalost) {
    bool muze = false;
    zpravy::zachyt(this, [&] { muze = MuzeZavrit(); });
    if (!muze) {
        udalost->ignore();
        return;
    }
    zavira_ = true;
    QDialog::closeEvent(udalost);
}

void TTestForm::keyPressEvent(QKeyEvent* udalost) {
    if (!(udalost->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        bool pouzito = false;
        zpravy::zachyt(this, [&] { pouzito = FormKeyPress(udalost->text()); });
        if (pouzito)
            return;
    }
    QDialog::keyPressEvent(udalost);
}

bool TTestForm::eventFilter(QObject* objekt, QEvent* udalost) {
    if (udalost->type() == QEvent::MouseButtonPress && objekt == img &&
        static_cast<QMouseEvent*>(udalost)->button() == Qt::LeftButton) {
        zpravy::zachyt(this, [&] { ZvetsitObrazek(); });
        return true;
    }
    if (udalost->type() == QEvent::MouseButtonPress) {
        auto* panel = qobject_cast<QLabel*>(objekt);
        if (panel && (panel == pA || panel == pB || panel == pC) &&
            static_cast<QMouseEvent*>(udalost)->button() == Qt::LeftButton) {
            zpravy::zachyt(this, [&] { pAClick(panel); });
            return true;
        }
    } else if (udalost->type() == QEvent::KeyPress) {
        auto* klavesa = static_cast<QKeyEvent*>(udalost);
        if (!(klavesa->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            bool pouzito = false;
            zpravy::zachyt(this, [&] { pouzito = FormKeyPress(klavesa->text()); });
            if (pouzito)
                return true;
        }
    }
    return QDialog::eventFilter(objekt, udalost);
}
