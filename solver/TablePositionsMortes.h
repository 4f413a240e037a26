#pragma once

#include "solver/PositionBinaire.h"
#include "solver/Vecteurs.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace marbello {

// Canonical keys (CleCanonique) of positions proven to have no solution, stored exactly in 16
// bits each.
//
// A key's 33 hole bits are mixed by a bijection; the high bits choose a bucket and the low 14
// bits (the remainder) are stored, with one bit telling whether the key sits in its first bucket
// or in the second one, which depends on the remainder only. Bucket and entry thus give back the
// whole key: there are no false hits, so a position is skipped only when it is truly dead.
// A bucket is 16 entries (32 bytes) filled from the front and never emptied one by one, so a
// lookup reads one bucket, and the second only when the first is full.
//
// The memory (2^log2Seaux buckets) is reserved once, at the first insertion, and never grows;
// a key whose two buckets are full is not kept, which only costs the search the work it would
// have saved.
class TablePositionsMortes {
public:
    static constexpr int Log2SeauxParDefaut = 19; // 16 MiB, room for about 8 million keys
    static constexpr int Log2SeauxMin = 19;       // the remainder must fit its 14 bits
    static constexpr int Log2SeauxMax = 24;       // 512 MiB

    explicit TablePositionsMortes(int log2Seaux = Log2SeauxParDefaut);
    ~TablePositionsMortes();
    TablePositionsMortes(const TablePositionsMortes&) = delete;
    TablePositionsMortes& operator=(const TablePositionsMortes&) = delete;

    // Where a key lives: its first bucket and its remainder, which also give the second bucket.
    // Computed once per key and handed to the calls below.
    struct Adresse {
        size_t premier;
        uint32_t reste;
    };

    Adresse Adresser(Trous cle) const {
        constexpr uint64_t masque = (uint64_t{1} << BitsCle) - 1;
        uint64_t x = (cle * 0x1A85EC53Dull) & masque; // odd factor, then xor-shift: a bijection
        x ^= x >> 17;
        const auto reste = static_cast<uint32_t>(x & ((uint64_t{1} << bitsReste_) - 1));
        return {static_cast<size_t>(x >> bitsReste_), reste};
    }

    // Where the lookup starts (nullptr before the first insertion), for prefetching.
    const void* PremierSeau(const Adresse& a) const {
        return seaux_ ? &seaux_[a.premier] : nullptr;
    }

    bool Contient(const Adresse& a) const {
        if (!seaux_) {
            return false;
        }
        const Seau& premier = seaux_[a.premier];
        if (Present(premier, Entree(a.reste, false))) {
            return true;
        }
        return premier.back() != 0 && Present(seaux_[Second(a)], Entree(a.reste, true));
    }
    bool Contient(Trous cle) const { return Contient(Adresser(cle)); }

    // Ignored once the key's two buckets are full.
    void Ajouter(const Adresse& a);
    void Ajouter(Trous cle) { Ajouter(Adresser(cle)); }
    // Every key is dropped; the memory stays.
    void Oublier();

    size_t Entrees() const { return entrees_; }
    size_t Refusees() const { return refusees_; } // keys not kept for lack of room
    size_t Capacite() const { return nbSeaux_ * std::tuple_size_v<Seau>; }
    size_t Octets() const { return nbSeaux_ * sizeof(Seau); }

private:
    static constexpr int BitsCle = 33;
    using Seau = std::array<uint16_t, 16>;

    // The other bucket a key may use, found from its first bucket and its remainder alone.
    size_t Second(const Adresse& a) const {
        return a.premier ^ static_cast<size_t>(((a.reste + 1) * 0x9E3779B1u) >> (32 - log2Seaux_));
    }

    static uint16_t Entree(uint32_t reste, bool second) {
        return static_cast<uint16_t>(((reste << 1) | (second ? 1u : 0u)) + 1); // never 0
    }

    static bool Present(const Seau& seau, uint16_t entree) {
        const Uint16x8 egal = (ChargerVecteur<Uint16x8>(seau.data()) == entree) |
                              (ChargerVecteur<Uint16x8>(seau.data() + 8) == entree);
        return UneVoie(egal);
    }

    struct Liberer {
        size_t octets = 0;
        void operator()(Seau* p) const;
    };

    std::unique_ptr<Seau[], Liberer> seaux_;
    int log2Seaux_;
    int bitsReste_;
    size_t nbSeaux_;
    size_t entrees_ = 0;
    size_t refusees_ = 0;
};

} // namespace marbello
