#include "solver/ListeCompacte.h"

#include <bit>

namespace marbello {

namespace {

uint64_t Masque(int bits) {
    return (uint64_t{1} << bits) - 1;
}

// The `bits` bits (fewer than 64) starting at bit `debut`.
uint64_t LireBits(std::span<const uint64_t> mots, uint64_t debut, int bits) {
    if (bits == 0) {
        return 0;
    }
    const size_t mot = debut / 64;
    const auto decalage = static_cast<int>(debut % 64);
    uint64_t x = mots[mot] >> decalage;
    if (decalage + bits > 64) {
        x |= mots[mot + 1] << (64 - decalage);
    }
    return x & Masque(bits);
}

// Set bits in each byte of x, added up to that byte: byte i counts bits 0 to 8 i + 7. The
// processor's own population count is not part of the baseline instruction set.
uint64_t CumulsOctets(uint64_t x) {
    uint64_t c = x - ((x >> 1) & 0x5555555555555555);
    c = (c & 0x3333333333333333) + ((c >> 2) & 0x3333333333333333);
    c = (c + (c >> 4)) & 0x0F0F0F0F0F0F0F0F;
    return c * 0x0101010101010101;
}

// Position of the (n + 1)-th set bit of x, which has more than n.
uint64_t Selectionner(uint64_t x, uint64_t n, uint64_t cumuls) {
    uint64_t octet = 0;
    while (((cumuls >> (8 * octet)) & 0xFF) <= n) {
        ++octet;
    }
    if (octet > 0) {
        n -= (cumuls >> (8 * (octet - 1))) & 0xFF;
    }
    uint64_t b = (x >> (8 * octet)) & 0xFF;
    for (; n > 0; --n) {
        b &= b - 1;
    }
    return 8 * octet + static_cast<uint64_t>(std::countr_zero(b));
}

bool Bit(std::span<const uint64_t> mots, uint64_t position) {
    return ((mots[position / 64] >> (position % 64)) & 1) != 0;
}

} // namespace

std::vector<uint64_t> ListeCompacte::Encoder(const std::vector<uint64_t>& valeurs,
                                             uint64_t univers) {
    const Disposition d = Disposer(univers, valeurs.size());
    std::vector<uint64_t> mots(d.Mots(), 0);
    uint64_t* bas = mots.data();
    uint64_t* hauts = bas + d.motsBas;
    uint64_t* debuts = hauts + d.motsHauts;
    for (size_t i = 0; i < valeurs.size(); ++i) {
        const uint64_t b = valeurs[i] & Masque(d.bitsBas);
        const uint64_t position = i * static_cast<uint64_t>(d.bitsBas);
        if (d.bitsBas > 0) {
            bas[position / 64] |= b << (position % 64);
            if (position % 64 + static_cast<uint64_t>(d.bitsBas) > 64) {
                bas[position / 64 + 1] |= b >> (64 - position % 64);
            }
        }
        const uint64_t h = (valeurs[i] >> d.bitsBas) + i;
        hauts[h / 64] |= uint64_t{1} << (h % 64);
    }
    // High part k * Pas starts after its k * Pas zeros and the values of lower high parts.
    size_t avant = 0;
    for (uint64_t k = 0; k * Pas < d.nbHauts; ++k) {
        while (avant < valeurs.size() && (valeurs[avant] >> d.bitsBas) < k * Pas) {
            ++avant;
        }
        debuts[k / 2] |= (k * Pas + avant) << (32 * (k % 2));
    }
    return mots;
}

ListeCompacte::ListeCompacte(uint64_t univers, uint64_t nombre, std::span<const uint64_t> mots)
    : univers_(univers), nombre_(nombre), d_(Disposer(univers, nombre)),
      bas_(mots.subspan(0, d_.motsBas)), hauts_(mots.subspan(d_.motsBas, d_.motsHauts)),
      debuts_(mots.subspan(d_.motsBas + d_.motsHauts, d_.motsDebuts)) {}

bool ListeCompacte::Contient(uint64_t valeur) const {
    if (valeur >= univers_ || nombre_ == 0) {
        return false;
    }
    const uint64_t haut = valeur >> d_.bitsBas;
    const uint64_t k = haut / Pas;
    uint64_t position = (debuts_[k / 2] >> (32 * (k % 2))) & 0xFFFFFFFF;
    // Past the zeros that end the high parts from haut - haut % Pas to haut - 1.
    for (uint64_t zeros = haut % Pas; zeros > 0;) {
        const uint64_t libres = ~hauts_[position / 64] >> (position % 64);
        const uint64_t cumuls = CumulsOctets(libres);
        const uint64_t n = cumuls >> 56;
        if (n >= zeros) {
            position += Selectionner(libres, zeros - 1, cumuls) + 1;
            break;
        }
        zeros -= n;
        position += 64 - position % 64;
    }
    // The values of high part haut, in increasing order: the ones from here to the next zero.
    const uint64_t bas = valeur & Masque(d_.bitsBas);
    for (uint64_t i = position - haut; Bit(hauts_, position); ++position, ++i) {
        const uint64_t b = LireBits(bas_, i * static_cast<uint64_t>(d_.bitsBas), d_.bitsBas);
        if (b >= bas) {
            return b == bas;
        }
    }
    return false;
}

} // namespace marbello
