// The current profile of the program: the profile store with the logged-in user's
// values, and the owner of the question views, which live as long as it does.
#pragma once

#include "core/uloziste_profilu.h"
#include "views/rezimy.h"
#include "views/view_abstract.h"

#include <memory>

class TProfil : public UlozisteProfilu {
public:
    // Creates the views and an empty profiles document; nothing is read yet.
    TProfil();
    ~TProfil();

    // Declared in the order of creation.
    std::unique_ptr<TProcvicovani> Procvicovani;
    std::unique_ptr<TProhlizeni> Prohlizeni;
    std::unique_ptr<TZkouseni> Zkouseni;
};
