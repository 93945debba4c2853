#pragma once
// The Windows program's sink for the problem log: the debugger's output.

namespace vimo {

void LogProblemsToDebugger();

} // namespace vimo
