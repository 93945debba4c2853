// The settings read from VimoKap.ini: the fuzz input is the file's text. Whatever it holds, the skin name
// keeps at most 97 characters, and once the program has saved the settings and loaded them again, saving
// and loading no longer changes them. (The first round may: a string cut to 97 characters within a run of
// blanks loses them in the file, and a value wrapped in quotes loses the quotes each time it is read.)
#include "fuzz/fuzz_check.h"
#include "kapframe/settings.h"
#include "support/ini_profile_store.h"

namespace vimo::fuzz {
namespace {

const std::string kDir = "C:\\VimoKap";

// Saves the settings, loads them from what was saved, and gives that text.
std::string SaveAndLoad(Settings& settings) {
    MemoryProfileStore store;
    settings.Save(store);
    const std::string saved = store.FileText(settings.IniPath());
    settings.LoadOptions(store, kDir);
    return saved;
}

// Blanks as the profile reader trims them, and the quotes it takes off a value.
bool ReadsAsWritten(const std::string& value) {
    auto blank = [](char c) { return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1a'; };
    if (value.empty()) return true;
    if (blank(value.front()) || blank(value.back())) return false;
    return !(value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front());
}

bool EveryValueReadsAsWritten(const std::string& iniText) {
    for (const std::string& line : Fields(iniText, '\n')) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos && !ReadsAsWritten(line.substr(equals + 1, line.size() - equals - 2)))
            return false;
    }
    return true;
}

} // namespace
} // namespace vimo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vimo;
    using namespace vimo::fuzz;
    // Load fills every setting: the settings object (whose skin tables take long to build) is kept. The
    // skin records are read once, from the skin the input names; the rounds after read the options alone.
    static Settings settings;
    MemoryProfileStore store;
    store.SetFile(kDir + "\\VimoKap.ini", Text(data, size));
    settings.Load(store, kDir);
    Require(settings.skinName.size() < Settings::kStringBuffer, "the skin name keeps at most 97 characters");

    SaveAndLoad(settings);
    const std::string saved = SaveAndLoad(settings);
    MemoryProfileStore again;
    settings.Save(again);
    if (EveryValueReadsAsWritten(saved))
        Require(again.FileText(settings.IniPath()) == saved, "saved settings load as saved");
    return 0;
}
