#include "results/vysledkyPZ.h"

#include "core/pomocne_fce.h"
#include "core/radky_seznamu.h"
#include "results/podrobnostiPZ.h"
#include "widgets/model_radku.h"
#include "widgets/okna.h"
#include "widgets/pozadavek_procvicovani.h"
#include "widgets/zpravy.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

namespace {

QPushButton* tlacitko(QWidget* rodic, const char* jmeno, const QString& text, int x, int sirka) {
    auto* b = new QPushButton(text, rodic);
    b->setObjectName(QString::fromLatin1(jmeno));
    b->setGeometry(x, 292, sirka, 25);
    return b;
}

} // namespace

TPZVysledky::TPZVysledky(QWidget* vlastnik, const QString& profil, std::uint8_t typVysledku)
    : QDialog(vlastnik, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                            Qt::WindowCloseButtonHint),
      profil_(profil), typ_(typVysledku) {
    setObjectName(QStringLiteral("TPZVysledky"));
    setWindowTitle(QStringLiteral("Seznam výsledků ") +
                   (typ_ == kVysledkyZkouseni ? QStringLiteral("zkoušení, Uživatel: ")
                                              : QStringLiteral("procvičování, Uživatel: ")) +
                   profil);
    setFixedSize(553, 329);

    // Everything is read and converted before any control shows it.
    Nacist();
    if (!necitelne_.isEmpty())
        zpravy::chyba(vlastnik, necitelne_);

    sgTab = new QTableView(this);
    sgTab->setAccessibleName(QStringLiteral("Seznam výsledků"));
    sgTab->setObjectName(QStringLiteral("sgTab"));
    sgTab->setGeometry(4, 4, 545, 280);
    model_ = new ModelRadku({QStringLiteral("Datum vystavení"), QStringLiteral("Čas"),
                             QStringLiteral("Skupina"), QStringLiteral("Počet otázek"),
                             QStringLiteral("Špatné odpovědi"), QStringLiteral("Použití nápovědy"),
                             QStringLiteral("Úspěšnost")},
                            this);
    sgTab->setModel(model_);
    sgTab->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgTab->setSelectionMode(QAbstractItemView::SingleSelection);
    sgTab->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgTab->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The columns are a few pixels wider together than the grid: no horizontal scroll
    // bar for them, and the headers start at the left like the cells, so that the last
    // one stays readable.
    sgTab->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgTab->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    sgTab->verticalHeader()->hide();
    sgTab->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgTab->verticalHeader()->setDefaultSectionSize(20);
    sgTab->horizontalHeader()->setHighlightSections(false);

    btnPodrobnosti = tlacitko(this, "btnPodrobnosti", QStringLiteral("&Podrobnosti"), 4, 100);
    btnVymazatZaznam =
        tlacitko(this, "btnVymazatZaznam", QStringLiteral("Vymazat &záznam"), 112, 110);
    btnVymazatVse = tlacitko(this, "btnVymazatVse", QStringLiteral("&Vymazat vše"), 230, 100);
    btnOK = tlacitko(this, "btnOK", QStringLiteral("&OK"), 449, 100);
    btnOK->setDefault(true);

    connect(btnOK, &QPushButton::clicked, this, &TPZVysledky::btnOKClick);
    connect(btnPodrobnosti, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnPodrobnostiClick(); }); });
    connect(btnVymazatZaznam, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnVymazatZaznamClick(); }); });
    connect(btnVymazatVse, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnVymazatVseClick(); }); });
    connect(sgTab, &QTableView::doubleClicked, this, [this] {
        if (!zaznamy_.empty())
            zpravy::zachyt(this, [&] { btnPodrobnostiClick(); });
    });

    Naplnit(0);
    sgTab->setFocus();
}

TPZVysledky::~TPZVysledky() = default;

