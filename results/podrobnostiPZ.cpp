#include "results/podrobnostiPZ.h"
#include "widgets/okna.h"

#include "core/kategorie.h"
#include "core/pomocne_fce.h"
#include "core/procvicovani_chyb.h"
#include "core/radky_seznamu.h"
#include "results/vysledkyPZ.h"
#include "widgets/pozadavek_procvicovani.h"
#include "widgets/zpravy.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

RozlozeniKategorii RozlozKategorie(const QString& kategorie) {
    RozlozeniKategorii r;
    for (size_t k = 0; k < r.Horni.size(); ++k)
        r.Horni[k] = kHorniRadekKategorii + kRozestupKategorii * static_cast<int>(k);
    const int posledniNavrh = r.Horni.back();
    int posledni = posledniNavrh;
    for (size_t k = 0; k < r.Horni.size(); ++k) {
        // A missing character (a hand-shortened string) counts as off.
        if (TextNaBool(kategorie.mid(static_cast<qsizetype>(k), 1))) {
            r.Zobrazena[k] = true;
            posledni = r.Horni[k];
            continue;
        }
        for (size_t j = r.Horni.size() - 1; j > k; --j)
            r.Horni[j] = r.Horni[j - 1];
    }
    r.Posun = posledniNavrh - posledni;
    return r;
}

namespace {

QFrame* cara(QWidget* rodic, const char* jmeno, int y) {
    auto* c = new QFrame(rodic);
    c->setObjectName(QString::fromLatin1(jmeno));
    c->setFrameShape(QFrame::HLine);
    c->setFrameShadow(QFrame::Sunken);
    c->setGeometry(4, y, 342, 2);
    return c;
}

void pridej(QLabel* l, const QString& text) {
    l->setText(l->text() + text);
    l->adjustSize();
}

void posunNahoru(QWidget* w, int o) {
    w->move(w->x(), w->y() - o);
}

} // namespace

TPZPodrobnosti::TPZPodrobnosti(QWidget* vlastnik, const TXMLVysledekType& z,
                               std::uint8_t typVysledku)
    : QDialog(vlastnik, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                            Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TPZPodrobnosti"));
    // Everything of the record is read first: a value that does not convert throws
    // before any control exists.
    const QStringList radek = RadekVysledku(z);
    const int pocet = z.PocetOtazek();
    const int spatne = z.Spatne();
    const int sNapovedou = z.SNapovedou();
    const int uspesnost = z.Uspesnost();
    spatneCisla_ = z.SpatneCisla();
    napovedaCisla_ = z.SNapovedouCisla();
    const bool zkouseni = typVysledku == kVysledkyZkouseni;

    VytvorOvladace();
    Vypln(z, zkouseni, radek[0] + QStringLiteral(", ") + radek[1], pocet, spatne, sNapovedou,
          uspesnost);
    ZavritMezery(z.Kategorie());
    connect(btnOK, &QPushButton::clicked, this, &TPZPodrobnosti::btnOKClick);
    connect(btnSpatne, &QPushButton::clicked, this, &TPZPodrobnosti::btnSpatneClick);
    connect(btnNapoveda, &QPushButton::clicked, this, &TPZPodrobnosti::btnNapovedaClick);
    connect(btnProcvicit, &QPushButton::clicked, this, &TPZPodrobnosti::btnProcvicitClick);
}

