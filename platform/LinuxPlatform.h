#pragma once

#include <cstdint>
#include <string>

#include "IPlatform.h"

namespace platform
{

class LinuxPlatform final : public IPlatform
{
public:
    // CLOCK_MONOTONIC in milliseconds, cut to 32 bits.
    uint32_t GetTickCount() const override;

    // Where the desktop's configuration lives: $XDG_CONFIG_HOME when it is set and absolute,
    // else $HOME/.config, else .config in the home folder of the password database's entry for
    // the effective user; empty when none of them is known.
    std::string GetAppDataFolder() const override;
};

}  // namespace platform
