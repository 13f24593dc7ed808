#pragma once

class QApplication;

namespace duset {

// Everything the program does after its QApplication exists: the fonts, the
// registry of the six screens, the start-up screen and the event loop.
// Returns the exit status once the program has ended.
int run(QApplication &app);

} // namespace duset
