// Program folder from /proc/self/exe.
#include "platform/ProgramFolder.h"

#include <climits>
#include <unistd.h>

std::string GetProgramFolder() {
    char buffer[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (n <= 0)
        return "./";
    std::string path(buffer, static_cast<size_t>(n));
    return path.substr(0, path.rfind('/') + 1);
}
