#include "model/FichierPartie.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace marbello {

namespace {

constexpr size_t kChiffresMax = 40; // beyond this, digits no longer change a double
// Beyond this power of ten every significand of at most kChiffresMax digits reads as 0 or
// overflows.
constexpr int64_t kPuissanceMax = 100000;

bool EstBlanc(char c) {
    return c == ' ' || c == '\t';
}
bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}

// chiffres x 10^puissance, correctly rounded. Files hold short whole numbers, so the common case
// is computed exactly without building a text for strtod.
double ValeurDecimale(const std::string& chiffres, int64_t puissance) {
    constexpr double kPuissancesExactes[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (chiffres.size() <= 15 && puissance >= -22 && puissance <= 22) {
        int64_t mantisse = 0;
        for (const char c : chiffres) {
            mantisse = mantisse * 10 + (c - '0');
        }
        // Both factors are exact doubles, so one operation rounds correctly.
        const double m = static_cast<double>(mantisse);
        return puissance >= 0 ? m * kPuissancesExactes[puissance]
                              : m / kPuissancesExactes[-puissance];
    }
    const std::string texte = chiffres + "e" + std::to_string(puissance);
    return std::strtod(texte.c_str(), nullptr);
}

// decalage + exposant, or decalage - exposant when negatif, held within +-kPuissanceMax. Exact
// for every exponent, and for every decalage a field can produce: one character of the field
// moves it by at most one, and no file holds 2^63 characters.
int64_t Puissance(int64_t decalage, bool negatif, uint64_t exposant) {
    // The power, counted in the exponent's direction, is exposant + avance.
    const int64_t avance = negatif ? -decalage : decalage;
    const auto borne = static_cast<uint64_t>(kPuissanceMax);
    uint64_t grandeur = 0; // of the power, in the exponent's direction unless arriere
    bool arriere = false;
    if (avance >= 0) {
        grandeur = std::min(exposant, borne) + std::min(static_cast<uint64_t>(avance), borne);
    } else if (const auto recul = static_cast<uint64_t>(-avance); exposant >= recul) {
        grandeur = exposant - recul;
    } else {
        grandeur = recul - exposant;
        arriere = true;
    }
    const auto puissance = static_cast<int64_t>(std::min(grandeur, borne));
    return negatif != arriere ? -puissance : puissance;
}

} // namespace

std::optional<std::string> TexteSauvegarde(const Grille& plateau) {
    std::string texte;
    int billes = 0;
    for (int k = 0; k < NbTrous; ++k) {
        if (plateau[CelluleBille(k)] == CaseBille) {
            texte += std::to_string(k);
            texte += "\r\n";
            ++billes;
        }
    }
    if (billes == NbTrous) {
        return std::nullopt;
    }
    return texte;
}

std::optional<int16_t> Arrondi16(double valeur) {
    if (!std::isfinite(valeur)) {
        return std::nullopt;
    }
    const double arrondi = std::nearbyint(valeur); // the default mode sends halves to even
    if (arrondi < -32768.0 || arrondi > 32767.0) {
        return std::nullopt;
    }
    return static_cast<int16_t>(arrondi);
}

void LecteurPartie::Lire(std::string_view morceau) {
    for (const char c : morceau) {
        Caractere(c);
    }
}

Billes LecteurPartie::Terminer() {
    FinChamp();
    return billes_;
}

