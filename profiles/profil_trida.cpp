#include "profil_trida.h"

TProfil::TProfil() : Prohlizeni(std::make_unique<TProhlizeni>()) {}

TProfil::~TProfil() = default;
