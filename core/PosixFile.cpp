#include "core/PosixFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nemra {

int WriteAllBytes(int fd, std::string_view data, std::size_t* written)
{
    std::size_t done = 0;
    int err = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (written != nullptr)
        *written = done;
    return err;
}

FileBytes ReadRegularFile(const std::string& path, std::size_t maxBytes)
{
    // O_NONBLOCK: opening a FIFO without a writer would otherwise wait for one forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return FileFault{errno == ENOENT, false, std::strerror(errno)};
    const auto fail = [fd](FileFault fault) {
        ::close(fd);
        return fault;
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return fail({false, false, std::strerror(errno)});
    if (!S_ISREG(st.st_mode))
        return fail({false, true, S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : kNotRegularFileReason});
    std::string bytes;
    char buffer[65536];
    while (bytes.size() <= maxBytes) {
        const std::size_t want = std::min(sizeof buffer, maxBytes + 1 - bytes.size());
        const ssize_t n = ::read(fd, buffer, want);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail({false, false, std::strerror(errno)});
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

} // namespace nemra
