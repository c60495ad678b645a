#pragma once
// SIGTERM, SIGINT and SIGHUP close the main window as the user would, so its options
// are written.

#include <functional>

// Calls `luk` from the event loop when one of the signals arrives.
void lukVedSignal(std::function<void()> luk);
