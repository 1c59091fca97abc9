#pragma once

namespace zv::ui {

// The colour check every window asks before it shows its commands: true
// when the desktop's button face is the light grey the toolbar pictures are
// drawn for (show the toolbar), false for the plain picture buttons. With
// another colour and no choice made yet it opens the colour window first
// (and still answers false: the choice counts from the next check on).
// Failures go to the error routine under "ModFuncs" / "AcertaCor" and leave
// the answer false.
bool AcertaCor();

// Whether the check may open the colour window. By default only where a
// person can answer it: a widget application on a real display. With no
// widget application, or on the offscreen and minimal platforms (a server,
// a headless test run), a modal window nobody sees would hold the caller
// for ever, so the check answers false there and stores no choice. Tests
// that answer the window themselves allow it; reset() restores the default.
namespace ColourWindowPolicy {
void allow(bool allowed);
void reset();
bool mayOpen();
} // namespace ColourWindowPolicy

} // namespace zv::ui
