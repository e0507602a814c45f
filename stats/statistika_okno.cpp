#include "stats/statistika_okno.h"

#include "core/XML_otazky.h"
#include "core/XML_protokoly.h"
#include "core/chyba.h"
#include "core/historie.h"
#include "core/pomocne_fce.h"
#include "core/sestava_testu.h"
#include "core/vyber_otazek.h"
#include "stats/graf_vyvoje.h"
#include "widgets/pozadavek_procvicovani.h"
#include "widgets/tisk.h"
#include "widgets/zpravy.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QLocale kCestina(QLocale::Czech, QLocale::CzechRepublic);

// A probability as a whole percentage; the ends are never rounded to a certainty.
QString Procenta(double p) {
    if (p > 0 && p < 0.005)
        return QStringLiteral("méně než 1\u00a0%");
    if (p < 1 && p > 0.995)
        return QStringLiteral("více než 99\u00a0%");
    return QStringLiteral("%1\u00a0%").arg(qRound(p * 100));
}

QString Desetinne(double x) {
    return kCestina.toString(x, 'f', 1);
}

// The test section that draws from category k.
size_t OddilKategorie(int k) {
    for (size_t s = 0; s < kOddilyTestu.size(); ++s)
        if (kOddilyTestu[s].od == kKategorie[static_cast<size_t>(k)].od)
            return s;
    return 0;
}

int BoduOddilu(size_t s) {
    return kOddilyTestu[s].pocet * kOddilyTestu[s].body;
}

QTableWidget* NovaTabulka(QWidget* rodic, const char* jmeno, const QString& popis,
                          const QStringList& sloupce) {
    auto* t = new QTableWidget(0, static_cast<int>(sloupce.size()), rodic);
    t->setObjectName(QString::fromLatin1(jmeno));
    t->setAccessibleName(popis);
    t->setHorizontalHeaderLabels(sloupce);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 8);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int i = 1; i < static_cast<int>(sloupce.size()); ++i)
        t->horizontalHeader()->setSectionResizeMode(i, QHeaderView::ResizeToContents);
    return t;
}

void Bunka(QTableWidget* t, int radek, int sloupec, const QString& text) {
    auto* polozka = new QTableWidgetItem(text);
    if (sloupec > 0)
        polozka->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    t->setItem(radek, sloupec, polozka);
}

QLabel* Text(QWidget* rodic, const char* jmeno) {
    auto* l = new QLabel(rodic);
    l->setObjectName(QString::fromLatin1(jmeno));
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    return l;
}

QPushButton* Tlacitko(QWidget* rodic, const char* jmeno, const QString& text) {
    auto* b = new QPushButton(text, rodic);
    b->setObjectName(QString::fromLatin1(jmeno));
    return b;
}

// A question's text in one line of at most 90 characters.
QString KratkyText(QString text) {
    text = text.simplified();
    return text.size() > 90 ? text.left(89) + QChar(0x2026) : text;
}

QString Uspesnost(const StatistikaKategorie& s) {
    return s.Uspesnost() < 0 ? QStringLiteral("–") : QStringLiteral("%1\u00a0%").arg(s.Uspesnost());
}

} // namespace

