// Window helpers shared by all windows.
#pragma once

#include "widgets/zpravy.h"

#include <QLabel>

#include <utility>

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

// How a modal window is placed: centred over its owner, or where it puts itself.
enum class Umisteni { NadVlastnikem, Vlastni };

// Opens a window of type T modally: made with (vlastnik, argumenty...), prepared with
// its FormCreate() when it has a public one, placed, shown with exec(). A failure while
// it is made or shown is told in the error box. Returns whether it opened and closed
// without one.
template <class T, class... Argumenty>
bool OtevriModalne(QWidget* vlastnik, Umisteni umisteni, Argumenty&&... argumenty) {
    return zpravy::zachyt(vlastnik, [&] {
        T okno(vlastnik, std::forward<Argumenty>(argumenty)...);
        if constexpr (requires { okno.FormCreate(); })
            okno.FormCreate();
        if (umisteni == Umisteni::NadVlastnikem)
            Vycentruj(&okno, vlastnik);
        okno.exec();
    });
}

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
