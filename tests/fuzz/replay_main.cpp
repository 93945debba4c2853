// Replays inputs through a fuzz target without libFuzzer: every file of the folders (or the files)
// named on the command line is handed to LLVMFuzzerTestOneInput once. A fault aborts the program;
// finding no input at all is a failure too, so a missing or emptied inputs folder does not pass.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsOf(const fs::path& named) {
    std::vector<fs::path> inputs;
    if (fs::is_directory(named)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(named))
            if (entry.is_regular_file()) inputs.push_back(entry.path());
        std::sort(inputs.begin(), inputs.end());
    } else if (fs::is_regular_file(named)) {
        inputs.push_back(named);
    }
    return inputs;
}

} // namespace

int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& input : InputsOf(argv[i])) {
            std::ifstream file(input, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
            std::printf("%s (%zu bytes)\n", input.string().c_str(), bytes.size());
            std::fflush(stdout); // the name stays on record when the input aborts
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::printf("%zu inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
