// The list of paths inside a message box: long lists are cut so the box fits the screen.
#pragma once

#include <string>
#include <vector>

// "    path\n" for each of the first 12 paths, then "    ...\n" when there are more.
std::string ListPathsForMessage(const std::vector<std::string>& paths);
