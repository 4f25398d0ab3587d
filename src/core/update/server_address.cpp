#include "update/server_address.h"

namespace {

// Whether text begins with prefix, ASCII letters in any case.
bool startsWithAnyCase(const std::string& text, const std::string& prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

} // namespace

ServerAddress parseServerAddress(const std::string& server)
{
    ServerAddress address;
    std::string rest = server;
    if (startsWithAnyCase(rest, "https://")) {
        address.secure = true;
        address.port = 443;
        rest = rest.substr(8);
    } else if (startsWithAnyCase(rest, "http://")) {
        rest = rest.substr(7);
    }
    // "https://host/" names the same server.
    if (!rest.empty() && rest.back() == '/')
        rest.pop_back();
    const size_t colon = rest.rfind(':');
    if (colon == std::string::npos) {
        address.host = rest;
        return address;
    }
    address.host = rest.substr(0, colon);
    const std::string digits = rest.substr(colon + 1);
    long port = 0;
    bool valid = !digits.empty() && digits.size() <= 5;
    for (char c : digits) {
        valid = valid && c >= '0' && c <= '9';
        port = port * 10 + (c - '0');
    }
    address.port = valid && port >= 1 && port <= 65535 ? static_cast<int>(port) : 0;
    return address;
}

std::string serverOrigin(const ServerAddress& address)
{
    const int standard = address.secure ? 443 : 80;
    std::string origin = (address.secure ? "https://" : "http://") + address.host;
    if (address.port != standard)
        origin += ":" + std::to_string(address.port);
    return origin;
}

bool isSecureUrl(const std::string& url) { return startsWithAnyCase(url, "https://"); }

std::string secureRefusalText(SecureRefusal refusal, const std::string& server)
{
    // What is wrong with the server's certificate, in the order of SecureRefusal.
    static const char* const certificateFaults[] = {
        "", "ist f\xC3\xBCr einen anderen Namen ausgestellt.", "ist abgelaufen oder noch nicht g\xC3\xBCltig.",
        "stammt von keiner vertrauensw\xC3\xBCrdigen Stelle.", "ist ung\xC3\xBCltig."};
    const std::string named = "\"" + server + "\"";
    const std::string end = "\nDie Verbindung wurde abgebrochen, es wird nichts geladen.";
    if (refusal == SecureRefusal::None)
        return {};
    if (refusal == SecureRefusal::RedirectToPlain)
        return "Der Server " + named + " leitet auf eine unverschl\xC3\xBCsselte Verbindung um." + end;
    return "Das Zertifikat des Servers " + named + " " + certificateFaults[static_cast<int>(refusal)] + end;
}
