// Window helpers shared by all windows.
#pragma once

#include <QLabel>

class QMainWindow;
class QMenuBar;
class QString;
class QWidget;

// A label at (x, y) sized to its text; jmeno (may be null) becomes its object name. Its
// text is plain: labels show names and texts from the data files, which must never be
// taken for markup.
QLabel* NovyPopisek(QWidget* rodic, const char* jmeno, const QString& text, int x, int y,
                    bool tucne = false);

// Places a dialog centred over its owner: Left := owner.Left + (owner.Width −
// dialog.Width) div 2, Top likewise with the heights (integer division).
void Vycentruj(QWidget* dialog, const QWidget* vlastnik);
// Centres a window on its screen.
void VycentrujNaObrazovce(QWidget* okno);

// Shows another of the main window's menu bars. QMainWindow::setMenuBar would delete
// the bar it replaces; the main window keeps all three alive and swaps them here.
void PrepniMenu(QMainWindow* okno, QMenuBar* menu);

// A label with a fixed text in a place that another font may make too narrow: on every
// resize the text is set smaller than the label's first font (down to 8 pixels) until it
// fits the width, instead of being cut.
class PopisekNaSirku : public QLabel {
public:
    using QLabel::QLabel;
    // Fits the text again (after setText).
    void Prizpusob();

protected:
    void resizeEvent(QResizeEvent* udalost) override;

private:
    int zakladni_ = 0; // the pixel size the label was first fitted from
};
