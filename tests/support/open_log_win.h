#pragma once
// Addresses of a made-up scheme ("vimotest:...") that the shell opens with a logging program of the
// suite, so that a test sees what a kap opened through the shell. Registered while the object lives.
#include <string>
#include <vector>

namespace vimo::testsupport {

class OpenLog {
public:
    static constexpr const char* kScheme = "vimotest";

    OpenLog();
    ~OpenLog();
    OpenLog(const OpenLog&) = delete;
    OpenLog& operator=(const OpenLog&) = delete;

    // The addresses opened so far, oldest first.
    std::vector<std::string> Opened() const;

private:
    std::string log_;
};

} // namespace vimo::testsupport
