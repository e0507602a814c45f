// Printing a document and saving it as PDF, for the windows that offer both: the print
// dialog of the system, and a PDF file written whole or not at all.
#pragma once

#include <QString>

#include <functional>

class QTextDocument;
class QWidget;

namespace tisk {

// Shows the print dialog and prints the document on the printer chosen there.
void Tisknout(QWidget* rodic, QTextDocument& dokument, const QString& nazev);

// Writes the document as a PDF file (A4) through a temporary file renamed over the
// target, so that a failure leaves a file of that name as it was. Throws KolomatChyba
// naming the file and the reason.
void UlozitPdf(QTextDocument& dokument, const QString& soubor, const QString& nazev);

// Asks for the PDF file's name (the suggestion given; "" = cancelled), adds ".pdf" when
// missing and asks before replacing a file, then saves. Tests replace the question with
// their own; an empty function restores the file dialog.
void UlozitPdfSDotazem(QWidget* rodic, QTextDocument& dokument, const QString& navrh,
                       const QString& nazev);
using DotazNaPdf = std::function<QString(QWidget* rodic, const QString& navrh)>;
void nastavDotazNaPdf(DotazNaPdf dotaz);

// A document of fixed-width lines, as the protocol's text export holds them.
void NastavPevneRadky(QTextDocument& dokument, const QString& text);

} // namespace tisk
