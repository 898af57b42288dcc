#pragma once
// Starting another program: the course launcher at the end of a unit.
// The program file is started directly, never through a shell, so no name
// can smuggle in a command.

#include <filesystem>

namespace platform {

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts the program in the folder without waiting for it; false when it
    // could not be started.
    virtual bool start(const std::filesystem::path& program,
                       const std::filesystem::path& folder) = 0;
};

class ProcessLauncher : public Launcher {
public:
    bool start(const std::filesystem::path& program,
               const std::filesystem::path& folder) override;
};

}  // namespace platform
