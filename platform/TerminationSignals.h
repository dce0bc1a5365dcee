#pragma once

class QWidget;

namespace veridi {

// SIGTERM, SIGINT and SIGHUP close the window as quitting from its menu does, so that the
// settings are saved when a session ends. A second signal ends the program at once.
void closeOnTerminationSignals(QWidget* window);

// SIGTERM, SIGINT and SIGHUP end the event loop at once, without the questions closing a window
// may ask. A second signal ends the program at once.
void quitOnTerminationSignals();

// Whether the program is ending because of such a signal: nobody may be there to answer a
// message box then.
bool endingBecauseOfSignal();

} // namespace veridi
