#include "support/wav_file.h"

#include <cmath>
#include <cstdint>

namespace vimo::testsupport {

namespace {

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

std::string WavBytes(int seconds) {
    constexpr std::uint32_t kRate = 8000;
    const std::uint32_t samples = kRate * static_cast<std::uint32_t>(seconds);
    std::string wav = "RIFF";
    Put(wav, 36 + samples * 2, 4);
    wav += "WAVEfmt ";
    Put(wav, 16, 4);
    Put(wav, 1, 2); // PCM
    Put(wav, 1, 2); // mono
    Put(wav, kRate, 4);
    Put(wav, kRate * 2, 4);
    Put(wav, 2, 2);
    Put(wav, 16, 2);
    wav += "data";
    Put(wav, samples * 2, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / kRate;
        Put(wav, static_cast<std::uint16_t>(static_cast<std::int16_t>(2000 * std::sin(2 * 3.14159265 * 440 * t))), 2);
    }
    return wav;
}

} // namespace vimo::testsupport
