// The version file, the version comparison, the download's file name and the progress text.
#include "update/server_address.h"
#include "update/update_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string sha(64, 'a');

TEST(UpdateRules, VersionFilesAndWhatTheyOffer)
{
    const struct {
        std::string answer;
        UpdateVerdict verdict;
        const char* fileName;
    } cases[] = {
        {"0.92.1\r\nsetup.zip\r\n", UpdateVerdict::Current, "setup.zip"},
        {"0.92.2\r\nsetup.zip", UpdateVerdict::Newer, "setup.zip"},
        {"\n\n0.92.2\n\nsetup.zip\n", UpdateVerdict::Newer, "setup.zip"}, // empty lines are separators
        {"0.92.2\rneu.zip\rmore\rlines", UpdateVerdict::Newer, "neu.zip"},
        {"0.92.0\r\nalt.zip", UpdateVerdict::Current, "alt.zip"},
        {"1.0\nk.zip", UpdateVerdict::Newer, "k.zip"},
        {"0.100\nk.zip", UpdateVerdict::Current, "k.zip"}, // textual: not newer
        {"0.92.10\nk.zip", UpdateVerdict::Newer, "k.zip"},
        {"0.92.2", UpdateVerdict::Unusable, ""},            // one line only
        {"", UpdateVerdict::Unusable, ""},
        {"\r\n\r\n", UpdateVerdict::Unusable, ""},
        {"<html>404 Error</html>\nx.zip", UpdateVerdict::Unusable, ""},
        {"0.92.2\nFehlerbericht.zip", UpdateVerdict::Unusable, ""}, // an error text anywhere
        {"0.92.2\n..\\..\\Windows\\evil.exe", UpdateVerdict::Unusable, ""},
        {"0.92.2\n" + std::string(5000, 'x'), UpdateVerdict::Unusable, ""}, // larger than a version file
    };
    for (const auto& c : cases) {
        const VersionAnswer answer = readVersionAnswer(c.answer, "0.92.1");
        EXPECT_EQ(answer.verdict, c.verdict) << c.answer;
        if (c.verdict != UpdateVerdict::Unusable) {
            EXPECT_EQ(answer.fileName, c.fileName) << c.answer;
        }
    }
}

TEST(UpdateRules, AThirdLineOfSixtyFourHexDigitsIsTheChecksum)
{
    EXPECT_EQ(readVersionAnswer("0.93\nk.zip\n" + std::string(64, 'A') + "\n", "0.92.1").sha256, sha);
    EXPECT_EQ(readVersionAnswer("0.93\nk.zip\n" + sha, "0.92.1").sha256, sha);
    EXPECT_EQ(readVersionAnswer("0.93\nk.zip", "0.92.1").sha256, "") << "two lines work as before";
    EXPECT_EQ(readVersionAnswer("0.93\nk.zip\n" + std::string(63, 'a'), "0.92.1").sha256, "");
    EXPECT_EQ(readVersionAnswer("0.93\nk.zip\n" + std::string(63, 'a') + "g", "0.92.1").sha256, "");
    EXPECT_EQ(readVersionAnswer("0.93\nk.zip\n" + std::string(63, 'a') + "g", "0.92.1").verdict, UpdateVerdict::Newer)
        << "anything else on the third line is ignored, as by older versions";
}

