#pragma once

class QWidget;

namespace marbello {

// Twips per pixel of a screen with this many logical dots per inch (1440 twips to the inch).
float TwipsParPixel(double pointsParPouce);

// True when the screen has exactly 15 twips per pixel. Otherwise shows the modal refusal
// (OK and Cancel, either ending the program) and returns false; the caller then quits without
// showing any window.
bool VerifierAffichage(double pointsParPouce, QWidget* parent = nullptr);

// The same check on the primary screen's horizontal logical dots per inch.
bool VerifierAffichage();

} // namespace marbello
