#pragma once

namespace fw::qt {

// Makes the Qt event loop drive the platform's front-switch watch: a notifier on the watch's
// descriptor hands its notices to the platform, from the loop and so also from inside DoEvents, and a
// single-shot timer gives the watch each try it asks for while it cannot be set up.
// Called again for a new Qt application object, it watches anew.
void driveFrontSwitches();

} // namespace fw::qt
