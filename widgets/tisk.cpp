#include "widgets/tisk.h"

#include "core/chyba.h"
#include "core/chyby_systemu.h"
#include "widgets/zpravy.h"

#include <QAbstractTextDocumentLayout>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTextDocument>

#include <cerrno>
#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

namespace tisk {

namespace {

DotazNaPdf& dotazNaPdf() {
    static DotazNaPdf dotaz;
    return dotaz;
}

void nastavStranku(QPrinter& tiskarna, const QString& nazev) {
    tiskarna.setDocName(nazev);
    tiskarna.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

// Lays the document out on the printer's pages: a document with pages of its own is
// printed as it is, without the page numbers Qt adds to one without, so that a PDF
// holds exactly the document's lines.
void tiskni(QTextDocument& dokument, QPrinter& tiskarna) {
    dokument.documentLayout()->setPaintDevice(&tiskarna);
    dokument.setPageSize(QSizeF(tiskarna.width(), tiskarna.height()));
    dokument.print(&tiskarna);
}

} // namespace

void Tisknout(QWidget* rodic, QTextDocument& dokument, const QString& nazev) {
    QPrinter tiskarna(QPrinter::HighResolution);
    nastavStranku(tiskarna, nazev);
    QPrintDialog dialog(&tiskarna, rodic);
    dialog.setWindowTitle(QStringLiteral("Tisk – ") + nazev);
    if (dialog.exec() != QDialog::Accepted)
        return;
    tiskni(dokument, tiskarna);
}

void UlozitPdf(QTextDocument& dokument, const QString& soubor, const QString& nazev) {
    const QFileInfo cil(soubor);
    QTemporaryFile docasny(cil.absolutePath() + QStringLiteral("/.kolomat-pdf.XXXXXX"));
    if (!docasny.open())
        throw KolomatChyba(QStringLiteral("Soubor \"%1\" nelze uložit: %2.")
                               .arg(soubor, PopisChybySouboru(docasny)));
    docasny.close();
    {
        QPrinter tiskarna(QPrinter::HighResolution);
        tiskarna.setOutputFormat(QPrinter::PdfFormat);
        tiskarna.setOutputFileName(docasny.fileName());
        nastavStranku(tiskarna, nazev);
        tiskni(dokument, tiskarna);
    }
    // On the disk before the rename, and with the rights any new file of the user gets
    // (the temporary file is the owner's alone).
    QFile napsany(docasny.fileName());
    if (napsany.size() == 0 || !napsany.open(QIODevice::ReadWrite) ||
        ::fsync(napsany.handle()) != 0)
        throw KolomatChyba(QStringLiteral("Soubor \"%1\" nelze uložit: zápis PDF se nezdařil "
                                          "(je na disku místo?).")
                               .arg(soubor));
    napsany.close();
    const mode_t maska = ::umask(0);
    ::umask(maska);
    ::chmod(QFile::encodeName(docasny.fileName()).constData(), 0666 & ~maska);
    // Renamed over the target in one step: a file of that name is either the old one or
    // the whole new one.
    if (::rename(QFile::encodeName(docasny.fileName()).constData(),
                 QFile::encodeName(soubor).constData()) != 0)
        throw KolomatChyba(QStringLiteral("Soubor \"%1\" nelze uložit: %2.")
                               .arg(soubor, PopisChybySystemu(errno)));
    docasny.setAutoRemove(false);
}

void UlozitPdfSDotazem(QWidget* rodic, QTextDocument& dokument, const QString& navrh,
                       const QString& nazev) {
    QString soubor =
        dotazNaPdf() ? dotazNaPdf()(rodic, navrh)
                     : QFileDialog::getSaveFileName(rodic, QStringLiteral("Uložit jako PDF"), navrh,
                                                    QStringLiteral("Dokument PDF (*.pdf)"));
    if (soubor.isEmpty())
        return;
    if (!soubor.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        soubor += QStringLiteral(".pdf");
    if (QFileInfo::exists(soubor) &&
        !zpravy::varovani(
            rodic, QStringLiteral("Soubor \"%1\" již existuje. Chcete jej nahradit?").arg(soubor)))
        return;
    UlozitPdf(dokument, soubor, nazev);
}

void nastavDotazNaPdf(DotazNaPdf dotaz) {
    dotazNaPdf() = std::move(dotaz);
}

void NastavPevneRadky(QTextDocument& dokument, const QString& text) {
    QFont pismo = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    pismo.setFamily(QStringLiteral("Courier New"));
    pismo.setStyleHint(QFont::TypeWriter);
    pismo.setFixedPitch(true);
    pismo.setPointSize(10);
    dokument.setDefaultFont(pismo);
    dokument.setPlainText(text);
}

} // namespace tisk
