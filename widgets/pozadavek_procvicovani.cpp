#include "widgets/pozadavek_procvicovani.h"

#include <utility>

namespace pozadavek_procvicovani {

namespace {
std::vector<int>& cekajici() {
    static std::vector<int> cisla;
    return cisla;
}
} // namespace

void Nastav(std::vector<int> cisla) {
    cekajici() = std::move(cisla);
}

std::vector<int> Vezmi() {
    return std::exchange(cekajici(), {});
}

} // namespace pozadavek_procvicovani