TEST(UpdateRules, AFourthLineIsTheSignatureOfTheFirstThree)
{
    const std::string signature = "00ff" + std::string(120, '7') + "A0b1";
    const std::string signedText = "0.93\nk.zip\n" + sha + "\n";
    const struct {
        const char* what;
        std::string answer;
        std::string signedText;
        bool signature;
    } cases[] = {
        {"four lines with CR LF", "0.93\r\nk.zip\r\n" + sha + "\r\n" + signature + "\r\n", signedText, true},
        {"empty lines between", "\n0.93\n\nk.zip\r\r" + sha + "\n\n" + signature, signedText, true},
        {"a checksum in capitals is signed as it stands", "0.93\nk.zip\n" + std::string(64, 'A') + "\n" + signature,
         "0.93\nk.zip\n" + std::string(64, 'A') + "\n", true},
        {"no fourth line", "0.93\nk.zip\n" + sha + "\n", signedText, false},
        {"63 digits", "0.93\nk.zip\n" + sha + "\n" + signature.substr(0, 63), signedText, false},
        {"129 digits", "0.93\nk.zip\n" + sha + "\n" + signature + "0", signedText, false},
        {"a letter past f", "0.93\nk.zip\n" + sha + "\n" + signature.substr(0, 127) + "g", signedText, false},
        {"blanks around it", "0.93\nk.zip\n" + sha + "\n " + signature, signedText, false},
        {"no checksum: nothing to sign", "0.93\nk.zip\n" + signature + "\n" + signature, "", false},
        {"two lines", "0.93\nk.zip\n", "", false},
    };
    for (const auto& c : cases) {
        const VersionAnswer answer = readVersionAnswer(c.answer, "0.92.1");
        EXPECT_EQ(answer.verdict, UpdateVerdict::Newer) << c.what << ": older programs still read it";
        EXPECT_EQ(answer.signedText, c.signedText) << c.what;
        if (c.signature) {
            ASSERT_EQ(answer.signature.size(), 64u) << c.what;
            EXPECT_EQ(answer.signature.front(), 0x00) << c.what;
            EXPECT_EQ(answer.signature[1], 0xFF) << c.what;
            EXPECT_EQ(answer.signature[2], 0x77) << c.what;
            EXPECT_EQ(answer.signature[62], 0xA0) << c.what;
            EXPECT_EQ(answer.signature.back(), 0xB1) << c.what;
        } else {
            EXPECT_TRUE(answer.signature.empty()) << c.what;
        }
    }
}

// What the cryptography was asked, and what it answers.
struct RecordedVerification {
    int calls = 0;
    std::vector<uint8_t> key;
    std::string text;
    std::vector<uint8_t> signature;
    bool answer = true;
} recorded;

bool recordVerification(const std::vector<uint8_t>& key, const std::string& text, const std::vector<uint8_t>& signature)
{
    ++recorded.calls;
    recorded.key = key;
    recorded.text = text;
    recorded.signature = signature;
    return recorded.answer;
}

TEST(UpdateRules, WithAKeyOnlyAVerifiedSignatureCounts)
{
    const std::string key = std::string(126, 'c') + "0F";
    const std::string signature(128, '5');
    const std::string signedFile = "0.93\nk.zip\n" + sha + "\n" + signature;
    const struct {
        const char* what;
        std::string key;
        std::string answer;
        bool verifies; // what the cryptography says
        bool fromMaker;
        bool asked;
    } cases[] = {
        {"no key: taken as it is", "", "0.93\nk.zip", false, true, false},
        {"no key, a signature that would not verify", "", signedFile, false, true, false},
        {"a signature that verifies", key, signedFile, true, true, true},
        {"one that does not", key, signedFile, false, false, true},
        {"no signature", key, "0.93\nk.zip\n" + sha, true, false, false},
        {"no checksum", key, "0.93\nk.zip\n" + signature, true, false, false},
        {"a malformed signature", key, "0.93\nk.zip\n" + sha + "\n" + signature.substr(1), true, false, false},
        {"a key that is no key", key.substr(1), signedFile, true, false, false},
    };
    for (const auto& c : cases) {
        recorded = {};
        recorded.answer = c.verifies;
        const VersionAnswer answer = readVersionAnswer(c.answer, "0.92.1");
        EXPECT_EQ(isFromMaker(answer, c.key, recordVerification), c.fromMaker) << c.what;
        EXPECT_EQ(recorded.calls, c.asked ? 1 : 0) << c.what;
        if (c.asked) {
            EXPECT_EQ(recorded.text, "0.93\nk.zip\n" + sha + "\n") << c.what;
            EXPECT_EQ(recorded.key, hexBytes(key, 64)) << c.what;
            EXPECT_EQ(recorded.key.back(), 0x0F) << c.what;
            EXPECT_EQ(recorded.signature, std::vector<uint8_t>(64, 0x55)) << c.what;
        }
    }
}

TEST(UpdateRules, OnlyPlainFileNamesAreDownloaded)
{
    for (const char* name : {"setup.zip", "Kadermeister-0.93.zip", "K m.exe", "console.zip", "COM10.zip", ".hidden"})
        EXPECT_TRUE(isSafeDownloadName(name)) << name;
    for (const char* name : {"", ".", "..", "a\\b.zip", "a/b.zip", "C:x.zip", "x.zip:stream", "..\\x.zip",
                             "x\tzip", "x\x7Fzip", "CON", "con.zip", "con.zip.txt", "NUL.txt", "Com1.zip", "lpt9", "aux.",
                             "x.zip.", "x.zip ", " x.zip", "x?.zip", "x*.zip", "x<y.zip", "a|b", "\"x\"",
                             "setup#1.zip", "setup%20.zip"})
        EXPECT_FALSE(isSafeDownloadName(name)) << name;
    EXPECT_FALSE(isSafeDownloadName(std::string(201, 'a')));
}

