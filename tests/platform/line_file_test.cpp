#include "platform/line_file.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/file_faults.h"

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

    // A NUL would cut the line short for a reader that stops there: " 2\0 4 " is no " 2".
    putBytes(bad, std::string("ok\r\n 2\0 4 \r\n", 11));
    const auto nul = readLines(bad);
    ASSERT_FALSE(nul);
    EXPECT_TRUE(nul.fault().is(FileFault::Undecodable));
    EXPECT_EQ(nul.fault().line, 2);
    EXPECT_NE(nul.fault().message.find(bad), std::string::npos);
    EXPECT_NE(nul.fault().message.find("2行目の3バイト目に読めない文字コード（0x00）"), std::string::npos)
        << nul.fault().message;
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

// A failure names the file once and says why, and leaves no temporary file behind.
TEST_F(LineFileTest, WriteFailuresNameTheFileOnceAndTheReason) {
    const auto folder = path("taken");
    fs::create_directory(folder);
    fs::create_directory_symlink("loop", dir_ / "loop"); // a link to itself
    const struct {
        std::string target;
        std::string says;
    } cases[] = {
        {path("no/such/folder/a.tvl"), "に保存できません。フォルダが見つかりません。"},
        // The temporary file is written, but it cannot replace a folder.
        {folder, "に保存できません。同じ名前のフォルダがあります。"},
        {path(std::string(300, 'n') + ".tvl"), "に保存できません。ファイル名が長すぎます。"},
        // No text of ours: the system's own words.
        {path("loop/a.tvl"), "に保存できません。（システムの理由：Too many levels of symbolic links）"},
    };
    for (const auto& c : cases) {
        const auto status = writeLines(c.target, {"a"});
        ASSERT_FALSE(status) << c.target;
        const std::string& message = status.fault().message;
        EXPECT_EQ(message, "「" + c.target + "」" + c.says);
        EXPECT_TRUE(status.fault().is(FileFault::Write));
    }
    auto names = entries();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"loop", "taken"}));
    EXPECT_TRUE(fs::is_empty(folder));

    // A name just under the system's limit is saved: the temporary file's own name is short.
    const auto longName = path(std::string(250, 'n') + ".tvl");
    EXPECT_TRUE(writeLines(longName, {"a"}));
    EXPECT_EQ(bytes(longName), "a\r\n");
}

TEST_F(LineFileTest, AFullDiskKeepsTheOldFile) {
    const auto file = path("a.tvl");
    ASSERT_TRUE(writeLines(file, {"old"}));
    Status status;
    {
        testing_support::FileSizeLimit limit(8);
        status = writeLines(file, {"a line longer than the limit"});
    }
    ASSERT_FALSE(status);
    EXPECT_EQ(status.fault().message, "「" + file + "」に保存できません。ファイルの大きさが上限を超えます。");
    EXPECT_EQ(bytes(file), "old\r\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"a.tvl"});
}

// A folder where files may be changed but not created: the file is rewritten where it stands.
TEST_F(LineFileTest, AFolderThatRefusesNewFilesStillTakesItsWritableFile) {
    const auto file = path("a.tvl");
    ASSERT_TRUE(writeLines(file, {"old", "lines"}));
    // Where the folder allows it, a new file replaces the old one: a second name of the old file
    // keeps the old bytes.
    const auto second = path("second");
    fs::create_hard_link(file, second);
    ASSERT_TRUE(writeLines(file, {"new"}));
    EXPECT_EQ(bytes(second), "old\r\nlines\r\n");
    EXPECT_EQ(bytes(file), "new\r\n");
    fs::remove(second);

    testing_support::RefusingFolder refusing(dir_, file);
    if (!refusing.ok()) GTEST_SKIP() << "no folder that refuses new files: " << refusing.why();
    const auto longer = writeLines(file, {"粘性土", "75", "longer than before"});
    ASSERT_TRUE(longer) << longer.fault().message;
    EXPECT_EQ(bytes(file), "\x94\x53\x90\xab\x93\x79\r\n75\r\nlonger than before\r\n");
    ASSERT_TRUE(writeLines(file, {"x"})); // the old rest is cut off
    EXPECT_EQ(bytes(file), "x\r\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"a.tvl"});

    // A file that is not there yet cannot be made.
    const auto fresh = path("fresh.tvl");
    const auto refused = writeLines(fresh, {"a"});
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.fault().message, "「" + fresh + "」に保存できません。書き込みが許可されていません。");

    // A size limit stops a longer content before the first byte changes.
    Status status;
    {
        testing_support::FileSizeLimit limit(8);
        status = writeLines(file, {"a line longer than the limit"});
    }
    ASSERT_FALSE(status);
    EXPECT_EQ(status.fault().message,
              "「" + file + "」に保存できません。ファイルの大きさが上限を超えます。ファイルは元のままです。");
    EXPECT_EQ(bytes(file), "x\r\n");

    // A write that fails part-way (600 of 802 bytes) puts the 600 bytes it replaced back.
    const std::string old(1000, 'a');
    ASSERT_TRUE(writeLines(file, {old}));
    {
        testing_support::FileSizeLimit limit(600);
        status = writeLines(file, {std::string(800, 'b')});
    }
    ASSERT_FALSE(status);
    EXPECT_NE(status.fault().message.find("ファイルは元のままです。"), std::string::npos)
        << status.fault().message;
    EXPECT_EQ(bytes(file), old + "\r\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"a.tvl"});
}

} // namespace
} // namespace platform
