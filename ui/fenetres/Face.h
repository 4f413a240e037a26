#pragma once

// What the main window shows of itself to the pieces that act for the player beside the mouse (the
// keyboard, the context menu, the screen reader): the actions it runs through its own handlers,
// and its controls, typed, for those that must focus, name or watch them.

#include "model/Grille.h"

#include <array>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QScrollBar;
class QWidget;

#include <QRect>

namespace marbello {

// One per thing the player can do; each runs the handler its button, icon or link runs, guards
// included. The first seven in the order of the button bar's indices.
enum class Action {
    Chercher,    // "Chercher une solution" / "Arrêter la recherche"
    Damier,      // "Damier" / "Normal"
    Aide,        // "A Propos / Aide"
    Nouvelle,    // "GO" / "Nouvelle partie"
    Quitter,     // "Quitter"
    Reculer,     // "<<<"
    Avancer,     // ">>>"
    Enregistrer, // the save icon
    Ouvrir,      // the open icon
    Valider,     // the build panel's "OK"
    Echapper,    // stops a search, or closes the open panel or the help panel
    Courriel,    // the help panel's three links
    Site,
    Article,
};

// The controls, as the window lays them out.
struct Controles {
    // The rectangle of the hole of cell c on the window.
    QRect Place(Cellule c) const;

    std::array<QWidget*, NbTrous> trous{};   // the marble images, by hole number
    std::array<QWidget*, 9> pilules{};       // the buttons and icons, top to bottom on the skin
    std::array<QLabel*, 3> liens{};          // the help panel's links, top to bottom
    QLabel* message = nullptr;               // the message line
    QWidget* attente = nullptr;              // the waiting dots' frame
    QLabel* texteAide = nullptr;             // the help panel's text
    QWidget* aide = nullptr;                 // the help panel
    QWidget* fichiers = nullptr;             // the open and save panel
    QWidget* construction = nullptr;         // the build panel
    QListView* parties = nullptr;            // the saved games
    QLineEdit* nom = nullptr;                // the name to save under
    std::array<QPushButton*, 6> commandes{}; // Command1 to Command6
    QWidget* disque = nullptr;               // the navy disc over the board while a panel is open
    QScrollBar* coups = nullptr;             // the slider of a found solution's moves
};

} // namespace marbello