void TPZVysledky::Nacist() {
    dokument_.reset();
    zaznamy_.clear();
    radky_.clear();
    if (!SouborNaDisku(kSouborVysledku))
        return;
    dokument_.emplace(NacistVysledky());
    const QString typ = typ_ == kVysledkyZkouseni ? kTypZkouseni : kTypProcvicovani;
    const std::vector<TXMLVysledekType> vsechny = VysledkyProfilu(*dokument_, profil_, typ);
    radky_.reserve(vsechny.size());
    QStringList chyby;
    for (const TXMLVysledekType& z : vsechny) {
        const QString chyba = zpravy::textChyby([&] { radky_.push_back(RadekVysledku(z)); });
        if (chyba.isEmpty())
            zaznamy_.push_back(z);
        else
            chyby << QStringLiteral("záznam č. %1: %2").arg(dokument_->IndexOf(z) + 1).arg(chyba);
    }
    necitelne_.clear();
    if (!chyby.isEmpty())
        necitelne_ = QStringLiteral("Některé záznamy v souboru \"%1\" nelze přečíst, proto nejsou "
                                    "v seznamu uvedeny. Zůstávají v souboru beze změny.\n\n%2")
                         .arg(kSouborVysledku, chyby.join(u'\n'));
}

int TPZVysledky::VybranyRadek() const {
    const QModelIndex i = sgTab->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void TPZVysledky::Naplnit(int vybrany) {
    model_->Nastav(radky_);
    // The designed widths; a font too wide for them is set a little smaller, and a
    // column is widened only when even the smallest font does not fit. Measured on the
    // longest text of each column, which is cheap even for a long list.
    const int sirky[kSloupcuVysledku] = {100, 50, 60, 80, 90, 90, 80};
    std::array<QString, kSloupcuVysledku> nejdelsi;
    for (int s = 0; s < kSloupcuVysledku; ++s) {
        nejdelsi[static_cast<size_t>(s)] =
            model_->headerData(s, Qt::Horizontal, Qt::DisplayRole).toString();
        for (const QStringList& r : radky_)
            if (r[s].size() > nejdelsi[static_cast<size_t>(s)].size())
                nejdelsi[static_cast<size_t>(s)] = r[s];
    }
    QHeaderView* zahlavi = sgTab->horizontalHeader();
    for (;;) {
        const QFontMetrics metriky(sgTab->font());
        bool vejde = true;
        for (int s = 0; s < kSloupcuVysledku; ++s) {
            const int potreba = metriky.horizontalAdvance(nejdelsi[static_cast<size_t>(s)]) + 12;
            vejde = vejde && potreba <= sirky[s];
            zahlavi->resizeSection(s, std::max(sirky[s], potreba));
        }
        QFont pismo = sgTab->font();
        const int velikost = QFontInfo(pismo).pixelSize();
        if (vejde || velikost <= 9)
            break;
        pismo.setPixelSize(velikost - 1);
        sgTab->setFont(pismo);
    }
    const bool prazdny = zaznamy_.empty();
    for (QWidget* w :
         std::initializer_list<QWidget*>{btnPodrobnosti, btnVymazatZaznam, btnVymazatVse, sgTab})
        w->setEnabled(!prazdny);
    if (prazdny)
        return;
    const int radek = std::clamp(vybrany, 0, static_cast<int>(zaznamy_.size()) - 1);
    sgTab->setCurrentIndex(model_->index(radek, 0));
    sgTab->selectRow(radek);
}

void TPZVysledky::btnPodrobnostiClick() {
    const int r = VybranyRadek();
    if (r < 0 || r >= static_cast<int>(zaznamy_.size()))
        return;
    VybranyVysledek = zaznamy_[static_cast<size_t>(r)];
    struct Uklid {
        std::optional<TXMLVysledekType>& v;
        ~Uklid() { v.reset(); }
    } uklid{VybranyVysledek};
    TPZPodrobnosti okno(this, *VybranyVysledek, typ_);
    Vycentruj(&okno, this);
    // The practice asked for starts from the main window, once this list has closed.
    if (okno.exec() == kProcvicitChybne)
        done(kProcvicitChybne);
}

void TPZVysledky::btnVymazatZaznamClick() {
    const int r = VybranyRadek();
    if (!dokument_ || r < 0 || r >= static_cast<int>(zaznamy_.size()))
        return;
    // Throws when the file cannot be read or written; the record then stays in the list
    // too. Otherwise the list shows the file as it is now.
    SmazatVysledek(*dokument_, zaznamy_[static_cast<size_t>(r)]);
    Nacist();
    Naplnit(r);
}

void TPZVysledky::btnVymazatVseClick() {
    if (!dokument_ || zaznamy_.empty())
        return;
    SmazatVysledky(*dokument_, zaznamy_);
    Nacist();
    Naplnit(0);
}
