#pragma once
// Shell shortcut files for the tests' drops.
#include <string>

namespace vimo::testsupport {

// Writes a shortcut at path (a ".lnk" file) that points at target; false when any step fails. COM
// must be initialised on the calling thread.
bool WriteShortcut(const std::string& path, const std::string& target);

} // namespace vimo::testsupport
