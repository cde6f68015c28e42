// Paths listed in a message.
#include "project/PathListing.h"

namespace {
constexpr size_t kListedPaths = 12;
} // namespace

std::string ListPathsForMessage(const std::vector<std::string>& paths) {
    std::string text;
    for (size_t i = 0; i < paths.size() && i < kListedPaths; ++i)
        text += "    " + paths[i] + "\n";
    if (paths.size() > kListedPaths)
        text += "    ...\n";
    return text;
}
