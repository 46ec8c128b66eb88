#include "core/ThaiText.h"

#include "core/PosixFile.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nemra {
namespace {

// The 0x80..0x9F block of CP874: only a few punctuation marks are defined.
constexpr std::array<char32_t, 32> kHighBlock = {
    0x20AC, 0,      0,      0,      0,      0x2026, 0,      0,      0, 0, 0, 0, 0, 0, 0, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0, 0, 0, 0, 0, 0, 0, 0};

constexpr char32_t kReplacement = 0xFFFD;

// Code point of a CP874 byte, or 0 when the byte is undefined.
char32_t Cp874ToCodePoint(unsigned char b)
{
    if (b < 0x80)
        return b;
    if (b < 0xA0)
        return kHighBlock[b - 0x80];
    if (b == 0xA0)
        return 0x00A0;
    if ((b >= 0xA1 && b <= 0xDA) || (b >= 0xDF && b <= 0xFB))
        return 0x0E01 + (b - 0xA1);
    return 0;
}

// CP874 byte of a code point, if it has one.
std::optional<unsigned char> CodePointToCp874(char32_t cp)
{
    if (cp < 0x80)
        return static_cast<unsigned char>(cp);
    if (cp == 0x00A0)
        return 0xA0;
    if ((cp >= 0x0E01 && cp <= 0x0E3A) || (cp >= 0x0E3F && cp <= 0x0E5B))
        return static_cast<unsigned char>(0xA1 + (cp - 0x0E01));
    for (std::size_t i = 0; i < kHighBlock.size(); ++i)
        if (kHighBlock[i] != 0 && kHighBlock[i] == cp)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

// Decodes one UTF-8 sequence at `pos`; advances `pos`. Malformed input yields nullopt
// and advances by one byte.
std::optional<char32_t> NextCodePoint(std::string_view s, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(s[pos]);
    std::size_t len = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        len = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        len = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        len = 4;
        cp = lead & 0x07;
    } else {
        ++pos;
        return std::nullopt;
    }
    if (pos + len > s.size()) {
        ++pos;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < len; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + i]);
        if ((c & 0xC0) != 0x80) {
            ++pos;
            return std::nullopt;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr char32_t kMinForLength[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinForLength[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return std::nullopt;
    }
    pos += len;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string SystemReason(int err)
{
    return std::strerror(err);
}

// An exclusive lock on an open file, held until the descriptor is closed. Each copy of the
// program takes it before it measures the file and keeps it through the append and its
// roll-back, so no copy's bytes come between another copy's measure and its roll-back.
class FileLock {
  public:
    explicit FileLock(int fd)
    {
        while (::flock(fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                error_ = errno;
                return;
            }
        }
        held_ = true;
    }
    bool held() const { return held_; }
    int error() const { return error_; }

  private:
    bool held_ = false;
    int error_ = 0;
};

// After a failed append under the lock: cuts the file back by exactly the `written` bytes this
// call added, only when they are still the file's last bytes (so nothing another program
// appended is lost), and removes a file this call created and left empty.
void TakeBackOwnBytes(int fd, const std::string& path, const struct stat& before, std::size_t written, bool created)
{
    struct stat now {};
    if (::fstat(fd, &now) != 0 || now.st_size != before.st_size + static_cast<off_t>(written))
        return;
    if (written > 0 && ::ftruncate(fd, before.st_size) != 0)
        return;
    if (!created || before.st_size != 0)
        return;
    // The name may be a link to the created file: remove the file itself, and only if the
    // name still leads to it.
    char* real = ::realpath(path.c_str(), nullptr);
    struct stat named {};
    if (real != nullptr && ::stat(real, &named) == 0 && named.st_dev == now.st_dev && named.st_ino == now.st_ino)
        ::unlink(real);
    std::free(real);
}

} // namespace

bool IsCp874Storable(char32_t cp)
{
    return CodePointToCp874(cp).has_value();
}

bool IsCp874Text(std::string_view utf8)
{
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto cp = NextCodePoint(utf8, pos);
        if (!cp || !IsCp874Storable(*cp))
            return false;
    }
    return true;
}

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t pos = 0; pos < bytes.size();)
        if (!NextCodePoint(bytes, pos))
            return false;
    return true;
}

std::size_t CharCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++count)
        NextCodePoint(utf8, pos);
    return count;
}

std::string CutToChars(std::string_view utf8, std::size_t maxChars)
{
    std::size_t pos = 0;
    for (std::size_t count = 0; count < maxChars && pos < utf8.size(); ++count)
        NextCodePoint(utf8, pos);
    return std::string(utf8.substr(0, pos));
}

std::string ToCp874(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto cp = NextCodePoint(utf8, pos);
        const auto byte = cp ? CodePointToCp874(*cp) : std::nullopt;
        out += byte ? static_cast<char>(*byte) : '?';
    }
    return out;
}

std::string FromCp874(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const char32_t cp = Cp874ToCodePoint(static_cast<unsigned char>(c));
        AppendUtf8(out, cp != 0 || c == '\0' ? cp : kReplacement);
    }
    return out;
}

std::string DecodeFileText(std::string_view bytes)
{
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark)
        bytes.remove_prefix(kUtf8Mark.size());
    // Files edited by hand mix lines of both encodings: each line is judged by itself.
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        const std::string_view line = bytes.substr(0, end == std::string_view::npos ? bytes.size() : end + 1);
        if (IsValidUtf8(line))
            out += line;
        else
            out += FromCp874(line);
        bytes.remove_prefix(line.size());
    }
    return out;
}

Result<> AppendLinesCp874(const std::string& path, const std::vector<std::string>& lines)
{
    std::string data;
    for (const auto& line : lines) {
        data += ToCp874(line);
        data += "\r\n";
    }
    // A removed file (see below) is opened anew; a few rounds are plenty.
    for (int round = 0; round < 4; ++round) {
        struct stat named {};
        const bool existed = ::stat(path.c_str(), &named) == 0;
        if (existed && S_ISDIR(named.st_mode))
            return Fault{SystemReason(EISDIR)};
        if (existed && !S_ISREG(named.st_mode))
            return Fault{kNotRegularFileReason};
        // O_NONBLOCK: should the name become a FIFO meanwhile, the open must not wait for a reader.
        const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
        if (fd < 0)
            return Fault{SystemReason(errno)};
        FileLock lock(fd); // every copy of the program appends under this lock
        struct stat before {};
        if (!lock.held() || ::fstat(fd, &before) != 0) {
            const int err = lock.held() ? errno : lock.error();
            ::close(fd);
            return Fault{SystemReason(err)};
        }
        if (!S_ISREG(before.st_mode)) {
            ::close(fd);
            return Fault{kNotRegularFileReason};
        }
        if (before.st_nlink == 0) { // another copy's failed save removed the file it had created
            ::close(fd);
            continue;
        }
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        std::size_t written = 0;
        int err = WriteAllBytes(fd, data, &written);
        if (err == 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
            err = errno;
        if (err != 0) {
            TakeBackOwnBytes(fd, path, before, written, !existed);
            ::close(fd); // releases the lock
            return Fault{SystemReason(err)};
        }
        if (::close(fd) != 0)
            return Fault{SystemReason(errno)};
        return {};
    }
    return Fault{SystemReason(ENOENT)};
}

} // namespace nemra
