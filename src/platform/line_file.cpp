#include "platform/line_file.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <system_error>
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

// The system's own words for an error that has no text of ours.
std::string systemReason(int error) {
    return "（システムの理由：" + std::error_code(error, std::generic_category()).message() + "）";
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
    case ENAMETOOLONG:
        return "ファイル名が長すぎます。";
    case EIO:
        return "ディスクから読み込めませんでした。";
    default:
        return systemReason(error);
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
    case EFBIG:
        return "ファイルの大きさが上限を超えます。";
    case ENAMETOOLONG:
        return "ファイル名が長すぎます。";
    case EISDIR:
        return "同じ名前のフォルダがあります。";
    case ETXTBSY:
    case EBUSY:
        return "ファイルが使用中です。";
    case EIO:
        return "ディスクに書き込めませんでした。";
    default:
        return systemReason(error);
    }
}

Fault readFault(const std::string& path, int error) {
    return Fault{"「" + path + "」を読み込めません。" + readReason(error), FileFault::Read};
}

// `state` says what became of the file where that is not simply "as it was".
Fault writeFault(const std::string& path, int error, std::string_view state = {}) {
    return Fault{"「" + path + "」に保存できません。" + writeReason(error) + std::string(state),
                 FileFault::Write};
}

// Writes `data` at `offset`; `written` counts the bytes that reached the file, also on failure.
bool writeAt(int fd, std::string_view data, off_t offset, std::size_t& written) {
    written = 0;
    while (written < data.size()) {
        const ssize_t n =
            ::pwrite(fd, data.data() + written, data.size() - written, offset + static_cast<off_t>(written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

bool readAll(int fd, std::string& out) {
    out.clear();
    char buf[65536];
    for (;;) {
        const ssize_t n = ::pread(fd, buf, sizeof buf, static_cast<off_t>(out.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        out.append(buf, static_cast<std::size_t>(n));
    }
}

constexpr std::string_view kUnchanged = "ファイルは元のままです。";
constexpr std::string_view kPartlyWritten = "ファイルは途中まで書き換えられ、壊れている可能性があります。";
constexpr std::string_view kUnsure = "ファイルが正しく書き込まれたか確かめられません。";

// Rewrites an existing file where it stands, for a folder that refuses the temporary file although
// the file itself may be written. Room for a longer content is taken before the first byte changes,
// so a full disk or a size limit stops the save with the file as it was; a write that fails after
// that puts back the bytes it replaced. `folderError` is the folder's refusal, the reason given when
// the file cannot be written either.
Status rewriteInPlace(const std::string& path, std::string_view content, int folderError) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return writeFault(path, folderError);
    struct stat st {};
    std::string old;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return writeFault(path, folderError);
    }
    if (!readAll(fd, old)) {
        const int error = errno;
        ::close(fd);
        return Fault{"「" + path + "」に保存できません。" + readReason(error) + std::string(kUnchanged),
                     FileFault::Write};
    }
    // Puts back the first `changed` bytes and the old length.
    auto restore = [&](std::size_t changed) {
        std::size_t written = 0;
        return writeAt(fd, std::string_view(old).substr(0, changed), 0, written) &&
               ::ftruncate(fd, static_cast<off_t>(old.size())) == 0 && ::fsync(fd) == 0;
    };
    auto fail = [&](int error, std::size_t changed) {
        const bool restored = restore(changed);
        ::close(fd);
        return writeFault(path, error, restored ? kUnchanged : kPartlyWritten);
    };

    if (content.size() > old.size()) {
        const int error = ::posix_fallocate(fd, 0, static_cast<off_t>(content.size()));
        // A file system that cannot reserve room leaves the test to the writes themselves.
        if (error != 0 && error != EINVAL && error != EOPNOTSUPP) return fail(error, 0);
    }
    std::size_t written = 0;
    if (!writeAt(fd, content, 0, written)) return fail(errno, written);
    if (content.size() < old.size() && ::ftruncate(fd, static_cast<off_t>(content.size())) != 0)
        return fail(errno, content.size());
    int error = 0;
    if (::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) return writeFault(path, error, kUnsure);
    return {};
}

// Creates a new file beside `path` that no one else is using; -1 with errno set when none can be made.
// Its name is short, so that a target whose name is near the system's limit can still be saved.
int createTemporary(const std::string& path, std::string& tempPath) {
    const std::string folder = path.substr(0, path.rfind('/') + 1);
    const auto seed =
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                        std::hash<std::thread::id>{}(std::this_thread::get_id()));
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        char name[48];
        std::snprintf(name, sizeof name, ".%d-%llx.tmp", static_cast<int>(::getpid()),
                      (seed + attempt * 0x9E3779B97F4A7C15ull) & 0xFFFFFFFFFFull);
        tempPath = folder + name;
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
        // A NUL is code page 932 but no character of a text: any reader would cut the line there.
        const auto nul = bytes.find('\0');
        auto line = nul == std::string_view::npos
                        ? fromCp932(bytes)
                        : Result<std::string>(Fault{std::to_string(nul + 1) +
                                                    "バイト目に読めない文字コード（0x00）があります。"});
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
    if (fd < 0) {
        const int error = errno;
        // A folder where files may be changed but not created.
        if (error == EACCES || error == EPERM || error == EROFS) return rewriteInPlace(path, content, error);
        return writeFault(path, error);
    }
    // Replacing a file keeps its permissions.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) (void)::fchmod(fd, old.st_mode & 07777);

    int error = 0;
    std::size_t written = 0;
    if (!writeAt(fd, content, 0, written) || ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(tempPath.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(tempPath.c_str());
        return writeFault(path, error);
    }
    return {};
}

} // namespace platform
