// The version file, the version comparison, the download's file name and the progress text.
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
        const char* host;
        int port;
    } servers[] = {
        {"www.example.org", "www.example.org", 80}, {"127.0.0.1:8080", "127.0.0.1", 8080},
        {"host:", "host", 0},                       {"host:99999", "host", 0},
        {"host:8o", "host", 0},                     {"host:0", "host", 0},
    };
    for (const auto& s : servers) {
        const ServerAddress address = splitServer(s.server);
        EXPECT_EQ(address.host, s.host) << s.server;
        EXPECT_EQ(address.port, s.port) << s.server;
    }
    EXPECT_EQ(versionFileUrl("h:81", "/kader/"), "http://h:81/kader/version/version.txt");
    EXPECT_EQ(versionFilePath("/"), "/version/version.txt");
    EXPECT_EQ(downloadUrlFor("h", "setup.zip"), "http://h/download/setup.zip");
}

} // namespace
