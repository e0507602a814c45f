#include "tests/podpora/zaznam_zprav.h"

ZaznamZprav::ZaznamZprav(bool vychoziOdpoved) : vychozi_(vychoziOdpoved) {
    zpravy::nastavOdpovidac([this](zpravy::Druh druh, const QString& text) {
        zpravy_.append({druh, text});
        return odpovedi_.isEmpty() ? vychozi_ : odpovedi_.takeFirst();
    });
}

ZaznamZprav::~ZaznamZprav() {
    zpravy::nastavOdpovidac({});
}
