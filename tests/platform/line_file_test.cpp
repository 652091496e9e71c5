#include "platform/line_file.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace platform {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class LineFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("tarvelo-line-file-" + std::string(info->name()) + "-" +
                std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    static void putBytes(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    static std::string bytes(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_))
            names.push_back(e.path().filename().string());
        return names;
    }

    fs::path dir_;
};

TEST_F(LineFileTest, JapaneseLinesRoundTripAsShiftJisWithCrLf) {
    const Lines lines = {"§１. 設 計 条 件", "砂質土",    "σ28", "ｲﾒｰｼﾞ", "①", "γs=18", "",
                         " .7133 ",          "～－≦㎡∥￢"};
    const auto file = path("a.tvl");
    ASSERT_TRUE(writeLines(file, lines));

    const std::string onDisk = bytes(file);
    const std::string expectedHead = "\x81\x98\x82\x50. \x90\xdd \x8c\x76 \x8f\xf0 \x8c\x8f\r\n"
                                     "\x8d\xbb\x8e\xbf\x93\x79\r\n"
                                     "\x83\xd0"
                                     "28\r\n"
                                     "\xb2\xd2\xb0\xbc\xde\r\n"
                                     "\x87\x40\r\n"
                                     "\x83\xc1s=18\r\n"
                                     "\r\n"
                                     " .7133 \r\n";
    ASSERT_GE(onDisk.size(), expectedHead.size());
    EXPECT_EQ(onDisk.substr(0, expectedHead.size()), expectedHead);
    EXPECT_EQ(onDisk.substr(onDisk.size() - 2), "\r\n");

    const auto read = readLines(file);
    ASSERT_TRUE(read) << read.fault().message;
    EXPECT_EQ(*read, lines);
    EXPECT_EQ(entries(), std::vector<std::string>{"a.tvl"});
}

TEST_F(LineFileTest, LookAlikesFoldToTheCodePagesCharacter) {
    // "〜" U+301C and "−" U+2212 are written as "～" and "－" and read back as those.
    const auto encoded = toCp932("〜−");
    ASSERT_TRUE(encoded);
    EXPECT_EQ(*encoded, "\x81\x60\x81\x7c");
    EXPECT_EQ(*fromCp932(*encoded), "～－");
}

