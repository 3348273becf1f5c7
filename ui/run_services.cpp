#include "run_services.h"

#include "posix_file_system.h"

#include <chrono>
#include <ctime>

namespace stampwright {

RunServices SystemRunServices() {
    static PosixFileSystem fileSystem;
    return {
        [] {
            const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
            return static_cast<std::uint32_t>(
                std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
        },
        [] { return static_cast<TimeValue>(std::time(nullptr)); },
        &fileSystem,
    };
}

} // namespace stampwright
