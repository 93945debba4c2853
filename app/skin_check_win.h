#pragma once
// The skin checker for skin authors (VimoKap.exe /checkskin <skin name>): every record of the
// skin read, every picture decoded and every nine-slice cut against its picture, beside the checks
// that need no drawing. Each problem is one line "<type> <key or element>: <message>".
#include <string>
#include <vector>

namespace vimo {

// The problems of programDir\Skin\<skinName>; a skin folder that is not there is one problem.
std::vector<std::string> CheckSkin(const std::string& programDir, const std::string& skinName);

// Runs the checker for a command line "/checkskin <name>": prints the problems to the standard
// output (the parent's console where there is one) and answers the exit code (0 clean, 1 problems,
// 2 no such skin). Nothing when the command line asks for something else.
bool RunSkinCheckCommand(const std::string& commandLine, const std::string& programDir, int& exitCode);

} // namespace vimo
