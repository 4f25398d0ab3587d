#pragma once
// Where the maker publishes: the server, the folder of the version file, the web page and the
// mail address. Fixed when a program is built; each executable links the values it was
// configured with.
struct UpdateSite {
    const char* server;      // host, or host:port
    const char* versionDir;  // begins and ends with "/", in front of "version/version.txt"
    const char* homepage;
    const char* mail;
};
extern const UpdateSite updateSite;
