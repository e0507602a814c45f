#include "obrazky.h"

namespace grafika {

std::vector<Obrazek>& registr() {
    static std::vector<Obrazek> vsechny;
    return vsechny;
}

} // namespace grafika
