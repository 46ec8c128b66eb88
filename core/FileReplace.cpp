#include "FileReplace.h"

#include "PosixFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace nemra {
namespace {

WriteResult Failure(int err)
{
    return {false, std::strerror(err)};
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

WriteResult ReplaceFileContents(const std::string& path, std::string_view bytes)
{
    if (path.empty())
        return Failure(ENOENT);
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return Failure(EISDIR);
    if (exists && !S_ISREG(old.st_mode))
        return {false, "not a regular file"};

    std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
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
    return {true, {}};
}

} // namespace nemra
