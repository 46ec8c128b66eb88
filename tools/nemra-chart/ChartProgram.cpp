#include "tools/nemra-chart/ChartCommand.h"

#include "core/PosixFile.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <ostream>
#include <streambuf>
#include <unistd.h>

namespace nemra::cli {
namespace {

// An output buffer over a file descriptor that keeps the reason of its first failed write;
// after a failure it writes nothing more.
class DescriptorBuffer : public std::streambuf {
  public:
    explicit DescriptorBuffer(int fd)
        : FFd(fd)
    {
        setp(FBuffer.data(), FBuffer.data() + FBuffer.size());
    }

    // 0, or the errno value of the first write that failed.
    int Error() const { return FError; }

  protected:
    int_type overflow(int_type ch) override
    {
        if (!WriteBuffered())
            return traits_type::eof();
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }

    int sync() override { return WriteBuffered() ? 0 : -1; }

  private:
    bool WriteBuffered()
    {
        if (FError == 0)
            FError = WriteAllBytes(FFd, std::string_view(pbase(), static_cast<std::size_t>(pptr() - pbase())));
        setp(FBuffer.data(), FBuffer.data() + FBuffer.size());
        return FError == 0;
    }

    int FFd;
    int FError = 0;
    std::array<char, 1 << 16> FBuffer{};
};

} // namespace

int RunChartProgram(const std::vector<std::string>& args, int outFd, std::ostream& err)
{
    DescriptorBuffer buffer(outFd);
    std::ostream out(&buffer);
    const int status = RunChartCommand(args, out, err);
    out.flush();
    int error = buffer.Error();
    // A file system may report a failed write only when the file is closed.
    if (::close(outFd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    if (error == 0)
        return status;
    err << "nemra-chart: cannot write the output: " << std::strerror(error) << '\n';
    return kOutputFailed;
}

} // namespace nemra::cli
