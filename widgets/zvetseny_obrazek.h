// A question's picture enlarged in a window of its own: twice its size, sharp from its
// @2x file where there is one. Escape or the close box closes it; whatever runs behind
// it (a countdown, a pending answer) goes on untouched.
#pragma once

#include <QDialog>

class QLabel;

class TZvetsenyObrazek : public QDialog {
    Q_OBJECT
public:
    // cesta is the question's Obrazek (relative to the working folder).
    TZvetsenyObrazek(QWidget* vlastnik, const QString& cesta);

    bool MaObrazek() const;
    QLabel* imgObrazek = nullptr;
};

// Opens the enlarged picture modally over vlastnik; nothing when the picture cannot be
// read.
void UkazZvetsenyObrazek(QWidget* vlastnik, const QString& cesta);
// The key that opens it, in every view that shows a question ("Z" as "zvětšit").
inline constexpr Qt::Key kKlavesaZvetseni = Qt::Key_Z;
