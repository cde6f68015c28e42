// The folder of the running executable, ending with "/".
#pragma once

#include <string>

std::string GetProgramFolder();
