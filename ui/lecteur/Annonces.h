#pragma once

// What a screen reader says of the game, as the player plays. Orca speaks a change of the focused
// object's description and drops changes of table cells and status bars, so everything the game
// has to say after a gesture (the cursor's hole, the message that follows a jump, the hint, the
// mark's new state, the colouring) is gathered into one sentence, told while the window is
// active.

#include "model/Grille.h"

#include <QAccessible>
#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

class QWidget;

namespace marbello {

class CurseurPlateau;
class FMarbello;
struct Invites;

class Annonces : public QObject {
    Q_OBJECT

public:
    // It follows the window's changes of board and colouring and what the window says, the
    // cursor's moves, the hint and the mark.
    Annonces(FMarbello& fenetre, const Invites& invites);

    // The one for the window that holds widget, if any.
    static Annonces* De(const QWidget& widget);

    // The cursor's hole and the message line, which the board reads as its description.
    QString Etat() const;
    // The entry that tells the last sentence, and that sentence, told or not: no screen reader
    // hears what the game says while none listens or the window is inactive.
    QAccessible::Id Courante() const { return parole_; }
    QString Derniere() const { return derniere_; }

    // The hole's words: where it lies and what is in it, as the player sees it.
    static QString TexteTrou(const FMarbello& fenetre, Cellule c);

    void Dire(const QString& texte);

private:
    void PlateauChange();
    void Deplace(Cellule c);
    void LeveeChangee();
    void Parler();
    static QString Joindre(const QStringList& phrases);
    QString Coloration() const;

    FMarbello& fenetre_;
    CurseurPlateau& curseur_;
    int32_t caseCurseur_ = 0; // the cell under the cursor, as last said
    QStringList phrases_;
    bool trou_ = false;    // the cursor's hole is to be said
    bool plateau_ = false; // a hole changed since the last sentence
    std::optional<Cellule> levee_, posee_;
    bool refus_ = false; // a jump the rule refused
    QString coloration_;
    QString derniere_;
    std::optional<bool> etatMarque_;
    QStringList messagesAvant_;
    std::chrono::steady_clock::time_point dernierMessage_;
    bool prevue_ = false;
    QAccessible::Id parole_ = 0, avant_ = 0, ancienne_ = 0;
};

} // namespace marbello
