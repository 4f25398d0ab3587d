#pragma once
// What the system's checks of an HTTPS server mean for the update: a refused certificate, or an
// answer that arrived over plain HTTP after a redirect, ends the transfer with a message.
#include "update/server_address.h"

#include <windows.h>
#include <wininet.h>

#include <string>

// After a request to server (request may be null, error is what its opening or sending failed
// with): what the user reads when server speaks HTTPS and the transfer must not go on; empty
// otherwise, and always for plain HTTP.
std::string secureRefusalFor(const ServerAddress& server, HINTERNET request, DWORD error);
