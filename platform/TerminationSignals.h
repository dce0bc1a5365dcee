#pragma once

class QWidget;

namespace veridi {

// SIGTERM and SIGINT close the window as quitting from its menu does, so that the settings are
// saved when a session ends.
void closeOnTerminationSignals(QWidget* window);

// SIGTERM and SIGINT end the event loop at once, without the questions closing a window may ask.
void quitOnTerminationSignals();

} // namespace veridi
