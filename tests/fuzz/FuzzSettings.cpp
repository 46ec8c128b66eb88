// Fuzz target: reading any bytes as the settings file.
#include "mainwin/model/Session.h"
#include "mainwin/model/Settings.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const nemra::StartSettings settings =
        nemra::ParseSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    if (settings.dialType != 360 && settings.dialType != 90)
        std::abort();
    nemra::MainSession session;
    nemra::ApplySettings(session, settings);
    return 0;
}
