#include "update/secure_connection_win.h"

namespace {

SecureRefusal refusalOf(DWORD error)
{
    switch (error) {
    case ERROR_INTERNET_SEC_CERT_CN_INVALID:
        return SecureRefusal::WrongName;
    case ERROR_INTERNET_SEC_CERT_DATE_INVALID:
        return SecureRefusal::Expired;
    case ERROR_INTERNET_INVALID_CA:
        return SecureRefusal::UnknownAuthority;
    case ERROR_INTERNET_HTTPS_TO_HTTP_ON_REDIR:
        return SecureRefusal::RedirectToPlain;
    case ERROR_INTERNET_SEC_CERT_ERRORS:
    case ERROR_INTERNET_SEC_CERT_NO_REV:
    case ERROR_INTERNET_SEC_CERT_REV_FAILED:
    case ERROR_INTERNET_SEC_INVALID_CERT:
    case ERROR_INTERNET_SEC_CERT_REVOKED:
        return SecureRefusal::InvalidCertificate;
    default:
        return SecureRefusal::None;
    }
}

} // namespace

std::string secureRefusalFor(const ServerAddress& server, HINTERNET request, DWORD error)
{
    if (!server.secure)
        return {};
    SecureRefusal refusal = refusalOf(error);
    if (refusal == SecureRefusal::None && request && error == ERROR_SUCCESS) {
        // Redirects are followed; the answer counts only if its address is still HTTPS.
        char url[2048] = "";
        DWORD size = sizeof url;
        if (InternetQueryOptionA(request, INTERNET_OPTION_URL, url, &size) && !isSecureUrl(url))
            refusal = SecureRefusal::RedirectToPlain;
    }
    return secureRefusalText(refusal, serverOrigin(server));
}
