#include "views/dotaz_procvic_zk.h"
#include "widgets/okna.h"

#include "core/XML_otazky.h"
#include "core/pomocne_fce.h"
#include "widgets/zpravy.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

QScrollBar* posuvnik(QWidget* rodic, const char* jmeno, int y, const QString& nazev) {
    auto* p = new QScrollBar(Qt::Horizontal, rodic);
    p->setObjectName(QString::fromLatin1(jmeno));
    p->setGeometry(16, y, 268, 16);
    p->setSingleStep(1);
    p->setPageStep(10);
    // Qt's scroll bars invert the arrow keys; here Left means fewer, Right more. A scroll
    // bar takes no focus of its own: these take it by Tab and by a click, and then move
    // by the arrows, Page Up/Down, Home and End.
    p->setInvertedControls(false);
    p->setFocusPolicy(Qt::StrongFocus);
    p->setAccessibleName(nazev);
    return p;
}

// A scroll bar draws no focus: the frame around the one that has it shows where the keys
// go.
class RamecekFokusu : public QObject {
public:
    explicit RamecekFokusu(QFrame* ramecek) : ramecek_(ramecek) {}
    bool eventFilter(QObject* objekt, QEvent* udalost) override {
        auto* w = static_cast<QWidget*>(objekt);
        if (udalost->type() == QEvent::FocusIn) {
            ramecek_->setGeometry(w->geometry().adjusted(-3, -3, 3, 3));
            ramecek_->show();
            ramecek_->lower();
        } else if (udalost->type() == QEvent::FocusOut) {
            ramecek_->hide();
        }
        return false;
    }

private:
    QFrame* ramecek_;
};

} // namespace

TDotazProcvicovaniZkouseni::TDotazProcvicovaniZkouseni(QWidget* vlastnik, const QString& kategorie,
                                                       bool postupnyVyber,
                                                       std::vector<TVybranaOtazka>& vybraneOtazky)
    : QDialog(vlastnik, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowMinimizeButtonHint),
      vybraneOtazky_(vybraneOtazky), postupnyVyber_(postupnyVyber) {
    setObjectName(QStringLiteral("TDotazProcvicovaniZkouseni"));
    setWindowTitle(QStringLiteral("Dotaz programu Kolomat"));
    setFixedSize(300, 130);

    // FormCreate: the candidates come from this dialog's own copy of the database.
    databaze_ = std::make_unique<TOtazka>();
    kandidati_ = NajdiKandidaty(databaze_->Dokument(), kategorie);
    const int c = static_cast<int>(kandidati_.size());

    lbNadpis = new QLabel(this);
    lbNadpis->setObjectName(QStringLiteral("lbNadpis"));
    QFont tucne = lbNadpis->font();
    tucne.setBold(true);
    lbNadpis->setFont(tucne);
    QPalette modra = lbNadpis->palette();
    modra.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lbNadpis->setPalette(modra);
    lbNadpis->move(16, 6);

    lbPocetOtazek = NovyPopisek(this, "lbPocetOtazek", QStringLiteral("Počet otázek:"), 16, 28);
    cbPocetOtazek = posuvnik(this, "cbPocetOtazek", 43, QStringLiteral("Počet otázek"));
    cbPocetOtazek->setRange(1, std::max(c, 1));
    cbPocetOtazek->setValue(VychoziPocet(std::max(c, 1)));
    lbPocetOtazek->setText(QStringLiteral("Počet otázek: %1").arg(cbPocetOtazek->value()));
    lbPocetOtazek->adjustSize();

    lbZacitOtazkou =
        NovyPopisek(this, "lbZacitOtazkou", QStringLiteral("Začít otázkou: 1"), 16, 63);
    cbZacitOtazkou = posuvnik(this, "cbZacitOtazkou", 78, QStringLiteral("Začít otázkou"));
    cbZacitOtazkou->setRange(1, std::max(c, 1));
    cbZacitOtazkou->setValue(1);
    if (postupnyVyber_ && c > 0) {
        lbZacitOtazkou->setText(QStringLiteral("Začít otázkou: %1").arg(kandidati_.front().Cislo));
        lbZacitOtazkou->adjustSize();
    } else {
        cbZacitOtazkou->setEnabled(false);
        lbZacitOtazkou->setEnabled(false);
    }

    btnStart = new QPushButton(QStringLiteral("&Start"), this);
    btnStart->setObjectName(QStringLiteral("btnStart"));
    btnStart->setFont(tucne);
    btnStart->setGeometry(112, 100, 75, 25);
    btnStart->setDefault(true);
    btnStart->setAutoDefault(true);

    connect(cbPocetOtazek, &QScrollBar::valueChanged, this,
            &TDotazProcvicovaniZkouseni::cbPocetOtazekChange);
    connect(cbZacitOtazkou, &QScrollBar::valueChanged, this,
            &TDotazProcvicovaniZkouseni::cbZacitOtazkouChange);
    connect(btnStart, &QPushButton::clicked, this, &TDotazProcvicovaniZkouseni::btnStartClick);
    frFokus = new QFrame(this);
    frFokus->setObjectName(QStringLiteral("frFokus"));
    frFokus->setFrameShape(QFrame::Box);
    QPalette zvyrazneni = frFokus->palette();
    zvyrazneni.setColor(QPalette::WindowText, zvyrazneni.color(QPalette::Highlight));
    frFokus->setPalette(zvyrazneni);
    frFokus->setLineWidth(2);
    frFokus->hide();
    fokus_ = std::make_unique<RamecekFokusu>(frFokus);
    for (QScrollBar* p : {cbPocetOtazek, cbZacitOtazkou})
        p->installEventFilter(fokus_.get());

    setTabOrder(cbPocetOtazek, cbZacitOtazkou);
    setTabOrder(cbZacitOtazkou, btnStart);
    cbPocetOtazek->setFocus();
}

