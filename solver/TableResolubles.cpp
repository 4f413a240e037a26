#include "solver/TableResolubles.h"

#include "solver/Pagodes.h"

// Resolubles.S: the bytes of the table's file and their number.
extern "C" const unsigned char MarbelloResolubles[];
extern "C" const uint64_t MarbelloResolublesTaille;

namespace marbello {

namespace {

constexpr size_t OctetsEntete = 24;

uint64_t LireMot(std::span<const unsigned char> octets) {
    uint64_t mot = 0;
    for (size_t i = 0; i < 8; ++i) {
        mot |= uint64_t{octets[i]} << (8 * i);
    }
    return mot;
}

void EcrireMot(std::vector<unsigned char>& octets, uint64_t mot) {
    for (size_t i = 0; i < 8; ++i) {
        octets.push_back(static_cast<unsigned char>(mot >> (8 * i)));
    }
}

} // namespace

std::optional<std::vector<uint64_t>>
TableResolubles::LireFichier(std::span<const unsigned char> octets) {
    if (octets.size() < OctetsEntete ||
        !std::equal(Magie.begin(), Magie.end(), octets.begin(),
                    [](char c, unsigned char o) { return static_cast<unsigned char>(c) == o; }) ||
        LireMot(octets.subspan(8)) != VersionFichier ||
        LireMot(octets.subspan(16)) != (octets.size() - OctetsEntete) / 8 ||
        (octets.size() - OctetsEntete) % 8 != 0) {
        return std::nullopt;
    }
    std::vector<uint64_t> mots((octets.size() - OctetsEntete) / 8);
    for (size_t i = 0; i < mots.size(); ++i) {
        mots[i] = LireMot(octets.subspan(OctetsEntete + 8 * i));
    }
    return mots;
}

std::vector<unsigned char> TableResolubles::EcrireFichier(std::span<const uint64_t> mots) {
    std::vector<unsigned char> octets(Magie.begin(), Magie.end());
    EcrireMot(octets, VersionFichier);
    EcrireMot(octets, mots.size());
    for (const uint64_t mot : mots) {
        EcrireMot(octets, mot);
    }
    return octets;
}

std::optional<TableResolubles> TableResolubles::Lire(std::span<const uint64_t> mots) {
    if (mots.size() < NbTrous + 1) {
        return std::nullopt;
    }
    TableResolubles table;
    size_t debut = NbTrous + 1;
    for (size_t j = 0; j <= NbTrous; ++j) {
        const uint64_t univers = Binomes[NbTrous][j];
        if (mots[j] > univers) {
            return std::nullopt;
        }
        const size_t taille = ListeCompacte::Disposer(univers, mots[j]).Mots();
        if (taille > mots.size() - debut) {
            return std::nullopt;
        }
        table.niveaux_[j] = ListeCompacte(univers, mots[j], mots.subspan(debut, taille));
        debut += taille;
    }
    if (debut != mots.size()) {
        return std::nullopt;
    }
    return table;
}

std::vector<uint64_t> TableResolubles::Ecrire(const Rangs& rangs) {
    std::vector<uint64_t> mots;
    for (const auto& niveau : rangs) {
        mots.push_back(niveau.size());
    }
    for (size_t j = 0; j <= NbTrous; ++j) {
        const std::vector<uint64_t> liste = ListeCompacte::Encoder(rangs[j], Binomes[NbTrous][j]);
        mots.insert(mots.end(), liste.begin(), liste.end());
    }
    return mots;
}

bool TableResolubles::Resoluble(Bits billes) const {
    if (ExclueParPagodes(billes)) {
        return false;
    }
    std::array<Trous, NbSymetries> images{};
    for (int s = 0; s < NbSymetries; ++s) {
        images[static_cast<size_t>(s)] = Compacter(ImageBits(billes, s));
    }
    return Resoluble(images);
}

const TableResolubles* TableIntegree() {
    static const std::optional<std::vector<uint64_t>> mots =
        TableResolubles::LireFichier(std::span(MarbelloResolubles, MarbelloResolublesTaille));
    static const std::optional<TableResolubles> table =
        mots ? TableResolubles::Lire(*mots) : std::nullopt;
    return table ? &*table : nullptr;
}

} // namespace marbello
