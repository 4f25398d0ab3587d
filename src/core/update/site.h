#pragma once
// Where the maker publishes: the server, the folder of the version file, the web page, the
// mail address and the key the version file must be signed with. Fixed when a program is
// built; each executable links the values it was configured with.
struct UpdateSite {
    const char* server;      // host, or host:port
    const char* versionDir;  // begins and ends with "/", in front of "version/version.txt"
    const char* homepage;
    const char* mail;
    // The maker's public key: X then Y of the P-256 point as 128 hexadecimal digits; "" for a
    // program built without one, which takes unsigned version files.
    const char* makerKey;
};
extern const UpdateSite updateSite;
