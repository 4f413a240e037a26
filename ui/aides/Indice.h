#pragma once

#include "model/Partie.h"
#include "solver/FilRecherche.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

namespace marbello {

class FMarbello;
class TravailleurRecherche;

// The hint: the first move of the first solution from the board's position, the move the search
// front end would replay first. A square frame marks the marble to move and a diamond the hole
// where it lands, drawn over the board until the next action. The record, the board and the message
// line stay as they are, except "Pas de solution" where there is none. The spoken text is the
// `texte` property, announced through Annonce.
class Indice : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString texte READ Texte NOTIFY Annonce)

public:
    // Any change of the board, and a panel that opens over it, takes the hint away.
    Indice(FMarbello& fenetre, TravailleurRecherche& travailleur);

    // Asks for the hint of the board's position; there is none to ask for before the first hole,
    // nor while a panel covers the board.
    void Demander();
    // Whether a hint can be asked for: a game under way, not won, with no panel over the board.
    bool Permis() const;
    // Takes the marks away and forgets a question still unanswered.
    void Effacer();
    // "Indice : ligne R, colonne C vers ligne R, colonne C", rows and columns from 1 at the top
    // left of the 7 x 7 square; empty while no hint is shown.
    QString Texte() const;

signals:
    void Annonce(const QString& texte);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void Recevoir(const ReponseRecherche& reponse);

    FMarbello& fenetre_;
    TravailleurRecherche& travailleur_;
    std::optional<Question> question_; // until its answer comes
    std::optional<Coup> coup_;         // the move shown
};

} // namespace marbello
