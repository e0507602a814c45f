// The history window: this program's release history, newest first.
#pragma once

#include <QDialog>

class QPlainTextEdit;

class THistorie : public QDialog {
    Q_OBJECT
public:
    explicit THistorie(QWidget* vlastnik);

    // Entries newest first: a date line "d.m.yyyy" (sometimes " - Update", " - Upgrade" or
    // " - Oprava" after it), a line of hyphens, items beginning with " - ", an empty line.
    static const QString& TextHistorie();

    QPlainTextEdit* Memo1 = nullptr;
};
