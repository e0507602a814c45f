#include "pointtest/vysledkyT.h"

#include "core/pomocne_fce.h"
#include "core/protokol_text.h"
#include "core/radky_seznamu.h"
#include "pointtest/protokolT.h"
#include "stats/graf_vyvoje.h"
#include "widgets/model_radku.h"
#include "widgets/okna.h"
#include "widgets/pevne_okno.h"
#include "widgets/pozadavek_procvicovani.h"
#include "widgets/zpravy.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

namespace {

QPushButton* tlacitko(QWidget* rodic, const char* jmeno, const QString& text, int x) {
    auto* b = new QPushButton(text, rodic);
    b->setObjectName(QString::fromLatin1(jmeno));
    b->setGeometry(x, 264, 92, 28);
    return b;
}

} // namespace

TTVysledky::TTVysledky(QWidget* vlastnik, const QString& profil, const HistorieOdpovedi* historie)
    : QDialog(vlastnik), profil_(profil), historie_(historie) {
    setObjectName(QStringLiteral("TVysledky"));
    setWindowTitle(QStringLiteral("Seznam testů, Uživatel: ") + profil_);
    // A row below the four buttons holds the chart's.
    PevneOkno(this, 400, 336);

    sgTab = new QTableView(this);
    sgTab->setAccessibleName(QStringLiteral("Seznam testů"));
    sgTab->setObjectName(QStringLiteral("sgTab"));
    sgTab->setGeometry(4, 6, 392, 248);
    model_ = new ModelRadku({QStringLiteral("Datum a čas"), QStringLiteral("Skupina"),
                             QStringLiteral("Počet bodů"), QStringLiteral("Verdikt")},
                            this);
    sgTab->setModel(model_);
    const int sirky[4] = {120, 80, 80, 90};
    for (int i = 0; i < 4; ++i)
        sgTab->setColumnWidth(i, sirky[i]);
    sgTab->verticalHeader()->hide();
    sgTab->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgTab->verticalHeader()->setMinimumSectionSize(1);
    sgTab->verticalHeader()->setDefaultSectionSize(18);
    sgTab->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgTab->setSelectionMode(QAbstractItemView::SingleSelection);
    sgTab->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgTab->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    btnOK = tlacitko(this, "btnOK", QStringLiteral("&OK"), 8);
    btnProtokol = tlacitko(this, "btnProtokol", QStringLiteral("&Protokol"), 105);
    btnVymaz = tlacitko(this, "btnVymaz", QStringLiteral("Vymaž &záznam"), 202);
    btnVymazVse = tlacitko(this, "btnVymazVse", QStringLiteral("&Vymaž vše"), 299);
    btnGraf = tlacitko(this, "btnGraf", QStringLiteral("&Graf vývoje..."), 8);
    btnGraf->setGeometry(8, 300, 189, 28);

    connect(btnOK, &QPushButton::clicked, this, &TTVysledky::btnOKClick);
    connect(btnProtokol, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnProtokolClick(); }); });
    connect(btnVymaz, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnVymazClick(); }); });
    connect(btnVymazVse, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnVymazVseClick(); }); });
    connect(btnGraf, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnGrafClick(); }); });
    connect(sgTab, &QTableView::doubleClicked, this,
            [this] { zpravy::zachyt(this, [&] { btnProtokolClick(); }); });
}

void TTVysledky::Nacist() {
    dokument_.reset();
    zaznamy_.clear();
    if (SouborNaDisku(kSouborProtokolu)) {
        dokument_.emplace(NacistProtokoly());
        zaznamy_ = ProtokolyProfilu(*dokument_, profil_);
    }
}

void TTVysledky::FormCreate() {
    Nacist();
    Vypln();
    if (!zaznamy_.empty())
        sgTab->setCurrentIndex(model_->index(0, 0));
}

void TTVysledky::Vypln() {
    const int predchozi = sgTab->currentIndex().row();
    const int radku = static_cast<int>(zaznamy_.size());
    std::vector<QStringList> radky;
    radky.reserve(zaznamy_.size());
    for (const TXMLProtokolType& z : zaznamy_)
        radky.push_back(RadekProtokolu(z));
    model_->Nastav(std::move(radky));
    const bool prazdny = radku == 0;
    for (QWidget* w : std::initializer_list<QWidget*>{btnProtokol, btnVymaz, btnVymazVse, sgTab})
        w->setEnabled(!prazdny);
    if (!prazdny && predchozi >= 0)
        sgTab->setCurrentIndex(model_->index(std::min(predchozi, radku - 1), 0));
}

int TTVysledky::VybranyRadek() const {
    const int r = sgTab->currentIndex().row();
    return r >= 0 && r < static_cast<int>(zaznamy_.size()) ? r : -1;
}

void TTVysledky::btnOKClick() {
    close();
}

void TTVysledky::btnProtokolClick() {
    const int r = VybranyRadek();
    if (r < 0)
        return;
    TTProtokol okno(this, zaznamy_[static_cast<size_t>(r)]);
    Vycentruj(&okno, this);
    okno.FormCreate();
    // The practice asked for starts from the main window, once this list has closed.
    if (okno.exec() == kProcvicitChybne)
        done(kProcvicitChybne);
}

void TTVysledky::btnVymazClick() {
    const int r = VybranyRadek();
    if (r < 0 || !dokument_)
        return;
    // The list then shows the file as it is now.
    SmazatProtokol(*dokument_, zaznamy_[static_cast<size_t>(r)]);
    Nacist();
    Vypln();
}

void TTVysledky::btnVymazVseClick() {
    if (zaznamy_.empty() || !dokument_)
        return;
    SmazatProtokoly(*dokument_, zaznamy_);
    Nacist();
    Vypln();
}

void TTVysledky::btnGrafClick() {
    OtevritGrafVyvoje(this, BodyTestuProfilu(zaznamy_), profil_, historie_);
}
