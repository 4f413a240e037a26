#pragma once

// What a screen reader reads of the game: the interfaces that Qt's accessibility bridge hands to
// assistive technologies (AT-SPI on Linux) for the skinned controls, which the standard ones would
// show as bare labels and pictures. The window hands its controls over, typed: nothing is found by
// a name.

class QMenu;

namespace marbello {

class CurseurPlateau;
class Explication;
class FMarbello;
class Indice;
class MarqueGagnable;

// The window's guests that a screen reader reads or hears, handed over typed.
struct Invites {
    CurseurPlateau& curseur;
    QMenu& menu;
    Indice& indice;
    MarqueGagnable& marque;
    Explication& explication;
};

// Before the application starts: keeps Qt's bridge to assistive technologies open from the start,
// so that a screen reader started later finds the game. Qt 6.4 reads the accessibility bus's
// status (org.a11y.Status) once, when it starts, and follows none of its changes; its bridge is
// private, so nothing outside it can make it read the status again.
void OuvrirAuxLecteursEcran();

// Installs, once per program, the factory of the game's interfaces. Costs nothing while no
// assistive technology asks for them.
void InstallerAccessibilite();

// Once the window has its controls and its guests: gives the game's interfaces to the controls and
// guests handed over, has the board say what the player's gestures do, and gives the standard
// controls that show no caption of their own (the waste bin, the saved-game list, the name field,
// the solution's scroll bar) the names a screen reader speaks.
void PreparerAccessibilite(FMarbello& fenetre, const Invites& invites);

} // namespace marbello
