#pragma once

#include "model/Grille.h"
#include "solver/PositionBinaire.h"

#include <QWidget>
#include <optional>

namespace marbello {

class TravailleurRecherche;
struct ReponseRecherche;

// The live mark: whether one marble can still be left alone from the board's position, a small
// sign on the skin's empty ring below left of the board disc. A green disc with a tick reads "Une
// solution existe", a red square with a cross "Pas de solution"; while the answer is pending, or
// when the mark is off or no game is under way, nothing shows. Off by default; the choice is kept
// between runs.
class MarqueGagnable : public QWidget {
    Q_OBJECT

public:
    MarqueGagnable(QWidget& fenetre, TravailleurRecherche& travailleur);

    bool Active() const { return active_; }
    // Turns the mark on or off and keeps the choice; Suivre then shows it or not.
    void Activer(bool active);
    // After every change of the board, and of the game under way.
    void Suivre(const Grille& plateau, bool partieEnCours);

    static QString TexteEtat(bool gagnable);

signals:
    // Each time the mark shows a state, or stops showing one (nullopt).
    void EtatMontre(std::optional<bool> gagnable);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Recevoir(const ReponseRecherche& reponse);
    void Montrer(std::optional<bool> gagnable);

    TravailleurRecherche& travailleur_;
    bool active_ = false;
    std::optional<Grille> question_; // the position the mark is about
    bool attente_ = false;           // its answer is still to come
    std::optional<bool> gagnable_;   // the state shown
};

} // namespace marbello
