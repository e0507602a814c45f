#include "app/about.h"

#include "core/pomocne_fce.h"
#include "update/aktualizace.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#ifndef KOLOMAT_VERZE
#define KOLOMAT_VERZE "1.0"
#endif

namespace {

const QString kPopisDatabaze = QStringLiteral("databáze otázek z: ");

const QString kPopisProgramu = QStringLiteral(
    "Kolomat je výukový program pro přípravu na písemnou část zkoušky z pravidel silničního "
    "provozu k získání řidičského oprávnění. Program se poskytuje zdarma.\n"
    "\n"
    "Pracuje s úředním souborem zkušebních otázek. Databáze otázek se obnovuje zhruba "
    "jednou za půl roku; novější databázi stáhnete položkou Konfigurace → Provést "
    "aktualizaci.\n"
    "\n"
    "Výhody programu:\n"
    " - prohlížení všech otázek se správnými odpověďmi,\n"
    " - procvičování, ve kterém se chybně zodpovězené otázky vracejí, dokud je nezvládnete,\n"
    " - zkoušení bez nápovědy,\n"
    " - test na body v podobě skutečné zkoušky: 25 otázek, 50 bodů, 30 minut,\n"
    " - výsledky a protokoly testů zvlášť pro každý profil,\n"
    " - více profilů, každý s vlastním nastavením a případně s heslem.");

QLabel* popisek(const QString& text, QWidget* rodic, const char* jmeno) {
    auto* l = new QLabel(text, rodic);
    l->setTextFormat(Qt::PlainText);
    l->setObjectName(QString::fromLatin1(jmeno));
    return l;
}

} // namespace

TOProgramu::TOProgramu(QWidget* vlastnik) : QDialog(vlastnik) {
    setObjectName(QStringLiteral("OProgramu"));
    setWindowTitle(QStringLiteral("O programu"));
    setFixedSize(380, 380);

    auto* svisle = new QVBoxLayout(this);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    svisle->addWidget(panel, 1);
    auto* mrizka = new QGridLayout(panel);

    imgIkona = popisek(QString(), panel, "imgIkona");
    const QIcon ikona = QApplication::windowIcon().isNull()
                            ? style()->standardIcon(QStyle::SP_DesktopIcon)
                            : QApplication::windowIcon();
    imgIkona->setPixmap(ikona.pixmap(32, 32));
    mrizka->addWidget(imgIkona, 0, 0, 2, 1, Qt::AlignTop | Qt::AlignLeft);

    Button1 = new QPushButton(QStringLiteral("&OK"), panel);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    mrizka->addWidget(Button1, 0, 2, Qt::AlignTop | Qt::AlignRight);
    connect(Button1, &QPushButton::clicked, this, &TOProgramu::Button1Click);

    lbNazev = popisek(QStringLiteral("Kolomat"), panel, "lbNazev");
    QFont nazev = lbNazev->font();
    nazev.setBold(true);
    nazev.setPointSizeF(nazev.pointSizeF() * 1.6);
    lbNazev->setFont(nazev);
    mrizka->addWidget(lbNazev, 0, 1);

    auto* udaje = new QVBoxLayout;
    udaje->setSpacing(1);
    lbVerze = popisek(QStringLiteral("verze produktu: ") + QStringLiteral(KOLOMAT_VERZE), panel,
                      "lbVerze");
    lbUprava = popisek(QStringLiteral("poslední úprava: 7.12.2026"), panel, "lbUprava");
    lbDatabaze = popisek(kPopisDatabaze, panel, "lbDatabaze");
    lbAutor = popisek(QStringLiteral("autor: tým programu Kolomat"), panel, "lbAutor");
    lbNet = popisek(Tupdate::VychoziServer().toString(), panel, "lbNet");
    lbNet->setCursor(Qt::PointingHandCursor);
    lbNet->setMouseTracking(true);
    lbNet->installEventFilter(this);
    for (QLabel* l : {lbVerze, lbUprava, lbDatabaze, lbAutor, lbNet})
        udaje->addWidget(l);
    mrizka->addLayout(udaje, 1, 1, 1, 2);

    Memo1 = new QPlainTextEdit(kPopisProgramu, panel);
    Memo1->setAccessibleName(QStringLiteral("Popis programu"));
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette paleta = Memo1->palette();
    paleta.setColor(QPalette::Base, QColor(255, 255, 192));
    Memo1->setPalette(paleta);
    mrizka->addWidget(Memo1, 2, 0, 1, 3);

    lbPoznamka1 =
        popisek(QStringLiteral("Program nenahrazuje výuku v autoškole."), panel, "lbPoznamka1");
    lbPoznamka2 = popisek(QStringLiteral("Nejasnosti v otázkách proberte se svým instruktorem."),
                          panel, "lbPoznamka2");
    mrizka->addWidget(lbPoznamka1, 3, 0, 1, 3, Qt::AlignHCenter);
    mrizka->addWidget(lbPoznamka2, 4, 0, 1, 3, Qt::AlignHCenter);
    mrizka->setColumnStretch(1, 1);

    lbPrava = popisek(QStringLiteral("© 2026 autoři programu Kolomat. Program je zdarma."), this,
                      "lbPrava");
    svisle->addWidget(lbPrava, 0, Qt::AlignHCenter);

    Button1->setFocus();
    FormCreate();
}

QString TOProgramu::PopisDatabaze(const QString& soubor) {
    const QFileInfo info(soubor);
    if (!info.isFile())
        return kPopisDatabaze + QStringLiteral("soubor %1 nebyl nalezen").arg(soubor);
    return kPopisDatabaze + DatumNaText(info.lastModified().date());
}

void TOProgramu::FormCreate() {
    lbDatabaze->setText(PopisDatabaze());
    lbNetMouseLeave();
}

void TOProgramu::Button1Click() {
    close();
}

bool TOProgramu::eventFilter(QObject* objekt, QEvent* udalost) {
    if (objekt == lbNet) {
        switch (udalost->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
            lbNetMouseMove();
            break;
        case QEvent::Leave:
            lbNetMouseLeave();
            break;
        case QEvent::MouseButtonRelease:
            lbNetClick();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(objekt, udalost);
}

void TOProgramu::lbNetMouseMove() {
    nastavBarvuOdkazu(Qt::red);
}

void TOProgramu::lbNetMouseLeave() {
    nastavBarvuOdkazu(Qt::blue);
}

void TOProgramu::nastavBarvuOdkazu(const QColor& barva) {
    QPalette paleta = lbNet->palette();
    paleta.setColor(QPalette::WindowText, barva);
    lbNet->setPalette(paleta);
}
