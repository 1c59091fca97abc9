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

} // namespace zv::ui
