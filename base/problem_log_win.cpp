#include "base/problem_log_win.h"

#include <windows.h>

#include "base/problem_log.h"

namespace vimo {

void LogProblemsToDebugger() {
    SetProblemSink([](const std::string& line) { OutputDebugStringA(("VimoKap: " + line + "\n").c_str()); });
}

} // namespace vimo
