#include "profiles/nastaveni.h"

#include "core/kategorie.h"
#include "core/pomocne_fce.h"
#include "profiles/profil_trida.h"
#include "widgets/tlacitka_dialogu.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextDocument>
#include <QTextEdit>

#include <cmath>

namespace {

constexpr int kVyskaUkazky = 80;

QTextEdit* poznamka(QWidget* rodic, const QString& text) {
    auto* m = new QTextEdit(rodic);
    m->setReadOnly(true);
    m->setFrameShape(QFrame::NoFrame);
    m->setPlainText(text);
    m->setFocusPolicy(Qt::NoFocus);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette p = m->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    m->setPalette(p);
    return m;
}

// A flag character: "1" is on; anything else, or a position past the end, is off.
bool priznak(const QString& text, int pozice) {
    return pozice < text.size() && TextNaBool(text.mid(pozice, 1));
}

} // namespace

TSetup::TSetup(QWidget* vlastnik, TProfil& AktualniProfil)
    : QDialog(vlastnik), profil_(AktualniProfil) {
    setObjectName(QStringLiteral("TSetup"));
    setWindowTitle(QStringLiteral("Nastavení programu Kolomat"));

    VytvorKategorieAProtokoly();
    VytvorSkupiny();
    VytvorVyberAPismo();
    lbVykricnik = new QLabel(QStringLiteral("!"), this);
    QFont velke = lbVykricnik->font();
    velke.setPixelSize(40);
    velke.setBold(true);
    lbVykricnik->setFont(velke);
    QPalette cervena = lbVykricnik->palette();
    cervena.setColor(QPalette::WindowText, Qt::red);
    lbVykricnik->setPalette(cervena);
    mText2 = poznamka(this, QStringLiteral("Pro celkové uložení nastavení je nutné stisknout "
                                           "položku \"Uložit nastavení\" v sekci \"Nastavení\" "
                                           "hlavního menu, jinak bude stávající nastavení po "
                                           "odlogování zapomenuto."));
    mText2->setFixedHeight(50);
    const TlacitkaDialogu tlacitka = RadekOkStorno(this);
    btnOK = tlacitka.ok;
    btnStorno = tlacitka.storno;

    auto* vlevo = new QVBoxLayout;
    vlevo->addWidget(gbKategorie);
    vlevo->addWidget(gbProtokol);
    vlevo->addStretch(1);
    auto* vpravo = new QVBoxLayout;
    vpravo->addWidget(gbSkupina);
    vpravo->addWidget(gbVyberOtazek);
    vpravo->addWidget(gbPismo);
    auto* sloupce = new QHBoxLayout;
    sloupce->addLayout(vlevo);
    sloupce->addLayout(vpravo);
    auto* dole = new QHBoxLayout;
    dole->addWidget(lbVykricnik);
    dole->addWidget(mText2, 1);
    dole->addWidget(tlacitka.radek);
    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addLayout(sloupce);
    rozvrzeni->addLayout(dole);
    setFixedSize(sizeHint());

    connect(seVelikost, &QSpinBox::valueChanged, this, &TSetup::seVelikostChanged);
    connect(btnOK, &QPushButton::clicked, this, &TSetup::btnOKClick);
    FormCreate();
}

void TSetup::VytvorKategorieAProtokoly() {
    gbKategorie = new QGroupBox(QStringLiteral("Procvičovat/zkoušet otázlky z kategorie:"), this);
    auto* kategorie = new QVBoxLayout(gbKategorie);
    for (int k = 0; k < 7; ++k) {
        cbkat[static_cast<size_t>(k)] = new QCheckBox(NazevKategorie(k + 1), gbKategorie);
        cbkat[static_cast<size_t>(k)]->setObjectName(QStringLiteral("cbkat%1").arg(k + 1));
        kategorie->addWidget(cbkat[static_cast<size_t>(k)]);
    }

    gbProtokol = new QGroupBox(QStringLiteral("Vytvářet protokol u:"), this);
    auto* protokol = new QVBoxLayout(gbProtokol);
    const std::array<QString, 3> protokoly{
        QStringLiteral("Procvičování testových otázek (z určitých či všech kategorií)"),
        QStringLiteral("Zkoušení testových otázek (z určitých či všech kategorií)"),
        QStringLiteral("Testu z pravidel silničního provozu")};
    for (size_t k = 0; k < protokoly.size(); ++k) {
        cbp[k] = new QCheckBox(protokoly[k], gbProtokol);
        cbp[k]->setObjectName(QStringLiteral("cbp%1").arg(k + 1));
        protokol->addWidget(cbp[k]);
    }
}