TStatistika::TStatistika(QWidget* vlastnik, const TInfo& info) : QDialog(vlastnik), info_(info) {
    setObjectName(QStringLiteral("TStatistika"));
    setWindowTitle(QStringLiteral("Statistika učení, Uživatel: ") + info_.Nazev);
    resize(780, 820);

    auto* odhad = new QGroupBox(QStringLiteral("Šance složit test na body"), this);
    lbSance = Text(odhad, "lbSance");
    QFont tucne = lbSance->font();
    tucne.setBold(true);
    tucne.setPointSizeF(tucne.pointSizeF() * 1.3);
    lbSance->setFont(tucne);
    lbRozmezi = Text(odhad, "lbRozmezi");
    lbBody = Text(odhad, "lbBody");
    lbTesty = Text(odhad, "lbTesty");
    lbVysvetleni = Text(odhad, "lbVysvetleni");
    auto* svisle = new QVBoxLayout(odhad);
    for (QLabel* l : {lbSance, lbRozmezi, lbBody, lbTesty, lbVysvetleni})
        svisle->addWidget(l);

    auto* kategorie = new QGroupBox(QStringLiteral("Podle kategorií"), this);
    tabKategorie = NovaTabulka(kategorie, "tabKategorie", QStringLiteral("Statistika kategorií"),
                               {QStringLiteral("Kategorie"), QStringLiteral("Otázek"),
                                QStringLiteral("Zodpovězeno"), QStringLiteral("Zvládnuto"),
                                QStringLiteral("Úspěšnost"), QStringLiteral("Body v testu")});
    (new QVBoxLayout(kategorie))->addWidget(tabKategorie);

    auto* doporuceni = new QGroupBox(QStringLiteral("Co procvičit"), this);
    auto* mrizka = new QGridLayout(doporuceni);
    for (size_t i = 0; i < lbDoporuceni.size(); ++i) {
        lbDoporuceni[i] = Text(doporuceni, "lbDoporuceni");
        btnDoporuceni[i] =
            Tlacitko(doporuceni, "btnDoporuceni", QStringLiteral("Procvičit &%1").arg(i + 1));
        mrizka->addWidget(lbDoporuceni[i], static_cast<int>(i), 0);
        mrizka->addWidget(btnDoporuceni[i], static_cast<int>(i), 1, Qt::AlignTop);
        connect(btnDoporuceni[i], &QPushButton::clicked, this, [this, i] {
            zpravy::zachyt(this, [&] { btnDoporuceniClick(static_cast<int>(i)); });
        });
    }
    mrizka->setColumnStretch(0, 1);

    auto* chybne = new QGroupBox(QStringLiteral("Nejčastěji chybně zodpovězené otázky"), this);
    tabChybne = NovaTabulka(chybne, "tabChybne", QStringLiteral("Nejčastěji chybné otázky"),
                            {QStringLiteral("Otázka"), QStringLiteral("Číslo"),
                             QStringLiteral("Chybně"), QStringLiteral("Odpovědí")});
    btnNejcastejiChybne =
        Tlacitko(chybne, "btnNejcastejiChybne", QStringLiteral("Procvičit &nejčastěji chybné"));
    auto* svisleChybne = new QVBoxLayout(chybne);
    svisleChybne->addWidget(tabChybne);
    svisleChybne->addWidget(btnNejcastejiChybne, 0, Qt::AlignRight);

    btnGraf = Tlacitko(this, "btnGraf", QStringLiteral("&Graf vývoje..."));
    btnTisk = Tlacitko(this, "btnTisk", QStringLiteral("&Tisknout..."));
    btnPdf = Tlacitko(this, "btnPdf", QStringLiteral("Uložit jako P&DF..."));
    btnZavrit = Tlacitko(this, "btnZavrit", QStringLiteral("&Zavřít"));
    auto* radek = new QHBoxLayout;
    for (QPushButton* b : {btnGraf, btnTisk, btnPdf})
        radek->addWidget(b);
    radek->addStretch();
    radek->addWidget(btnZavrit);

    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addWidget(odhad);
    rozvrzeni->addWidget(kategorie);
    rozvrzeni->addWidget(doporuceni);
    rozvrzeni->addWidget(chybne, 4);
    rozvrzeni->addLayout(radek);

    connect(btnNejcastejiChybne, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnNejcastejiChybneClick(); }); });
    connect(btnGraf, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnGrafClick(); }); });
    connect(btnTisk, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnTiskClick(); }); });
    connect(btnPdf, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnPdfClick(); }); });
    connect(btnZavrit, &QPushButton::clicked, this, &QDialog::reject);
    btnZavrit->setDefault(true);
}

TStatistika::~TStatistika() = default;

