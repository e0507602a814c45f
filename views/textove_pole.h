// A read-only, borderless, word-wrapped multi-line text box of the question panel. It
// takes no focus (the keys go to the view's focus button) and reports mouse presses,
// which it then lets pass on to the panel below.
#pragma once

#include <QTextEdit>

class TextovePole : public QTextEdit {
    Q_OBJECT
public:
    explicit TextovePole(QWidget* rodic);

    void nastavText(const QString& text);
    void nastavZarovnani(Qt::Alignment zarovnani);
    QString text() const { return toPlainText(); }
    // Lines the text takes when wrapped at the box's current width.
    int pocetRadku() const;
    // The box's height for its text: lines × font size × 2.
    int vyskaProText(int velikostPisma) const;

signals:
    void stisknuto(Qt::MouseButton tlacitko);

protected:
    void mousePressEvent(QMouseEvent* udalost) override;
    void mouseDoubleClickEvent(QMouseEvent* udalost) override;
    void mouseReleaseEvent(QMouseEvent* udalost) override;
    void mouseMoveEvent(QMouseEvent* udalost) override;
};

// Lines that text takes in the font when wrapped to the given width (at least 1).
int PocetRadku(const QString& text, const QFont& pismo, int sirka);