TDotazProcvicovaniZkouseni::~TDotazProcvicovaniZkouseni() = default;

int TDotazProcvicovaniZkouseni::exec() {
    if (kandidati_.empty()) {
        zpravy::oznameni(parentWidget(), kZadnaKategorie);
        vybraneOtazky_.clear();
        zavreno_ = true;
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void TDotazProcvicovaniZkouseni::done(int vysledek) {
    FormClose();
    QDialog::done(vysledek);
}

void TDotazProcvicovaniZkouseni::cbPocetOtazekChange(int pozice) {
    lbPocetOtazek->setText(QStringLiteral("Počet otázek: %1").arg(pozice));
    lbPocetOtazek->adjustSize();
    if (upravuji_)
        return;
    const int c = cbPocetOtazek->maximum();
    const int zacatek = ZacatekPoZmenePoctu(c, cbZacitOtazkou->value(), pozice);
    if (zacatek != cbZacitOtazkou->value()) {
        upravuji_ = true;
        cbZacitOtazkou->setValue(zacatek);
        upravuji_ = false;
    }
}

void TDotazProcvicovaniZkouseni::cbZacitOtazkouChange(int pozice) {
    const auto i = static_cast<size_t>(pozice - 1);
    if (i < kandidati_.size()) {
        lbZacitOtazkou->setText(QStringLiteral("Začít otázkou: %1").arg(kandidati_[i].Cislo));
        lbZacitOtazkou->adjustSize();
    }
    if (upravuji_)
        return;
    const int c = cbPocetOtazek->maximum();
    const int pocet = PocetPoZmeneZacatku(c, pozice, cbPocetOtazek->value());
    if (pocet != cbPocetOtazek->value()) {
        upravuji_ = true;
        cbPocetOtazek->setValue(pocet);
        upravuji_ = false;
    }
}

void TDotazProcvicovaniZkouseni::FormClose() {
    if (zavreno_)
        return;
    zavreno_ = true;
    nahoda::Randomize();
    const int pocet = kandidati_.empty() ? 0 : cbPocetOtazek->value();
    vybraneOtazky_ = postupnyVyber_ ? VyberPoSobe(kandidati_, cbZacitOtazkou->value(), pocet)
                                    : VyberNahodne(kandidati_, pocet);
    kandidati_.clear();
    databaze_.reset();
}