// A line ends at CR LF or a lone CR; a lone LF stays inside its line.
TEST_F(LineFileTest, SplitsAtCrLfAndLoneCr) {
    const struct {
        const char* bytes;
        Lines expected;
    } cases[] = {
        {"a\nb\n", {"a\nb\n"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\n\r\nb\n\rc", {"a", "", "b\n", "c"}},
        {"\r\n", {""}},
        {"\n", {"\n"}},
        {"", {}},
        {"\x8d\xbb\r\x83\xd0", {"砂", "σ"}},
        {"\x8d\xbb\n\x83\xd0", {"砂\nσ"}},
    };
    const auto file = path("in.tvl");
    for (const auto& c : cases) {
        putBytes(file, c.bytes);
        const auto read = readLines(file);
        ASSERT_TRUE(read) << read.fault().message;
        EXPECT_EQ(*read, c.expected) << testing::PrintToString(std::string(c.bytes));
    }
}

TEST_F(LineFileTest, ReadingFaultsNameThePath) {
    const auto missing = path("missing.tvl");
    const auto notFound = readLines(missing);
    ASSERT_FALSE(notFound);
    EXPECT_NE(notFound.fault().message.find(missing), std::string::npos);

    const auto folder = dir_.string();
    const auto isFolder = readLines(folder);
    ASSERT_FALSE(isFolder);
    EXPECT_NE(isFolder.fault().message.find(folder), std::string::npos);

    const auto bad = path("bad.tvl");
    putBytes(bad, "ok\r\nx\x85\x40y\r\n");
    const auto invalid = readLines(bad);
    ASSERT_FALSE(invalid);
    EXPECT_NE(invalid.fault().message.find(bad), std::string::npos);
    EXPECT_NE(invalid.fault().message.find("2行目の2バイト目"), std::string::npos) << invalid.fault().message;
    EXPECT_NE(invalid.fault().message.find("0x85 0x40"), std::string::npos) << invalid.fault().message;
    EXPECT_TRUE(invalid.fault().is(FileFault::Undecodable));
    EXPECT_EQ(invalid.fault().line, 2);
    EXPECT_TRUE(notFound.fault().is(FileFault::Read));
    EXPECT_FALSE(notFound.fault().is(FileFault::Undecodable));

    // A lone LF does not end a line: the bad bytes after it are still on line 1.
    putBytes(bad, "ok\nx\x85\x40y\r\n");
    const auto sameLine = readLines(bad);
    ASSERT_FALSE(sameLine);
    EXPECT_EQ(sameLine.fault().line, 1);
}

TEST_F(LineFileTest, ConversionFaultsNameTheCharacterAndPosition) {
    const auto emoji = toCp932("ab😀");
    ASSERT_FALSE(emoji);
    EXPECT_EQ(emoji.fault().message, "「😀」（3文字目）はファイルに保存できない文字です。");
    EXPECT_FALSE(toCp932("€"));
    EXPECT_FALSE(toCp932("ä"));

    const auto brokenUtf8 = toCp932("砂\xff");
    ASSERT_FALSE(brokenUtf8);
    EXPECT_NE(brokenUtf8.fault().message.find("2文字目"), std::string::npos) << brokenUtf8.fault().message;
    EXPECT_FALSE(toCp932("\xe7\xa0")); // cut off in the middle of a character

    EXPECT_FALSE(fromCp932("\x81")); // a lead byte without its second byte
    EXPECT_FALSE(fromCp932("\xa0"));
}

TEST_F(LineFileTest, UnencodableLineWritesNothing) {
    const auto file = path("a.tvl");
    ASSERT_TRUE(writeLines(file, {"砂質土", "60"}));
    const std::string before = bytes(file);

    const auto status = writeLines(file, {"粘性土", "site 😀", "60"});
    ASSERT_FALSE(status);
    EXPECT_NE(status.fault().message.find(file), std::string::npos);
    EXPECT_NE(status.fault().message.find("2行目の「😀」（6文字目）"), std::string::npos)
        << status.fault().message;
    EXPECT_TRUE(status.fault().is(FileFault::Unencodable));
    EXPECT_EQ(status.fault().line, 2);
    EXPECT_EQ(bytes(file), before);
    EXPECT_EQ(entries(), std::vector<std::string>{"a.tvl"});
}

TEST_F(LineFileTest, ReplacesTheWholeOldFile) {
    const auto file = path("a.tvl");
    ASSERT_TRUE(writeLines(file, {"1", "2", "3"}));
    ASSERT_TRUE(writeLines(file, {"x"}));
    EXPECT_EQ(bytes(file), "x\r\n");
    ASSERT_TRUE(writeLines(file, {}));
    EXPECT_EQ(bytes(file), "");
}

TEST_F(LineFileTest, WriteFailureLeavesNoTemporaryFile) {
    const auto noFolder = path("no/such/folder/a.tvl");
    const auto s1 = writeLines(noFolder, {"a"});
    ASSERT_FALSE(s1);
    EXPECT_NE(s1.fault().message.find(noFolder), std::string::npos);

    // The temporary file is written, but it cannot replace a folder.
    const auto folder = path("taken");
    fs::create_directory(folder);
    const auto s2 = writeLines(folder, {"a"});
    ASSERT_FALSE(s2);
    EXPECT_NE(s2.fault().message.find(folder), std::string::npos);
    EXPECT_EQ(entries(), std::vector<std::string>{"taken"});
    EXPECT_TRUE(fs::is_empty(folder));
}

} // namespace
} // namespace platform
