#pragma once

// What a screen reader reads of the game: the interfaces that Qt's accessibility bridge hands to
// assistive technologies (AT-SPI on Linux) for the skinned controls, which the standard ones would
// show as bare labels and pictures. They are found by the controls' layout names, so the windows
// only install them and name their standard controls.

class QString;
class QWidget;

namespace marbello {

// Installs, once per program, the factory of the game's interfaces. Costs nothing while no
// assistive technology asks for them.
void InstallerAccessibilite();

// Once the controls under racine have their layout names: gives the game's interfaces to those it
// has, tells the moves of the board's cursor and its picked marble, and gives the standard controls
// that show no caption of their own (the waste bin, the saved-game list, the name field, the
// solution's scroll bar) the names a screen reader speaks.
void PreparerAccessibilite(QWidget& racine);

// Tells a screen reader that a picture was given to image: a hole of the board reads as the
// picture it shows.
void AnnoncerImage(QWidget& image);

// Tells a screen reader that the message line (or the hint) now reads texte in place of ancien, so
// that it speaks it as it would speak a status bar's change.
void AnnoncerMessage(QWidget& ligne, const QString& ancien, const QString& texte);

} // namespace marbello
