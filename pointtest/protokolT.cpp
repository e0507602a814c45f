#include "pointtest/protokolT.h"

#include "core/XML_otazky.h"
#include "core/procvicovani_chyb.h"
#include "core/protokol_text.h"
#include "widgets/pevne_okno.h"
#include "widgets/pozadavek_procvicovani.h"
#include "widgets/tisk.h"
#include "widgets/zpravy.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextDocument>

#include <memory>

namespace {

TTProtokol::DotazNaSoubor& dotazNaSoubor() {
    static TTProtokol::DotazNaSoubor dotaz;
    return dotaz;
}

QString zeptejSeNaSoubor(QWidget* rodic) {
    if (dotazNaSoubor())
        return dotazNaSoubor()(rodic);
    QFileDialog dialog(rodic, QStringLiteral("Save"), QString(),
                       QStringLiteral("Textový dokument (*.txt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The file written is the chosen name plus ".txt"; that one is asked about later.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString seznamPozic(const QList<int>& pozice) {
    QStringList texty;
    for (int p : pozice)
        texty << QString::number(p);
    return texty.join(QStringLiteral(", "));
}

} // namespace

void TTProtokol::nastavDotazNaSoubor(DotazNaSoubor dotaz) {
    dotazNaSoubor() = std::move(dotaz);
}

TTProtokol::TTProtokol(QWidget* vlastnik, const TXMLProtokolType& zaznam)
    : QDialog(vlastnik), zaznam_(zaznam) {
    setObjectName(QStringLiteral("TProtokol"));
    PevneOkno(this, 440, 505);

    mProtokol = new QPlainTextEdit(this);
    mProtokol->setAccessibleName(QStringLiteral("Protokol testu"));
    mProtokol->setObjectName(QStringLiteral("mProtokol"));
    mProtokol->setGeometry(0, 0, 440, 425);
    QFont pismo(QStringLiteral("Courier New"));
    pismo.setStyleHint(QFont::TypeWriter);
    pismo.setFixedPitch(true);
    pismo.setPixelSize(11);
    mProtokol->setFont(pismo);
    mProtokol->setLineWrapMode(QPlainTextEdit::NoWrap);
    mProtokol->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(60, 435, 140, 28);
    btnUlozit = new QPushButton(QStringLiteral("&Uložit do souboru"), this);
    btnUlozit->setObjectName(QStringLiteral("btnUlozit"));
    btnUlozit->setGeometry(240, 435, 140, 28);
    // A row of its own below the two buttons: practise the mistakes, print, PDF.
    auto* radek = new QWidget(this);
    radek->setGeometry(8, 470, 424, 28);
    auto* rozvrzeni = new QHBoxLayout(radek);
    rozvrzeni->setContentsMargins(0, 0, 0, 0);
    btnProcvicit = new QPushButton(QStringLiteral("&Procvičit chybné otázky"), radek);
    btnProcvicit->setObjectName(QStringLiteral("btnProcvicit"));
    btnProcvicit->setEnabled(!ChybneVTestu(zaznam_).empty());
    btnTisk = new QPushButton(QStringLiteral("&Tisknout..."), radek);
    btnTisk->setObjectName(QStringLiteral("btnTisk"));
    btnPdf = new QPushButton(QStringLiteral("Uložit jako P&DF..."), radek);
    btnPdf->setObjectName(QStringLiteral("btnPdf"));
    for (QPushButton* b : {btnProcvicit, btnTisk, btnPdf})
        rozvrzeni->addWidget(b, b == btnProcvicit ? 3 : 2);
    connect(btnProcvicit, &QPushButton::clicked, this, &TTProtokol::btnProcvicitClick);
    connect(btnTisk, &QPushButton::clicked, this, [this] {
        QTextDocument dokument;
        tisk::NastavPevneRadky(dokument, mProtokol->toPlainText());
        tisk::Tisknout(this, dokument, windowTitle());
    });
    connect(btnPdf, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnPdfClick(); }); });
    connect(btnOK, &QPushButton::clicked, this, &TTProtokol::btnOKClick);
    connect(btnUlozit, &QPushButton::clicked, this,
            [this] { zpravy::zachyt(this, [&] { btnUlozitClick(); }); });
}

void TTProtokol::FormCreate() {
    const TObsahProtokolu obsah = ObsahZaznamu(zaznam_);
    setWindowTitle(TitulekProtokolu(obsah));

    std::unique_ptr<TOtazka> databaze;
    const QString chybaDatabaze =
        zpravy::textChyby([&] { databaze = std::make_unique<TOtazka>(); });
    const HledaniKodu kody = databaze ? KodyZDatabaze(databaze->Dokument()) : HledaniKodu();
    const TTextProtokolu text = SestavTextProtokolu(obsah, kody);
    databaze.reset();

    mProtokol->setPlainText(text.Radky.join(u'\n'));
    mProtokol->moveCursor(QTextCursor::Start);

    if (!chybaDatabaze.isEmpty())
        zpravy::oznameni(this, QStringLiteral("Kódy otázek dle věstníku nelze v protokolu uvést, "
                                              "protože databázi otázek nelze otevřít: ") +
                                   chybaDatabaze);
    else if (!text.BezKodu.isEmpty())
        zpravy::oznameni(
            this, QStringLiteral("Záznam testu v souboru \"%1\" obsahuje u otázek testu %2 "
                                 "skutečná čísla, která v databázi otázek \"otazky.xml\" nejsou; "
                                 "jejich kód dle věstníku není uveden.")
                      .arg(kSouborProtokolu, seznamPozic(text.BezKodu)));
}

void TTProtokol::btnOKClick() {
    close();
}

void TTProtokol::btnPdfClick() {
    QTextDocument dokument;
    tisk::NastavPevneRadky(dokument, mProtokol->toPlainText());
    tisk::UlozitPdfSDotazem(this, dokument, QStringLiteral("protokol.pdf"), windowTitle());
}

void TTProtokol::btnProcvicitClick() {
    pozadavek_procvicovani::Nastav(ChybneVTestu(zaznam_));
    done(kProcvicitChybne);
}

void TTProtokol::btnUlozitClick() {
    const QString nazev = zeptejSeNaSoubor(this);
    if (nazev.isEmpty())
        return;
    const QString soubor = nazev + QStringLiteral(".txt");
    if (QFileInfo::exists(soubor) &&
        !zpravy::varovani(
            this, QStringLiteral("Soubor \"%1\" již existuje. Chcete jej nahradit?").arg(soubor)))
        return;
    UlozTextDoSouboru(soubor, mProtokol->toPlainText());
}
