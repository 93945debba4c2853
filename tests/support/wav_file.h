#pragma once
// A small sound file for the media tests: 16-bit mono PCM in a RIFF WAVE file.
#include <string>

namespace vimo::testsupport {

// seconds of a quiet 440 Hz tone at 8,000 samples a second.
std::string WavBytes(int seconds);

} // namespace vimo::testsupport
