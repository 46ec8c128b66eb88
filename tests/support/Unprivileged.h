// Runs a check in a child process without root's rights (as nobody when the tests run as
// root), so that permission bits apply to it: a read-only folder stops its writes.
#pragma once

#include <cstdlib>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace nemra::test {

// The exit status of `body` run in the child; 10 when the rights could not be given up.
inline int RunUnprivileged(const std::function<int()>& body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            std::_Exit(10);
        std::_Exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 11;
}

} // namespace nemra::test