void TStatistika::FormCreate() {
    if (!info_.Historie || !info_.Historie->Otevreno())
        throw KolomatChyba(info_.Historie ? info_.Historie->Duvod()
                                          : QStringLiteral("Historie odpovědí není otevřena."));
    const std::vector<OdpovediOtazky> odpovedi = info_.Historie->OdpovediProfilu(info_.Nazev);
    odpovedi_ = 0;
    for (const OdpovediOtazky& o : odpovedi)
        odpovedi_ += static_cast<int>(o.Spravne.size());
    const TOtazka databaze;
    const TXMLOtazkyType& katalog = databaze.Dokument();
    model_ = std::make_unique<ModelZnalosti>(katalog, info_.Skupina, odpovedi);
    odhad_ = OdhadniSlozeni(*model_);
    kategorie_ = StatistikaKategorii(katalog, info_.Skupina, odpovedi);
    chybne_ = NejcastejiChybne(katalog, info_.Skupina, odpovedi);
    textyChybnych_.clear();
    for (const CastoChybna& c : chybne_)
        textyChybnych_.push_back(KratkyText(katalog[c.Cislo - 1].Otazka()));
    // The tests are a line of the window: a protocol file that cannot be read is said
    // there instead of keeping the whole window shut.
    testy_.clear();
    chybaProtokolu_.clear();
    try {
        if (SouborNaDisku(kSouborProtokolu))
            testy_ = BodyTestuProfilu(ProtokolyProfilu(NacistProtokoly(), info_.Nazev));
    } catch (const KolomatChyba& chyba) {
        chybaProtokolu_ = chyba.text();
    }
    VyplnOdhad();
    VyplnKategorie();
    VyplnChybne();
}

void TStatistika::VyplnOdhad() {
    lbSance->setText(QStringLiteral("Šance složit test na body nyní: ") + Procenta(odhad_.Sance));
    lbRozmezi->setText(QStringLiteral("Nejspíš mezi %1 a %2 (v tomto rozmezí leží skutečná "
                                      "šance s pravděpodobností 80\u00a0%).")
                           .arg(Procenta(odhad_.Dolni), Procenta(odhad_.Horni)));
    lbBody->setText(QStringLiteral("Očekávaný počet bodů: %1 z %2 (k úspěchu je třeba %3).")
                        .arg(Desetinne(odhad_.OcekavaneBody))
                        .arg(kMaximumBodu)
                        .arg(kMinimumBodu));
    if (!chybaProtokolu_.isEmpty()) {
        lbTesty->setText(QStringLiteral("Testy na body nelze ukázat: ") + chybaProtokolu_);
    } else if (testy_.empty()) {
        lbTesty->setText(QStringLiteral("Zatím jste nenapsali žádný test na body."));
    } else {
        const auto slozenych = std::count_if(testy_.begin(), testy_.end(), [](const BodyTestu& t) {
            return t.Body >= kMinimumBodu;
        });
        lbTesty->setText(QStringLiteral("Napsané testy na body: %1, z toho složených %2; "
                                        "v posledním jste získali %3 bodů.")
                             .arg(testy_.size())
                             .arg(slozenych)
                             .arg(testy_.back().Body));
    }
    if (odpovedi_ == 0)
        lbVysvetleni->setText(QStringLiteral(
            "Zatím jste neodpověděli na žádnou otázku, takže odhad vychází jen z opatrného "
            "předpokladu, že znáte polovinu otázek. Začněte procvičovat a odhad se zpřesní."));
    else
        lbVysvetleni->setText(
            QStringLiteral(
                "Je to odhad, ne jistota. Vychází z vašich odpovědí (celkem %1): u každé otázky "
                "z toho, jak jste na ni odpovídali (poslední odpovědi mají větší váhu), a u "
                "otázek, na které jste ještě neodpovídali, z vaší úspěšnosti v jejich "
                "kategorii. Program pak vylosuje %2 testů tak, jak je losuje pro test na body, "
                "a spočítá, jak často byste získali aspoň %3 bodů. Dokud máte odpovědí málo, "
                "je odhad nejistý a rozmezí je široké; každou další odpovědí se zpřesní.")
                .arg(odpovedi_)
                .arg(kCestina.toString(odhad_.Testu))
                .arg(kMinimumBodu));

    double nejlepsi = 0;
    for (int k = 0; k < kKategorii; ++k)
        nejlepsi = std::max(nejlepsi, model_->Mira(k));
    for (size_t i = 0; i < lbDoporuceni.size(); ++i) {
        const bool je = i < odhad_.Doporucene.size();
        btnDoporuceni[i]->setVisible(je);
        if (!je) {
            lbDoporuceni[i]->setText(i == 0 ? QStringLiteral("Zatím není co doporučit: žádná "
                                                             "kategorie nezaostává za vaší "
                                                             "nejlepší.")
                                            : QString());
            lbDoporuceni[i]->setVisible(i == 0);
            continue;
        }
        const OdhadSlozeni::Doporuceni& d = odhad_.Doporucene[i];
        const QString nazev = QString::fromUtf8(kKategorie[static_cast<size_t>(d.Kategorie)].nazev);
        lbDoporuceni[i]->setVisible(true);
        lbDoporuceni[i]->setText(
            QStringLiteral("%1. %2 (úspěšnost %3): kdybyste ji zvedli na úroveň své nejlepší "
                           "kategorie (%4), šance by vzrostla na %5.")
                .arg(i + 1)
                .arg(nazev, Uspesnost(kategorie_[static_cast<size_t>(d.Kategorie)]),
                     Procenta(nejlepsi), Procenta(d.Sance)));
        btnDoporuceni[i]->setAccessibleName(QStringLiteral("Procvičit ") + nazev);
    }
}

