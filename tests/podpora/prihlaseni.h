// Getting a test past the login: a stored profile loaded into the main window, and
// answering the program's own modal dialogs.
#pragma once

#include <QString>

#include <functional>

class QDialog;
class THlavniFormular;

// Creates the profile (default settings) in Profily.xml of the working folder when it is
// missing, loads it into the window's profile and refreshes the window, as a completed
// login does.
void PrihlasProfil(THlavniFormular& okno, const QString& nazev = QStringLiteral("Jan"));

// Runs akce on the next modal dialog of class trida (a class name such as
// "TProfilSprava") as soon as it is shown, from inside its exec(). A dialog that does not
// appear within a few seconds fails the test through the given flag.
void NaDialog(const char* trida, std::function<void(QDialog*)> akce, bool* neobjevilSe = nullptr);
