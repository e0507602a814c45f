// The current profile: the logged-in user's name, password and settings, and the
// owner of the three question views, which live as long as it does.
#pragma once

#include "rezimy.h"
#include "view_abstract.h"

#include <QString>

#include <memory>

class TProfil {
public:
    TProfil();
    ~TProfil();
    TProfil(const TProfil&) = delete;
    TProfil& operator=(const TProfil&) = delete;

    QString Nazev;
    QString Heslo;
    QString Kategorie;
    QString Skupina;
    QString Protokoly;
    bool Stavovy_radek = false;
    bool Postupny_vyber = false;
    QString Pismo_font;
    int Pismo_velikost = 0;

    // Declared in the order of creation.
    std::unique_ptr<TProcvicovani> Procvicovani;
    std::unique_ptr<TProhlizeni> Prohlizeni;
    std::unique_ptr<TZkouseni> Zkouseni;
};
