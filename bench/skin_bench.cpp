// Cost of the skin key tables at start-up and at a skin change: parsing the 17 tables and reading
// every key through a profile store that answers with the defaults.
#include <chrono>
#include <cstdio>

#include "kapframe/settings.h"
#include "layer/skin/skin_set.h"
#include "layer/skin/skin_tables.h"

namespace {

class DefaultsStore : public vimo::ProfileStore {
public:
    int ReadInt(const std::string&, const std::string&, const std::string&, int def) const override { return def; }
    std::string ReadString(const std::string&, const std::string&, const std::string&, const std::string& def,
                           std::size_t) const override {
        return def;
    }
    bool WriteString(const std::string&, const std::string&, const std::string&, const std::string&) override {
        return true;
    }
    bool FileExists(const std::string&) const override { return false; }
};

template <typename F> double MicrosPerRun(int runs, F&& body) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) body();
    const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / runs;
}

} // namespace

int main() {
    constexpr int kRuns = 200;
    std::size_t keys = 0;
    const double parse = MicrosPerRun(kRuns, [&] {
        keys = 0;
        for (const auto& schema : vimo::BuildSkinSchemas()) keys += schema->Keys().size();
    });
    std::printf("parse all key tables (%zu keys): %.1f us\n", keys, parse);

    DefaultsStore store;
    vimo::Settings settings;
    settings.programDir = "C:\\VimoKap";
    vimo::SkinSet skins;
    const double load = MicrosPerRun(kRuns, [&] { skins.Load(store, settings.SkinDir()); });
    std::printf("load all skin records from defaults: %.1f us\n", load);

    const vimo::SkinRecord& note = skins.Skin(vimo::SkinType::Note);
    int sum = 0;
    const double lookup = MicrosPerRun(kRuns, [&] {
        for (const vimo::SkinKey& key : note.Schema().Keys())
            if (key.kind == vimo::SkinKeyKind::Integer) sum += note.Int(key.name);
    });
    std::printf("look up every number key of the note by name: %.2f us (checksum %d)\n", lookup, sum);
    return 0;
}
