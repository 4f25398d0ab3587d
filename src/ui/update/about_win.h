#pragma once
// The About box: name and version, and three links: a mail to the maker, the maker's web page,
// and the version check, which it asks its owner to start.
#include <windows.h>

// Modal, owned by the main dialog.
void showAboutBox(HWND owner);
