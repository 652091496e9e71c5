#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/project_reader_input.h"
#include "support/recording_services.h"

// The fuzzer's corpus, kept in the tree, runs in every build: each file must be read, stored and
// written back without a crash or a sanitizer report.
TEST(ProjectReaderCorpus, EveryInputEndsCleanly) {
    testing_support::RecordingServices services;
    const std::filesystem::path corpus = std::filesystem::path(TARVELO_SOURCE_DIR) / "tests/fuzz/corpus";
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_EQ(fuzz::projectReaderInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                  0);
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}
