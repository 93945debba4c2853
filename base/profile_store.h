#pragma once
// Access to INI-format files the way the program reads its settings and skins: one call per key,
// naming the file, the section and the key each time. The program uses the platform's
// private-profile functions (profile_store_win.h); host tests use an in-memory store that
// behaves the same (ini_profile_store.h).
#include <string>

namespace vimo {

// The buffer the program reads setting and skin strings into: they keep at most 97 characters.
constexpr std::size_t kProfileStringBuffer = 98;

class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    // Whole number of a key: missing file, section or key (or an empty value) gives def;
    // text that does not start with a number gives 0; leading digits are read up to the first
    // other character.
    virtual int ReadInt(const std::string& path, const std::string& section, const std::string& key, int def) const = 0;

    // String of a key, cut to bufferSize - 1 characters as a fixed buffer of bufferSize would.
    virtual std::string ReadString(const std::string& path, const std::string& section, const std::string& key,
                                   const std::string& def, std::size_t bufferSize) const = 0;

    // Writes one key, creating the file and the section when needed.
    virtual bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& value) = 0;

    // True when a file of that path exists (letter case ignored, as on the platform).
    virtual bool FileExists(const std::string& path) const = 0;
};

} // namespace vimo