void TSetup::VytvorSkupiny() {
    gbSkupina = new QGroupBox(QStringLiteral("Skupina řidičského oprávnění:"), this);
    auto* skupina = new QGridLayout(gbSkupina);
    auto* tlacitkaSkupin = new QButtonGroup(this);
    auto radio = [&](const QString& text, const char* jmeno, int r, int s) {
        auto* rb = new QRadioButton(text, gbSkupina);
        rb->setObjectName(QString::fromLatin1(jmeno));
        tlacitkaSkupin->addButton(rb);
        skupina->addWidget(rb, r, s);
        return rb;
    };
    rbA = radio(QStringLiteral("A"), "rbA", 0, 0);
    rbA1 = radio(QStringLiteral("A1"), "rbA1", 1, 0);
    rbAM = radio(QStringLiteral("AM"), "rbAM", 2, 0);
    rbB = radio(QStringLiteral("B (B+E) *"), "rbB", 3, 0);
    rbB1 = radio(QStringLiteral("B1"), "rbB1", 0, 1);
    rbC = radio(QStringLiteral("C (C1, C+E, C1+E) *"), "rbC", 1, 1);
    rbD = radio(QStringLiteral("D (D1, D+E, D1+E) *"), "rbD", 2, 1);
    rbT = radio(QStringLiteral("T"), "rbT", 3, 1);
    lbHvezda = new QLabel(QStringLiteral("*"), gbSkupina);
    mText1 = poznamka(gbSkupina, QStringLiteral("skupiny v závorce se od skupiny před závorkou \n"
                                                "liší pouze omezením v rámci skupiny (otázky pro \n"
                                                "ně i počet bodů je všude stejný)"));
    mText1->setFixedHeight(50);
    auto* hvezda = new QHBoxLayout;
    hvezda->addWidget(lbHvezda, 0, Qt::AlignTop);
    hvezda->addWidget(mText1, 1);
    skupina->addLayout(hvezda, 4, 0, 1, 2);
}

void TSetup::VytvorVyberAPismo() {
    gbVyberOtazek = new QGroupBox(QStringLiteral("Výběr otázek:"), this);
    auto* vyber = new QHBoxLayout(gbVyberOtazek);
    rbPostupny = new QRadioButton(QStringLiteral("Postupný"), gbVyberOtazek);
    rbPostupny->setObjectName(QStringLiteral("rbPostupny"));
    rbNahodny = new QRadioButton(QStringLiteral("Náhodný"), gbVyberOtazek);
    rbNahodny->setObjectName(QStringLiteral("rbNahodny"));
    vyber->addWidget(rbPostupny);
    vyber->addWidget(rbNahodny);

    gbPismo = new QGroupBox(QStringLiteral("Písmo:"), this);
    auto* pismo = new QGridLayout(gbPismo);
    lbFont = new QLabel(QStringLiteral("Font:"), gbPismo);
    cbFont = new QComboBox(gbPismo);
    cbFont->setObjectName(QStringLiteral("cbFont"));
    cbFont->setEditable(true);
    lbFont->setBuddy(cbFont);
    lbVelikost = new QLabel(QStringLiteral("Velikost:"), gbPismo);
    seVelikost = new QSpinBox(gbPismo);
    seVelikost->setObjectName(QStringLiteral("seVelikost"));
    seVelikost->setRange(10, 48);
    seVelikost->setValue(12);
    lbVelikost->setBuddy(seVelikost);
    lbUkazka = new QLabel(QStringLiteral("Ukázka:"), gbPismo);
    mUkazka = poznamka(gbPismo, QStringLiteral("Vzorový text"));
    mUkazka->setObjectName(QStringLiteral("mUkazka"));
    mUkazka->setAccessibleName(QStringLiteral("Ukázka písma"));
    mUkazka->setAlignment(Qt::AlignCenter);
    mUkazka->setFixedHeight(kVyskaUkazky);
    pismo->addWidget(lbFont, 0, 0);
    pismo->addWidget(cbFont, 0, 1);
    pismo->addWidget(lbVelikost, 1, 0);
    pismo->addWidget(seVelikost, 1, 1);
    pismo->addWidget(lbUkazka, 2, 0, Qt::AlignTop);
    pismo->addWidget(mUkazka, 2, 1);
}

