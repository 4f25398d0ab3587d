#pragma once
// The About box: name and version, and three links: a mail to the maker, the maker's web page,
// and the version check, which it asks its owner to start.
#include <windows.h>

#include <string>

// Modal, owned by owner (the main dialog); it names settingsFile as the file the settings are
// kept in.
void showAboutBox(HWND owner, const std::wstring& settingsFile);
