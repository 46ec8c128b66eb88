#include "core/FileReplace.h"

#include "core/PosixFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace nemra {
namespace {

Result<> Failure(int err)
{
    return Fault{std::strerror(err)};
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a name leads to: a symbolic link is followed (a relative link from its own
// folder), so the save replaces the link's target and the link stays. A loop of links is
// left as it is; writing through it then fails with the system's reason.
std::string FollowLinks(std::string path)
{
    constexpr int kMaxLinks = 40; // the kernel's own limit on links in one lookup
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::vector<char> target(PATH_MAX + 1);
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size() - 1);
        if (n < 0)
            return path;
        const std::string link(target.data(), static_cast<std::size_t>(n));
        path = link.front() == '/' ? link : FolderOf(path) + "/" + link;
    }
    return path;
}

} // namespace

Result<> ReplaceFileContents(const std::string& requested, std::string_view bytes)
{
    if (requested.empty())
        return Failure(ENOENT);
    const std::string path = FollowLinks(requested);
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return Failure(EISDIR);
    if (exists && !S_ISREG(old.st_mode))
        return Fault{kNotRegularFileReason};

    // A short name in the target's folder, so the rename stays on one file system and a
    // target name near the system's length limit still leaves room for it.
    std::string pattern = FolderOf(path) + "/.nemra-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return Failure(errno);
    const std::string tempPath(name.data());
    const mode_t mode = exists ? (old.st_mode & 07777) : 0644;
    int err = ::fchmod(fd, mode) != 0 ? errno : 0;
    if (err == 0)
        err = WriteAllBytes(fd, bytes);
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && ::rename(tempPath.c_str(), path.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(tempPath.c_str());
        return Failure(err);
    }
    // Make the new name durable as well; a failure here loses nothing already written.
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

} // namespace nemra