std::array<std::pair<QRadioButton*, const char*>, 8> TSetup::skupiny() const {
    return {{{rbA, "A"},
             {rbA1, "A1"},
             {rbAM, "AM"},
             {rbB, "B"},
             {rbB1, "B1"},
             {rbC, "C"},
             {rbD, "D"},
             {rbT, "T"}}};
}

void TSetup::FormCreate() {
    for (size_t k = 0; k < cbkat.size(); ++k)
        cbkat[k]->setChecked(priznak(profil_.Kategorie, static_cast<int>(k)));
    for (size_t k = 0; k < cbp.size(); ++k)
        cbp[k]->setChecked(priznak(profil_.Protokoly, static_cast<int>(k)));

    const QString s = profil_.Skupina;
    const QChar prvni = s.isEmpty() ? QChar() : s.front();
    const QChar druhy = s.size() > 1 ? s.at(1) : QChar();
    QRadioButton* vybrana = nullptr;
    if (prvni == u'A')
        vybrana = s == u"A" ? rbA : druhy == u'1' ? rbA1 : druhy == u'M' ? rbAM : nullptr;
    else if (prvni == u'B')
        vybrana = s == u"B" ? rbB : rbB1;
    else if (prvni == u'C')
        vybrana = rbC;
    else if (prvni == u'D')
        vybrana = rbD;
    else if (prvni == u'T')
        vybrana = rbT;
    if (vybrana)
        vybrana->setChecked(true);

    (profil_.Postupny_vyber ? rbPostupny : rbNahodny)->setChecked(true);

    seVelikost->setValue(profil_.Pismo_velikost);
    QFont ukazka(profil_.Pismo_font);
    ukazka.setPointSize(std::clamp(profil_.Pismo_velikost, 1, 200));
    mUkazka->setFont(ukazka);
    mUkazka->setAlignment(Qt::AlignCenter);
    cbFont->setEditText(profil_.Pismo_font);
    btnOK->setFocus();
}

void TSetup::seVelikostChanged(int velikost) {
    QFont ukazka = mUkazka->font();
    ukazka.setPointSize(velikost);
    mUkazka->setFont(ukazka);
    // The sample shows whole at every size: the preview (80 px at the usual sizes)
    // grows with it, and the window with the preview.
    QTextDocument* dokument = mUkazka->document();
    dokument->setTextWidth(mUkazka->viewport()->width());
    const int potreba =
        static_cast<int>(std::ceil(dokument->size().height())) + 2 * mUkazka->frameWidth();
    const int vyska = std::max(kVyskaUkazky, potreba);
    if (vyska != mUkazka->height()) {
        mUkazka->setFixedHeight(vyska);
        setFixedSize(sizeHint());
    }
}

void TSetup::btnOKClick() {
    QString kategorie;
    for (QCheckBox* cb : cbkat)
        kategorie += BoolNaText(cb->isChecked());
    profil_.Kategorie = kategorie;
    QString protokoly;
    for (QCheckBox* cb : cbp)
        protokoly += BoolNaText(cb->isChecked());
    profil_.Protokoly = protokoly;
    for (const auto& [rb, skupina] : skupiny()) {
        if (rb->isChecked()) {
            profil_.Skupina = QString::fromLatin1(skupina);
            break;
        }
    }
    profil_.Postupny_vyber = rbPostupny->isChecked();
    profil_.Pismo_velikost = seVelikost->value();
    profil_.Pismo_font = cbFont->currentText();
    accept();
}
