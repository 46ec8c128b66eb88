// The reason an operation gives for failing, or "" when it succeeded, so that one assertion
// can say both that an operation failed and why.
#pragma once

#include "core/Result.h"

#include <string>

namespace nemra::test {

template <class T, class F> std::string ReasonOf(const Result<T, F>& result)
{
    return result ? std::string() : result.fault().reason;
}

} // namespace nemra::test
