#pragma once
// Problems the program notes and carries on from, such as a skin key asked for that the skin does
// not have: each is one line of text handed to the log's sink. The sink writes to stderr until the
// program sets another (the Windows program sends the lines to the debugger's output).
#include <functional>
#include <string>

namespace vimo {

using ProblemSink = std::function<void(const std::string& line)>;

void LogProblem(const std::string& line);
// Sets where the lines go and returns the sink it replaces.
ProblemSink SetProblemSink(ProblemSink sink);

} // namespace vimo