void TStatistika::VyplnKategorie() {
    tabKategorie->setRowCount(kKategorii + 1);
    StatistikaKategorie celkem;
    for (int k = 0; k <= kKategorii; ++k) {
        const bool souhrn = k == kKategorii;
        const StatistikaKategorie& s = souhrn ? celkem : kategorie_[static_cast<size_t>(k)];
        if (!souhrn) {
            celkem.VPlatnosti += s.VPlatnosti;
            celkem.Videnych += s.Videnych;
            celkem.Zvladnutych += s.Zvladnutych;
            celkem.Odpovedi += s.Odpovedi;
            celkem.Spravnych += s.Spravnych;
        }
        Bunka(tabKategorie, k, 0,
              souhrn ? QStringLiteral("Celkem")
                     : QString::fromUtf8(kKategorie[static_cast<size_t>(k)].nazev));
        Bunka(tabKategorie, k, 1, QString::number(s.VPlatnosti));
        Bunka(tabKategorie, k, 2, QString::number(s.Videnych));
        Bunka(tabKategorie, k, 3, QString::number(s.Zvladnutych));
        Bunka(tabKategorie, k, 4, Uspesnost(s));
        if (s.Uspesnost() >= 0) {
            // The bar carries the same text as the cell beneath it.
            auto* pruh = new QProgressBar(tabKategorie);
            pruh->setRange(0, 100);
            pruh->setValue(s.Uspesnost());
            pruh->setFormat(QStringLiteral("%p\u00a0%"));
            pruh->setAccessibleName(QStringLiteral("Úspěšnost"));
            tabKategorie->setCellWidget(k, 4, pruh);
        }
        if (souhrn) {
            Bunka(tabKategorie, k, 5,
                  QStringLiteral("%1 z %2").arg(Desetinne(odhad_.OcekavaneBody)).arg(kMaximumBodu));
        } else {
            const size_t oddil = OddilKategorie(k);
            Bunka(tabKategorie, k, 5,
                  QStringLiteral("%1 z %2")
                      .arg(Desetinne(odhad_.BodyOddilu[oddil]))
                      .arg(BoduOddilu(oddil)));
        }
    }
    tabKategorie->horizontalHeader()->resizeSection(4, 110);
    tabKategorie->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Fixed);
    // Eight short rows: all of them shown, without a scroll bar.
    tabKategorie->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabKategorie->setMinimumHeight(tabKategorie->horizontalHeader()->sizeHint().height() +
                                   tabKategorie->verticalHeader()->length() +
                                   2 * tabKategorie->frameWidth());
}