TEST(UpdateRules, ComparisonIsTextualByUnsignedBytes)
{
    EXPECT_FALSE(isNewerVersion("0.92.1", "0.92.1"));
    EXPECT_TRUE(isNewerVersion("0.92.1a", "0.92.1")) << "a prefix sorts first";
    EXPECT_FALSE(isNewerVersion("0.92", "0.92.1"));
    EXPECT_TRUE(isNewerVersion("0.92.\xE4", "0.92.1")) << "bytes above 127 count as large";
}

TEST(UpdateRules, ProgressText)
{
    EXPECT_EQ(downloadStatusText(0, 5 * 1024 * 1024 + 100, 0.0f), "0 KB / 5120 KB @ 0.0 KB/s");
    EXPECT_EQ(downloadStatusText(2047, 0, downloadSpeed(2047, 0)), "1 KB / 0 KB @ 199.9 KB/s");
    EXPECT_EQ(downloadStatusText(1024 * 300, 1024 * 600, downloadSpeed(1024 * 300, 1000)), "300 KB / 600 KB @ 300.0 KB/s");
    EXPECT_EQ(downloadPercent(50, 0), 0) << "an unknown total leaves the bar at 0";
    EXPECT_EQ(downloadPercent(1, 3), 33);
    EXPECT_EQ(downloadPercent(4000000000u, 4000000000u), 100) << "no overflow for large files";
    const uint64_t sixGigabytes = 6ull << 30;
    EXPECT_EQ(downloadPercent(sixGigabytes / 2, sixGigabytes), 50) << "beyond 4 GB";
    EXPECT_EQ(downloadPercent(UINT64_MAX - 1, UINT64_MAX), 99);
    EXPECT_EQ(downloadStatusText(sixGigabytes, sixGigabytes, 1.0f), "6291456 KB / 6291456 KB @ 1.0 KB/s");
}

} // namespace

namespace {

TEST(UpdateRules, AddressesOnTheServer)
{
    const struct {
        const char* server;
        bool secure;
        const char* host;
        int port;
        const char* versionFile; // with versionDir "/kader/"
    } servers[] = {
        {"www.example.org", false, "www.example.org", 80, "http://www.example.org/kader/version/version.txt"},
        {"127.0.0.1:8080", false, "127.0.0.1", 8080, "http://127.0.0.1:8080/kader/version/version.txt"},
        {"https://www.example.org", true, "www.example.org", 443, "https://www.example.org/kader/version/version.txt"},
        {"HTTPS://h:8443/", true, "h", 8443, "https://h:8443/kader/version/version.txt"},
        {"https://h:443", true, "h", 443, "https://h/kader/version/version.txt"},
        {"http://h:81", false, "h", 81, "http://h:81/kader/version/version.txt"},
        {"http://h:80", false, "h", 80, "http://h/kader/version/version.txt"},
        {"host:", false, "host", 0, nullptr},
        {"https://host:99999", true, "host", 0, nullptr},
        {"host:8o", false, "host", 0, nullptr},
        {"host:0", false, "host", 0, nullptr},
    };
    for (const auto& s : servers) {
        const ServerAddress address = parseServerAddress(s.server);
        EXPECT_EQ(address.secure, s.secure) << s.server;
        EXPECT_EQ(address.host, s.host) << s.server;
        EXPECT_EQ(address.port, s.port) << s.server;
        if (s.versionFile) {
            EXPECT_EQ(versionFileUrl(s.server, "/kader/"), s.versionFile) << s.server;
        }
    }
    EXPECT_EQ(versionFilePath("/"), "/version/version.txt");
    EXPECT_EQ(downloadUrlFor("h", "setup.zip"), "http://h/download/setup.zip");
    EXPECT_EQ(downloadUrlFor("https://h:8443", "setup.zip"), "https://h:8443/download/setup.zip");
    EXPECT_TRUE(isSecureUrl("HTTPS://h/x"));
    EXPECT_FALSE(isSecureUrl("http://h/https://"));
}

} // namespace
