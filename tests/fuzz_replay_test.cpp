// Every input the fuzzers keep in tests/fuzz/corpus, run through its check once more.
#include "fuzz/fuzz_checks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

TEST(FuzzCorpus, EveryKeptInputStillPasses)
{
    namespace fs = std::filesystem;
    int replayed = 0;
    for (int index = 0; index < fuzzTargetCount; ++index) {
        const FuzzTarget& target = fuzzTargets[index];
        const fs::path folder = fs::path(KM_FUZZ_CORPUS) / target.name;
        ASSERT_TRUE(fs::is_directory(folder)) << folder;
        for (const auto& entry : fs::directory_iterator(folder)) {
            std::ifstream file(entry.path(), std::ios::binary);
            const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            EXPECT_EQ(target.check(bytes.data(), bytes.size()), "") << entry.path();
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0);
}

} // namespace