void TStatistika::VyplnChybne() {
    tabChybne->setRowCount(static_cast<int>(chybne_.size()));
    for (size_t i = 0; i < chybne_.size(); ++i) {
        const int r = static_cast<int>(i);
        Bunka(tabChybne, r, 0, textyChybnych_[i]);
        Bunka(tabChybne, r, 1, QString::number(chybne_[i].Cislo));
        Bunka(tabChybne, r, 2, QString::number(chybne_[i].Spatne));
        Bunka(tabChybne, r, 3, QString::number(chybne_[i].Odpovedi));
    }
    btnNejcastejiChybne->setEnabled(!chybne_.empty());
}

void TStatistika::btnDoporuceniClick(int poradi) {
    if (poradi < 0 || poradi >= static_cast<int>(odhad_.Doporucene.size()) || !model_)
        return;
    pozadavek_procvicovani::Nastav(NejmeneZvladnute(
        *model_, odhad_.Doporucene[static_cast<size_t>(poradi)].Kategorie, kVychoziPocetOtazek));
    done(kProcvicitChybne);
}

void TStatistika::btnNejcastejiChybneClick() {
    std::vector<int> cisla;
    for (const CastoChybna& c : chybne_)
        cisla.push_back(c.Cislo);
    if (cisla.empty())
        return;
    pozadavek_procvicovani::Nastav(std::move(cisla));
    done(kProcvicitChybne);
}

void TStatistika::btnGrafClick() {
    // The chart needs the tests that the window could not read.
    if (!chybaProtokolu_.isEmpty())
        throw KolomatChyba(chybaProtokolu_);
    OtevritGrafVyvoje(this, testy_, info_.Nazev, info_.Historie);
}

void TStatistika::SestavDokument(QTextDocument& dokument) const {
    const auto e = [](const QString& s) { return s.toHtmlEscaped(); };
    QString html = QStringLiteral("<h2>%1</h2>").arg(e(windowTitle()));
    for (const QLabel* l : {lbSance, lbRozmezi, lbBody, lbTesty, lbVysvetleni})
        html += QStringLiteral("<p>%1</p>").arg(e(l->text()));
    const auto tabulka = [&](const QTableWidget* t) {
        QString h = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>");
        for (int c = 0; c < t->columnCount(); ++c)
            h += QStringLiteral("<th>%1</th>").arg(e(t->horizontalHeaderItem(c)->text()));
        h += QStringLiteral("</tr>");
        for (int r = 0; r < t->rowCount(); ++r) {
            h += QStringLiteral("<tr>");
            for (int c = 0; c < t->columnCount(); ++c)
                h += QStringLiteral("<td>%1</td>")
                         .arg(t->item(r, c) ? e(t->item(r, c)->text()) : QString());
            h += QStringLiteral("</tr>");
        }
        return h + QStringLiteral("</table>");
    };
    html += QStringLiteral("<h3>Podle kategorií</h3>") + tabulka(tabKategorie);
    html += QStringLiteral("<h3>Co procvičit</h3>");
    for (const QLabel* l : lbDoporuceni)
        if (!l->text().isEmpty())
            html += QStringLiteral("<p>%1</p>").arg(e(l->text()));
    html += QStringLiteral("<h3>Nejčastěji chybně zodpovězené otázky</h3>");
    html += chybne_.empty() ? QStringLiteral("<p>Žádné.</p>") : tabulka(tabChybne);
    dokument.setHtml(html);
}

void TStatistika::btnTiskClick() {
    QTextDocument dokument;
    SestavDokument(dokument);
    tisk::Tisknout(this, dokument, windowTitle());
}

void TStatistika::btnPdfClick() {
    QTextDocument dokument;
    SestavDokument(dokument);
    tisk::UlozitPdfSDotazem(this, dokument, QStringLiteral("statistika.pdf"), windowTitle());
}
