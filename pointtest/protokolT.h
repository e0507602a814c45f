// The protocol window: one stored point test as a fixed-width table (the question codes
// looked up in the question database), editable, and saved as a Windows text file.
#pragma once

#include "core/XML_protokoly.h"

#include <QDialog>

#include <functional>

class QPlainTextEdit;
class QPushButton;

class TTProtokol : public QDialog {
    Q_OBJECT
public:
    // The record's document must stay open until FormCreate has run (the list window
    // keeps it open while it lives).
    TTProtokol(QWidget* vlastnik, const TXMLProtokolType& zaznam);

    // Builds the caption and the text. The codes come from the window's own question
    // database, freed again at the end; when it cannot be opened or holds no question
    // of a stored number, those codes are left blank and a message says why.
    void FormCreate();

    void btnOKClick();
    // Asks for a practice run of the test's wrongly answered questions and closes with
    // kProcvicitChybne.
    void btnProcvicitClick();
    // Asks for a file name and saves the text as a PDF in a fixed-width font, the same
    // lines as the text file. Throws KolomatChyba when it cannot be written.
    void btnPdfClick();
    // Asks for a file name and writes the text as that name plus ".txt" (Windows-1250,
    // CR LF), asking first when that file already exists. Throws KolomatChyba when the
    // file cannot be written.
    void btnUlozitClick();

    // Asks the user for the name to save under ("" = cancelled). Tests replace the real
    // file dialog with their own; an empty function restores it.
    using DotazNaSoubor = std::function<QString(QWidget* rodic)>;
    static void nastavDotazNaSoubor(DotazNaSoubor dotaz);

    QPlainTextEdit* mProtokol = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnUlozit = nullptr;
    QPushButton* btnProcvicit = nullptr;
    QPushButton* btnTisk = nullptr;
    QPushButton* btnPdf = nullptr;

private:
    TXMLProtokolType zaznam_;
};