void TPZPodrobnosti::VytvorOvladace() {
    lbUzivatel = NovyPopisek(this, "lbUzivatel", QStringLiteral("Uživatel: "), 8, 8, true);
    lbSkupina = NovyPopisek(this, "lbSkupina", QStringLiteral("Skupina: "), 220, 8, true);
    b1 = cara(this, "b1", 26);
    lbKategorie = NovyPopisek(this, "lbKategorie",
                              QStringLiteral("Kategorie, z nichž se skládal test:"), 8, 32, true);
    const char* jmena[] = {"lb1", "lb2", "lb3", "lb4", "lb5", "lb6", "lb7"};
    for (size_t k = 0; k < lbRadky.size(); ++k)
        lbRadky[k] = NovyPopisek(this, jmena[k], NazevKategorie(static_cast<int>(k) + 1), 16,
                                 kHorniRadekKategorii + kRozestupKategorii * static_cast<int>(k));
    b2 = cara(this, "b2", 152);
    lbPocet = NovyPopisek(this, "lbPocet", QStringLiteral("Počet otázek: "), 8, 158, true);
    b3 = cara(this, "b3", 176);
    lbSpravne = NovyPopisek(this, "lbSpravne", QStringLiteral("Správných odpovědí: "), 8, 182);
    lbSpatne = NovyPopisek(this, "lbSpatne", QStringLiteral("Špatných odpovědí: "), 8, 204);
    btnSpatne = new QPushButton(QStringLiteral("Zobraz čísla otázek"), this);
    btnSpatne->setObjectName(QStringLiteral("btnSpatne"));
    btnSpatne->setGeometry(200, 200, 140, 22);
    lbNapoveda = NovyPopisek(this, "lbNapoveda", QStringLiteral("Použití nápovědy: "), 8, 228);
    btnNapoveda = new QPushButton(QStringLiteral("Zobraz čísla otázek"), this);
    btnNapoveda->setObjectName(QStringLiteral("btnNapoveda"));
    btnNapoveda->setGeometry(200, 224, 140, 22);
    btnSpatne->setEnabled(false);
    btnNapoveda->setEnabled(false);
    b4 = cara(this, "b4", 250);
    lbUspesnost = NovyPopisek(this, "lbUspesnost", QStringLiteral("Úspěšnost: "), 8, 256, true);
    // Beside the success, right-aligned with the two buttons above it.
    btnProcvicit = new QPushButton(QStringLiteral("&Procvičit chybné otázky"), this);
    btnProcvicit->setObjectName(QStringLiteral("btnProcvicit"));
    const int sirka = std::max(140, btnProcvicit->sizeHint().width());
    btnProcvicit->setGeometry(340 - sirka, 253, sirka, 22);
    btnProcvicit->setEnabled(false);
    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    QFont tucne = btnOK->font();
    tucne.setBold(true);
    btnOK->setFont(tucne);
    btnOK->setGeometry(137, 278, 75, 25);
    btnOK->setDefault(true);
}

void TPZPodrobnosti::Vypln(const TXMLVysledekType& z, bool zkouseni, const QString& kdy, int pocet,
                           int spatne, int sNapovedou, int uspesnost) {
    if (zkouseni) {
        setWindowTitle(QStringLiteral("Zkoučení - ") + kdy);
        lbNapoveda->setEnabled(false);
    } else {
        setWindowTitle(QStringLiteral("Procvičování - ") + kdy);
        pridej(lbNapoveda, QString::number(sNapovedou));
        btnNapoveda->setEnabled(sNapovedou > 0);
    }
    pridej(lbUzivatel, z.Profil());
    pridej(lbSkupina, z.Skupina());
    pridej(lbPocet, QString::number(pocet));
    pridej(lbSpravne, QString::number(pocet - spatne));
    pridej(lbSpatne, QString::number(spatne));
    pridej(lbUspesnost, QString::number(uspesnost) + QLatin1Char('%'));
    btnSpatne->setEnabled(spatne > 0);
    btnProcvicit->setEnabled(!CislaZeSeznamu(spatneCisla_).empty());
}

// The lines of the categories left out of the run close up, and the window with them.
void TPZPodrobnosti::ZavritMezery(const QString& kategorie) {
    const RozlozeniKategorii r = RozlozKategorie(kategorie);
    for (size_t k = 0; k < lbRadky.size(); ++k) {
        lbRadky[k]->move(lbRadky[k]->x(), r.Horni[k]);
        lbRadky[k]->setVisible(r.Zobrazena[k]);
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{b2, b3, b4, lbPocet, lbSpravne, lbSpatne, lbNapoveda,
                                         lbUspesnost, btnOK, btnSpatne, btnNapoveda, btnProcvicit})
        posunNahoru(w, r.Posun);
    setFixedSize(350, kVyskaPodrobnosti - r.Posun);
}

void TPZPodrobnosti::btnSpatneClick() {
    zpravy::informace(this, QStringLiteral("Špatně zodpovězené otázky: ") + spatneCisla_);
}

void TPZPodrobnosti::btnNapovedaClick() {
    zpravy::informace(this,
                      QStringLiteral("Otázky, u nichž byla použita nápověda: ") + napovedaCisla_);
}

void TPZPodrobnosti::btnProcvicitClick() {
    pozadavek_procvicovani::Nastav(CislaZeSeznamu(spatneCisla_));
    done(kProcvicitChybne);
}
