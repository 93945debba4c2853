#pragma once
// An in-memory set of INI files read and written the way the platform's private-profile
// functions treat files on disk, so that settings and skin code can be tested on any host.
//
// The file text is read and written as the program's own INI code does (base/ini_text.h); reads
// add the platform's quirks: a value wrapped in matching quotes loses them, strings are cut to the
// buffer, whole numbers are read as the platform reads them.
// Every call reads the current text again. The platform does the same for files changed in the
// last two seconds; its longer-lived cache only differs for values written with trailing blanks
// or line breaks, which the file itself cannot hold.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "base/ini_text.h"
#include "base/profile_store.h"

namespace vimo {

class MemoryProfileStore : public ProfileStore {
public:
    int ReadInt(const std::string& path, const std::string& section, const std::string& key, int def) const override;
    std::string ReadString(const std::string& path, const std::string& section, const std::string& key,
                           const std::string& def, std::size_t bufferSize) const override;
    bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool FileExists(const std::string& path) const override;

    // Puts a file into the store, replacing any file of that path.
    void SetFile(const std::string& path, std::string text);
    // The text of a file (what the writes produced); empty when there is no such file.
    std::string FileText(const std::string& path) const;
    bool HasFile(const std::string& path) const;
    void RemoveFile(const std::string& path);

private:
    // Paths are compared without regard to ASCII letter case, as file names on the platform.
    struct PathLess {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    // A file's text, and the document parsed from it once reads or writes need it. Writes change the
    // document, and the text is made again when next asked for.
    struct StoredFile {
        explicit StoredFile(std::string text) : text(std::move(text)) {}
        const std::string& Text() const;
        IniDocument& Document() const;
        bool Write(const std::string& section, const std::string& key, const std::string& value);

        mutable std::string text;
        mutable std::optional<IniDocument> document;
        mutable bool textBehind = false; // the document holds writes the text does not yet
        mutable bool readsBack = false;  // the document's text parses to the document itself
    };
    const StoredFile* Find(const std::string& path) const;
    // The value of a key, or null where the file, section, key or value is missing.
    const std::string* Value(const std::string& path, const std::string& section, const std::string& key) const;

    // The last path looked up and what it found: settings and skins are read a key at a time. A copy
    // of the store starts without it (it points into the files of its own store).
    struct LastLookup {
        LastLookup() = default;
        LastLookup(const LastLookup&) {}
        LastLookup(LastLookup&& o) noexcept { o.valid = false; }
        LastLookup& operator=(const LastLookup&) {
            valid = false;
            return *this;
        }
        LastLookup& operator=(LastLookup&& o) noexcept {
            valid = o.valid = false;
            return *this;
        }
        std::string path;
        const StoredFile* found = nullptr;
        bool valid = false;
    };

    std::map<std::string, StoredFile, PathLess> files_;
    mutable LastLookup last_;
};

} // namespace vimo
