#include "platform/line_file.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

Converter& encoder() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
}

Converter& decoder() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}

struct Failure {
    std::size_t offset = 0; // of the input that could not be converted
    int error = 0;
};

// Converts the whole input; on failure tells where the conversion stopped and why.
std::optional<Failure> convert(Converter& c, std::string_view in, std::string& out) {
    iconv(c.get(), nullptr, nullptr, nullptr, nullptr);
    out.assign(in.size() * 2 + 16, '\0');
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    std::size_t used = 0;
    while (inLeft > 0) {
        char* outPtr = out.data() + used;
        std::size_t outLeft = out.size() - used;
        const std::size_t r = iconv(c.get(), &inPtr, &inLeft, &outPtr, &outLeft);
        used = out.size() - outLeft;
        if (r != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        return Failure{static_cast<std::size_t>(inPtr - in.data()), errno};
    }
    out.resize(used);
    return std::nullopt;
}

// Length of the well-formed UTF-8 sequence at the start of s, 0 when it is not one.
std::size_t utf8Length(std::string_view s) {
    if (s.empty()) return 0;
    const auto b = [&](std::size_t i) { return i < s.size() ? static_cast<unsigned char>(s[i]) : 0u; };
    const auto cont = [&](std::size_t i, unsigned lo = 0x80, unsigned hi = 0xBF) {
        return b(i) >= lo && b(i) <= hi;
    };
    const unsigned lead = b(0);
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return cont(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned lo = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned hi = lead == 0xED ? 0x9F : 0xBF;
        return cont(1, lo, hi) && cont(2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned lo = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned hi = lead == 0xF4 ? 0x8F : 0xBF;
        return cont(1, lo, hi) && cont(2) && cont(3) ? 4 : 0;
    }
    return 0;
}

std::size_t characterCount(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string hexBytes(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%s0x%02X", out.empty() ? "" : " ", static_cast<unsigned char>(c));
        out += buf;
    }
    return out;
}

bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::string readReason(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "ファイルが見つかりません。";
    case EACCES:
    case EPERM:
        return "読み込みが許可されていません。";
    case EISDIR:
        return "フォルダです。";
    default:
        return "";
    }
}

std::string writeReason(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "フォルダが見つかりません。";
    case EACCES:
    case EPERM:
    case EROFS:
        return "書き込みが許可されていません。";
    case ENOSPC:
    case EDQUOT:
        return "ディスクの空きが足りません。";
    case EISDIR:
        return "同じ名前のフォルダがあります。";
    default:
        return "";
    }
}

Fault readFault(const std::string& path, int error) {
    return Fault{"「" + path + "」を読み込めません。" + readReason(error), FileFault::Read};
}

Fault writeFault(const std::string& path, int error) {
    return Fault{"「" + path + "」に保存できません。" + writeReason(error), FileFault::Write};
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Creates a new file beside `path` that no one else is using; -1 with errno set when none can be made.
int createTemporary(const std::string& path, std::string& tempPath) {
    const auto seed =
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                        std::hash<std::thread::id>{}(std::this_thread::get_id()));
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        char suffix[48];
        std::snprintf(suffix, sizeof suffix, ".%d-%llx.tmp", static_cast<int>(::getpid()),
                      (seed + attempt * 0x9E3779B97F4A7C15ull) & 0xFFFFFFFFFFull);
        tempPath = path + suffix;
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

} // namespace

Result<std::string> toCp932(std::string_view utf8) {
    Converter& c = encoder();
    if (!c.valid()) return Fault{"文字コード（CP932）の変換を用意できません。", FileFault::NoConverter};
    std::string out;
    const auto failure = convert(c, utf8, out);
    if (!failure) return out;
    const auto position = std::to_string(characterCount(utf8.substr(0, failure->offset)) + 1);
    const auto rest = utf8.substr(failure->offset);
    const auto length = utf8Length(rest);
    if (failure->error == EILSEQ && length > 0) {
        return Fault{"「" + std::string(rest.substr(0, length)) + "」（" + position +
                         "文字目）はファイルに保存できない文字です。",
                     FileFault::Unencodable};
    }
    return Fault{position + "文字目に正しくない文字コード（" + hexBytes(rest.substr(0, 1)) + "）があります。",
                 FileFault::Unencodable};
}

Result<std::string> fromCp932(std::string_view bytes) {
    Converter& c = decoder();
    if (!c.valid()) return Fault{"文字コード（CP932）の変換を用意できません。", FileFault::NoConverter};
    std::string out;
    const auto failure = convert(c, bytes, out);
    if (!failure) return out;
    const auto rest = bytes.substr(failure->offset);
    const std::size_t shown = rest.size() >= 2 && isLeadByte(static_cast<unsigned char>(rest[0])) ? 2 : 1;
    return Fault{std::to_string(failure->offset + 1) + "バイト目に読めない文字コード（" +
                     hexBytes(rest.substr(0, shown)) + "）があります。",
                 FileFault::Undecodable};
}

Result<std::vector<std::string>> readLines(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return readFault(path, errno);
    std::string data;
    int error = 0;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        error = errno;
    } else if (S_ISDIR(st.st_mode)) {
        error = EISDIR;
    } else {
        char buf[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) error = errno;
            if (n <= 0) break;
            data.append(buf, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    if (error != 0) return readFault(path, error);

    // CR never occurs as the second byte of a double-byte character, so the raw bytes split safely.
    std::vector<std::string> lines;
    auto take = [&](std::string_view bytes) -> Status {
        auto line = fromCp932(bytes);
        if (!line) {
            const int number = static_cast<int>(lines.size()) + 1;
            return Fault{"「" + path + "」を読み込めません。" + std::to_string(number) + "行目の" +
                             line.fault().message,
                         FileFault::Undecodable, number};
        }
        lines.push_back(std::move(*line));
        return {};
    };
    std::size_t start = 0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (data[i] != '\r') continue;
        if (auto s = take(std::string_view(data).substr(start, i - start)); !s) return s.fault();
        if (i + 1 < data.size() && data[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < data.size())
        if (auto s = take(std::string_view(data).substr(start)); !s) return s.fault();
    return lines;
}

Status writeLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string content;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto encoded = toCp932(lines[i]);
        if (!encoded)
            return Fault{"「" + path + "」に保存できません。" + std::to_string(i + 1) + "行目の" +
                             encoded.fault().message,
                         FileFault::Unencodable, static_cast<int>(i) + 1};
        content += *encoded;
        content += "\r\n";
    }

    std::string tempPath;
    const int fd = createTemporary(path, tempPath);
    if (fd < 0) return writeFault(path, errno);
    // Replacing a file keeps its permissions.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) (void)::fchmod(fd, old.st_mode & 07777);

    int error = 0;
    if (!writeAll(fd, content) || ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(tempPath.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(tempPath.c_str());
        return writeFault(path, error);
    }
    return {};
}

} // namespace platform
