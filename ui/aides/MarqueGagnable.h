#pragma once

#include "model/Grille.h"
#include "solver/FilRecherche.h"

#include <QWidget>
#include <optional>

namespace marbello {

class FMarbello;
class TravailleurRecherche;

// The live mark: whether one marble can still be left alone from the board's position, a small
// sign on the skin's empty ring below left of the board disc. A green disc with a tick reads "Une
// solution existe", a red square with a cross "Pas de solution"; while the answer is pending, or
// when the mark is off or no game is under way, nothing shows. Off by default; the choice is kept
// between runs.
class MarqueGagnable : public QWidget {
    Q_OBJECT

public:
    // It follows every change of the window's board.
    MarqueGagnable(FMarbello& fenetre, TravailleurRecherche& travailleur);

    bool Active() const { return active_; }
    // Turns the mark on or off, keeps the choice, and shows the mark or not.
    void Activer(bool active);

    static QString TexteEtat(bool gagnable);

signals:
    // Each time the mark shows a state, or stops showing one (nullopt).
    void EtatMontre(std::optional<bool> gagnable);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Suivre();
    void Recevoir(const ReponseRecherche& reponse);
    void Montrer(std::optional<bool> gagnable);

    FMarbello& fenetre_;
    TravailleurRecherche& travailleur_;
    bool active_ = false;
    std::optional<Grille> position_;   // the position the mark is about
    std::optional<Question> question_; // its answer is still to come
    std::optional<bool> gagnable_;     // the state shown
};

} // namespace marbello
