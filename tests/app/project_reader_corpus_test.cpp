#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/project_reader_input.h"

// The fuzzer's corpus, kept in the tree, runs in every build: each file is opened as a user would,
// recomputed and, when it opens, previewed page by page, without a crash, a sanitizer report or a
// non-finite number on a screen, in a format or on the surface.
TEST(ProjectReaderCorpus, EveryInputOpensCleanly) {
    const std::filesystem::path corpus = std::filesystem::path(TARVELO_SOURCE_DIR) / "tests/fuzz/corpus";
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_EQ(fuzz::openProjectInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                  std::vector<std::string>{});
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}
