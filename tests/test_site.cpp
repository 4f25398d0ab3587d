// The update site of the dialog tests: their own HTTP server, on the port it was given.
#include "http_test_server.h"
#include "update/site.h"

char testSiteServer[32] = "127.0.0.1:0";
char testSiteKey[129] = "";

const UpdateSite updateSite = {testSiteServer, "/km-test/", "http://127.0.0.1/km-test/", "test@kadermeister.invalid",
                               testSiteKey};
