// Replays the stored fuzz corpora through the fuzz targets, so that every input the
// fuzzers once found keeps passing in the normal suite.
#include "../../fuzz/targets.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace
{

void replay(const std::string& name, void (*target)(const uint8_t*, size_t))
{
    const std::filesystem::path dir = std::filesystem::path(FUZZ_CORPUS_DIR) / name;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string data((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
        SCOPED_TRACE(entry.path().string());
        target(reinterpret_cast<const uint8_t*>(data.data()), data.size());
        ++files;
    }
    EXPECT_GT(files, 0);
}

TEST(FuzzCorpus, NumericReading)
{
    replay("numeric", fuzz_targets::numeric);
}

TEST(FuzzCorpus, ConsoleInput)
{
    replay("console", fuzz_targets::console);
}

} // namespace
