#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "IPlatform.h"

namespace platform
{

// Services for tests: a clock that moves only when told, and a chosen application-data folder.
class FakePlatform final : public IPlatform
{
public:
    uint32_t GetTickCount() const override { return tick; }
    std::string GetAppDataFolder() const override { return appDataFolder; }

    void SetTickCount(uint32_t milliseconds) { tick = milliseconds; }
    void AdvanceTickCount(uint32_t milliseconds) { tick += milliseconds; }
    void SetAppDataFolder(std::string folder) { appDataFolder = std::move(folder); }

private:
    uint32_t tick = 0;
    std::string appDataFolder;
};

}  // namespace platform
