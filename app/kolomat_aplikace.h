// The application object: the title "Program Kolomat", the window icon (the resource
// :/ikona/, the same pictures as the desktop icon) and the last line of defence
// against errors. An exception that escapes an event handler is shown in the error box
// and the program goes on, instead of ending in std::terminate.
#pragma once

#include <QApplication>

class KolomatAplikace : public QApplication {
    Q_OBJECT
public:
    KolomatAplikace(int& argc, char** argv);
    bool notify(QObject* prijemce, QEvent* udalost) override;
};
