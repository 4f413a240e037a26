#include "ui/dessin/IndicateurAttente.h"

#include <cstdint>

namespace marbello {

PointsAttente IndicateurAttente::Avancer() {
    p_ -= 1;
    const auto clair = static_cast<uint8_t>(p_ + 1);
    auto repos = static_cast<uint8_t>(p_ + 2);
    if (p_ < 0) {
        p_ = 11;
    }
    if (repos >= 12) {
        repos = 0;
    }
    return {static_cast<int>(p_), clair, repos};
}

} // namespace marbello