void LecteurPartie::Caractere(char c) {
    if (c == ',' || c == '\r' || c == '\n') {
        FinChamp();
        return;
    }
    if (EstBlanc(c)) {
        return; // blanks are skipped everywhere, inside a number too
    }
    contenu_ = true;
    switch (etat_) {
    case Etat::Debut:
        if (c == '+' || c == '-') {
            negatif_ = c == '-';
            etat_ = Etat::Signe;
            break;
        }
        if (c == '&') {
            etat_ = Etat::Esperluette;
            break;
        }
        [[fallthrough]]; // otherwise read as after a sign
    case Etat::Signe:
        if (EstChiffre(c)) {
            etat_ = Etat::Entier;
            Caractere(c);
        } else if (c == '.') {
            etat_ = Etat::Fraction;
        } else {
            etat_ = Etat::Fini;
        }
        break;
    case Etat::Entier:
    case Etat::Fraction:
        if (EstChiffre(c)) {
            if (chiffres_.empty() && c == '0') {
                decalage_ -= etat_ == Etat::Fraction ? 1 : 0;
            } else if (chiffres_.size() < kChiffresMax) {
                chiffres_ += c;
                decalage_ -= etat_ == Etat::Fraction ? 1 : 0;
            } else {
                decalage_ += etat_ == Etat::Entier ? 1 : 0;
            }
        } else if (c == '.' && etat_ == Etat::Entier) {
            etat_ = Etat::Fraction;
        } else if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
            etat_ = Etat::Exposant;
        } else {
            etat_ = Etat::Fini;
        }
        break;
    case Etat::Exposant:
        if (c == '+' || c == '-') {
            expNegatif_ = c == '-';
            etat_ = Etat::ExpSigne;
        } else if (EstChiffre(c)) {
            etat_ = Etat::ExpChiffres;
            Caractere(c);
        } else {
            etat_ = Etat::Fini;
        }
        break;
    case Etat::ExpSigne:
    case Etat::ExpChiffres:
        if (EstChiffre(c)) {
            etat_ = Etat::ExpChiffres;
            const auto chiffre = static_cast<uint64_t>(c - '0');
            exposant_ = exposant_ <= (UINT64_MAX - 9) / 10 ? exposant_ * 10 + chiffre : UINT64_MAX;
        } else {
            etat_ = Etat::Fini;
        }
        break;
    case Etat::Esperluette:
        if (c == 'h' || c == 'H') {
            etat_ = Etat::Hexa;
        } else if (c == 'o' || c == 'O') {
            etat_ = Etat::Octal;
        } else if (c >= '0' && c <= '7') {
            etat_ = Etat::Octal;
            Caractere(c);
        } else {
            etat_ = Etat::Fini;
        }
        break;
    case Etat::Hexa:
    case Etat::Octal: {
        int chiffre = -1;
        if (c >= '0' && c <= '9') {
            chiffre = c - '0';
        } else if (etat_ == Etat::Hexa && c >= 'a' && c <= 'f') {
            chiffre = c - 'a' + 10;
        } else if (etat_ == Etat::Hexa && c >= 'A' && c <= 'F') {
            chiffre = c - 'A' + 10;
        }
        const int base = etat_ == Etat::Hexa ? 16 : 8;
        if (chiffre < 0 || chiffre >= base) {
            etat_ = Etat::Fini;
        } else if (entierBase_ > (UINT64_MAX >> 4)) {
            baseDeborde_ = true;
        } else {
            entierBase_ =
                entierBase_ * static_cast<uint64_t>(base) + static_cast<uint64_t>(chiffre);
        }
        break;
    }
    case Etat::Fini:
        break;
    }
}

void LecteurPartie::FinChamp() {
    if (contenu_) {
        double valeur = 0.0;
        bool horsPlage = false;
        if (entierBase_ != 0 || baseDeborde_) {
            // &H and &O numbers read as 16-bit when they fit, else 32-bit, else overflow.
            if (baseDeborde_ || entierBase_ > 0xFFFFFFFFULL) {
                horsPlage = true;
            } else if (entierBase_ <= 0xFFFFULL) {
                valeur = static_cast<int16_t>(static_cast<uint16_t>(entierBase_));
            } else {
                valeur = static_cast<int32_t>(static_cast<uint32_t>(entierBase_));
            }
        } else if (!chiffres_.empty()) {
            valeur = ValeurDecimale(chiffres_, Puissance(decalage_, expNegatif_, exposant_));
            if (negatif_) {
                valeur = -valeur;
            }
        }
        const std::optional<int16_t> numero = horsPlage ? std::nullopt : Arrondi16(valeur);
        if (numero && *numero >= 0 && *numero < NbTrous) {
            billes_.set(static_cast<size_t>(*numero));
        }
    }
    etat_ = Etat::Debut;
    contenu_ = false;
    negatif_ = false;
    chiffres_.clear();
    decalage_ = 0;
    expNegatif_ = false;
    exposant_ = 0;
    entierBase_ = 0;
    baseDeborde_ = false;
}

Grille GrilleDepuisBilles(const Billes& billes) {
    Grille g;
    for (int k = 0; k < NbTrous; ++k) {
        g[CelluleBille(k)] = billes.test(static_cast<size_t>(k)) ? CaseBille : CaseVide;
    }
    return g;
}

Billes BillesDepuisTexte(std::string_view contenu) {
    LecteurPartie lecteur;
    lecteur.Lire(contenu);
    return lecteur.Terminer();
}

LecturePartie LireFichierPartie(const std::filesystem::path& chemin) {
    LecturePartie resultat;
    std::error_code erreur;
    if (std::filesystem::is_directory(chemin, erreur)) {
        resultat.raison = "Ce nom désigne un dossier, pas une partie.";
        return resultat;
    }
    errno = 0;
    const std::unique_ptr<FILE, int (*)(FILE*)> fichier(std::fopen(chemin.c_str(), "rb"),
                                                        &std::fclose);
    if (!fichier) {
        resultat.raison =
            errno == ENOENT ? "Cette partie n'existe plus." : "Impossible d'ouvrir cette partie.";
        return resultat;
    }
    LecteurPartie lecteur;
    char tampon[1 << 16];
    size_t lu = 0;
    while ((lu = std::fread(tampon, 1, sizeof tampon, fichier.get())) > 0) {
        lecteur.Lire(std::string_view(tampon, lu));
    }
    if (std::ferror(fichier.get()) != 0) {
        resultat.raison = "Impossible de lire cette partie.";
        return resultat;
    }
    resultat.ok = true;
    resultat.billes = lecteur.Terminer();
    return resultat;
}

} // namespace marbello
