// Window helpers shared by all windows.
#pragma once

class QLabel;
class QMainWindow;
class QMenuBar;
class QString;
class QWidget;

// A label at (x, y) sized to its text; jmeno (may be null) becomes its object name.
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
