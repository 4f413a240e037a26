#pragma once

namespace marbello {

class FMarbello;

// Seats at the window the pieces that go beyond its picture: the hint, the live mark, the
// explanation of a lost game, the keyboard with its menu and the screen reader. Each acts through
// the window's face only, and the window destroys them before its own parts.
void Assembler(FMarbello& fenetre);

} // namespace marbello
