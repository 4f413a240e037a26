#include "solver/TablePositionsMortes.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace marbello {

namespace {

// Zeroed memory whose pages are only taken when first written.
void* ReserverZeros(size_t octets) {
#if defined(__linux__)
    void* p = mmap(nullptr, octets, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return p == MAP_FAILED ? nullptr : p;
#else
    return std::calloc(octets, 1);
#endif
}

} // namespace

void TablePositionsMortes::Liberer::operator()(Seau* p) const {
#if defined(__linux__)
    munmap(p, octets);
#else
    std::free(p);
#endif
}

TablePositionsMortes::TablePositionsMortes(int log2Seaux)
    : seaux_(nullptr, Liberer{}), log2Seaux_(std::clamp(log2Seaux, Log2SeauxMin, Log2SeauxMax)),
      bitsReste_(BitsCle - log2Seaux_), nbSeaux_(size_t{1} << log2Seaux_) {}

TablePositionsMortes::~TablePositionsMortes() = default;

void TablePositionsMortes::Ajouter(const Adresse& a) {
    if (!seaux_) {
        const size_t octets = Octets();
        seaux_ = std::unique_ptr<Seau[], Liberer>(static_cast<Seau*>(ReserverZeros(octets)),
                                                  Liberer{octets});
        if (!seaux_) {
            ++refusees_; // no memory: the search goes on without the table
            return;
        }
    }
    for (const bool second : {false, true}) {
        Seau& seau = seaux_[second ? Second(a) : a.premier];
        const uint16_t entree = Entree(a.reste, second);
        for (uint16_t& e : seau) {
            if (e == entree) {
                return;
            }
            if (e == 0) {
                e = entree;
                ++entrees_;
                return;
            }
        }
    }
    ++refusees_;
}

void TablePositionsMortes::Oublier() {
    if (seaux_ && entrees_ + refusees_ > 0) {
        std::memset(static_cast<void*>(seaux_.get()), 0, Octets());
    }
    entrees_ = 0;
    refusees_ = 0;
}

} // namespace marbello
