#include "profiles/profil_trida.h"

TProfil::TProfil()
    : Procvicovani(std::make_unique<TProcvicovani>()), Prohlizeni(std::make_unique<TProhlizeni>()),
      Zkouseni(std::make_unique<TZkouseni>()) {}

TProfil::~TProfil() = default;
