#pragma once
// How the window-free code tells the user of a failure. The main dialog installs a sink
// that shows a modal error box; tests install one that records.
#include <string>

using MessageSink = void (*)(const std::string& text, const std::string& title);

void setMessageSink(MessageSink sink);
// Shows text (UTF-8) under title through the installed sink; without one it is dropped.
void showErrorMessage(const std::string& text, const std::string& title);
