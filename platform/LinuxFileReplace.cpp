#include "FileReplace.h"
#include "PosixFileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>
#include <string>

namespace platform {

namespace posix {

bool WriteAllBytes(int descriptor, const char* data, size_t size)
{
    while (size > 0)
    {
        const ssize_t written = write(descriptor, data, size);
        if (written < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

} // namespace posix

namespace {

// Enough attempts to step past leftovers of crashed writers, never an endless loop.
constexpr int kTemporaryNameAttempts = 100;
constexpr mode_t kNewFileMode = 0666; // narrowed by the user's umask, as for any new file

// The file that really gets replaced: the path itself, or the end of its chain of links, with the
// permissions the new content keeps.
struct Target
{
    std::string path;                  // empty when the path cannot be replaced as a regular file
    std::optional<mode_t> permissions; // none for a file that does not exist yet
};

Target ResolveTarget(const std::string& path)
{
    struct stat status
    {};
    if (lstat(path.c_str(), &status) != 0)
        return errno == ENOENT ? Target{path, std::nullopt} : Target{};
    Target target{path, std::nullopt};
    if (S_ISLNK(status.st_mode))
    {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) == nullptr || stat(resolved, &status) != 0)
            return Target{};
        target.path = resolved;
    }
    if (!S_ISREG(status.st_mode))
        return Target{};
    target.permissions = status.st_mode & 07777;
    return target;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FileNameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A new hidden file beside the target, created exclusively so that two writers never share one.
int CreateTemporaryBeside(const std::string& target, std::string& temporaryPath)
{
    const std::string stem = FolderOf(target) + "/." + FileNameOf(target) + "." + std::to_string(getpid());
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt)
    {
        temporaryPath = stem + "." + std::to_string(++counter) + ".tmp";
        const int descriptor = open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

// Makes the rename itself survive a crash. Some file systems cannot sync a folder; the content is
// on the disk already, so that is not a failure.
void SyncFolder(const std::string& folder)
{
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    fsync(descriptor);
    close(descriptor);
}

} // namespace

bool ReplaceFileContents(const std::string& path, const std::string& contents)
{
    const Target target = ResolveTarget(path);
    if (target.path.empty())
        return false;

    std::string temporaryPath;
    const int descriptor = CreateTemporaryBeside(target.path, temporaryPath);
    if (descriptor < 0)
        return false;

    // A replaced file keeps the permissions its owner gave it.
    bool written = !target.permissions || fchmod(descriptor, *target.permissions) == 0;
    written = written && posix::WriteAllBytes(descriptor, contents.data(), contents.size());
    written = written && fsync(descriptor) == 0;
    written = (close(descriptor) == 0) && written;
    if (!written || rename(temporaryPath.c_str(), target.path.c_str()) != 0)
    {
        unlink(temporaryPath.c_str());
        return false;
    }
    SyncFolder(FolderOf(target.path));
    return true;
}

} // namespace platform
