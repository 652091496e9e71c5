#include "support/file_faults.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace testing_support {

namespace fs = std::filesystem;

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
}

RefusingFolder::RefusingFolder(fs::path folder, fs::path file)
    : folder_(std::move(folder)), file_(std::move(file)) {
    if (::geteuid() != 0) {
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec, ec);
        if (!ec && refusesNewFiles()) {
            how_ = How::ReadOnly;
            return;
        }
        fs::permissions(folder_, fs::perms::owner_all, ec);
        why_ = "a read-only folder still takes new files";
        return;
    }
    if (makeImmutable(true)) {
        how_ = How::Immutable;
        return;
    }
    const std::string immutable = why_;
    if (mountReadOnly()) {
        how_ = How::Mounted;
        return;
    }
    why_ = "neither an immutable folder (" + immutable + ") nor a read-only bind mount (" + why_ + ")";
}

RefusingFolder::~RefusingFolder() {
    std::error_code ec;
    if (how_ == How::ReadOnly) fs::permissions(folder_, fs::perms::owner_all, ec);
    if (how_ == How::Immutable) (void)makeImmutable(false);
    if (how_ == How::Mounted) {
        ::umount2(file_.c_str(), MNT_DETACH);
        ::umount2(folder_.c_str(), MNT_DETACH);
        fs::remove(copy_, ec);
    }
}

bool RefusingFolder::refusesNewFiles() {
    const auto probe = folder_ / ".probe";
    const int created = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (created < 0) return true;
    ::close(created);
    ::unlink(probe.c_str());
    return false;
}

bool RefusingFolder::makeImmutable(bool on) {
    const int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        why_ = std::strerror(errno);
        return false;
    }
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    if (!done) why_ = std::strerror(errno);
    ::close(fd);
    if (done && on && !refusesNewFiles()) {
        (void)makeImmutable(false);
        why_ = "the flag does not stop new files";
        return false;
    }
    return done;
}

bool RefusingFolder::mountReadOnly() {
    copy_ = folder_.parent_path() / (folder_.filename().string() + ".writable");
    std::error_code ec;
    if (!fs::copy_file(file_, copy_, fs::copy_options::overwrite_existing, ec)) {
        why_ = ec.message();
        return false;
    }
    if (::mount(folder_.c_str(), folder_.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        why_ = std::strerror(errno);
        fs::remove(copy_, ec);
        return false;
    }
    if (::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0 ||
        ::mount(copy_.c_str(), file_.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        why_ = std::strerror(errno);
        ::umount2(folder_.c_str(), MNT_DETACH);
        fs::remove(copy_, ec);
        return false;
    }
    return true;
}

} // namespace testing_support
