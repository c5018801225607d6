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

TEST(FuzzCorpus, AssignmentFilesAndLinks)
{
    replay("assignment", fuzz_targets::assignment);
}

TEST(FuzzCorpus, ResultFiles)
{
    replay("result", fuzz_targets::result);
}

TEST(FuzzCorpus, KeptWork)
{
    replay("kept_work", fuzz_targets::keptWork);
}

// The reference the console target holds lesson-console's output to.
TEST(FuzzCorpus, TheUtf8ReferenceTakesWellFormedTextOnly)
{
    const std::pair<std::string, bool> cases[] = {
        {"", true},
        {"total = 13", true},
        {"関数の宣言です。", true},
        {"\xF0\x9F\x98\x80", true},  // U+1F600
        {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF, the last
        {"\xC0\xAF", false},         // an overlong slash
        {"\xE0\x80\xAF", false},     // overlong again
        {"\xED\xA0\x80", false},     // a surrogate
        {"\xF4\x90\x80\x80", false}, // past U+10FFFF
        {"\xE3\x81", false},         // cut short
        {"\x80", false},             // a lone continuation byte
        {"a\xFF"
         "b",
         false},
    };
    for (const auto& [text, wellFormed] : cases)
        EXPECT_EQ(fuzz_targets::wellFormedUtf8(text), wellFormed) << text;
}

} // namespace
