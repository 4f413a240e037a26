#include "solver/TableResolubles.h"

#include "solver/Pagodes.h"

// Resolubles.S places the table's file between these two symbols.
extern "C" const uint64_t MarbelloResolubles[];
extern "C" const uint64_t MarbelloResolublesFin[];

namespace marbello {

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
    static const std::optional<TableResolubles> table = TableResolubles::Lire(std::span(
        MarbelloResolubles, static_cast<size_t>(MarbelloResolublesFin - MarbelloResolubles)));
    return table ? &*table : nullptr;
}

} // namespace marbello
