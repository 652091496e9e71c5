#pragma once

#include <filesystem>
#include <string>

#include <csignal>
#include <sys/resource.h>

namespace testing_support {

// Limits the size of the files this process writes, as a full disk would stop them, for its
// lifetime; a write past the limit fails instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    struct rlimit old_ {};
    void (*oldHandler_)(int) = nullptr;
};

// Makes a folder refuse new files while a file already in it stays writable, as a shared folder may:
// for a user other than root the folder is made read-only; root writes there all the same, so for
// root the folder is made immutable where its file system allows it, else it is bound read-only onto
// itself with a writable copy of the file bound over the file. The constructor leaves `why()` saying
// why none of these could be done. Read the file while the folder refuses: after a bind mount is
// undone the file shows its bytes from before.
class RefusingFolder {
public:
    RefusingFolder(std::filesystem::path folder, std::filesystem::path file);
    ~RefusingFolder();
    RefusingFolder(const RefusingFolder&) = delete;
    RefusingFolder& operator=(const RefusingFolder&) = delete;

    bool ok() const { return how_ != How::None; }
    const std::string& why() const { return why_; }

private:
    enum class How { None, ReadOnly, Immutable, Mounted };
    bool makeImmutable(bool on);
    bool refusesNewFiles();
    bool mountReadOnly();

    std::filesystem::path folder_, file_, copy_;
    How how_ = How::None;
    std::string why_;
};

} // namespace testing_support
