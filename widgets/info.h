// The settings record that the main window hands to a question view when a mode
// starts. The view keeps a copy for the whole run; the window pointers are borrowed.
#pragma once

#include <QString>

class HistorieOdpovedi;
class QMainWindow;
class QMenuBar;
class QPushButton;
class QStatusBar;

struct TInfo {
    QString Nazev;
    QString Kategorie = QStringLiteral("1111111");
    QString Skupina = QStringLiteral("B");
    QString Protokoly = QStringLiteral("111");
    bool Postupny_vyber = true;
    QString Pismo_font = QStringLiteral("Arial");
    int Pismo_velikost = 12;
    QMainWindow* HlavniFormular = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QPushButton* btn = nullptr;
    QStatusBar* StatusBar = nullptr;
    bool Stavovy_radek = true;
    // Where the answers of the run are logged and the marks kept; none in a view that
    // needs neither.
    HistorieOdpovedi* Historie = nullptr;
};
