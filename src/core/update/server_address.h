#pragma once
// The maker's server as a build names it: "https://host[:port]", "http://host[:port]", or a bare
// "host[:port]", which keeps meaning plain HTTP, as it did before programs spoke HTTPS.
#include <string>

struct ServerAddress {
    bool secure = false; // HTTPS, with the system's checks of the server's certificate
    std::string host;
    int port = 80; // 443 by default over HTTPS; 0 when the text after the colon is no port number
};

ServerAddress parseServerAddress(const std::string& server);

// "http://host:port" or "https://host", the port only where it is not the scheme's own.
std::string serverOrigin(const ServerAddress& address);

// Whether a URL (a redirect's target, say) names HTTPS, in any case.
bool isSecureUrl(const std::string& url);

// Why a connection over HTTPS was refused; the system's certificate checks tell the four after
// None (secureRefusalText keeps their texts in this order).
enum class SecureRefusal { None, WrongName, Expired, UnknownAuthority, InvalidCertificate, RedirectToPlain };

// What the user reads, naming the server (its origin, "https://host[:port]").
std::string secureRefusalText(SecureRefusal refusal, const std::string& server);
