#pragma once
// Kap documents on disk: written so that at every instant either the old or the new complete
// document exists, read back from their Base64 form, and moved to the deleted store.
#include <string>

namespace vimo {

class DocumentFile {
public:
    // programDir: the program directory; tag: the type tag, e.g. "VIMONOTE".
    DocumentFile(std::string programDir, std::string kapName, std::string tag)
        : programDir_(std::move(programDir)), kapName_(std::move(kapName)), tag_(std::move(tag)) {}

    // programDir\NOTES\<kap name>.<TAG>
    std::string Path() const;
    std::string FileName() const { return kapName_ + "." + tag_; }

    // Encodes the plain text into a scratch file in \TEMP\, flushes it, then moves it over the
    // document in one step. False (and the old document untouched) on any file-system error.
    bool Write(const std::string& plainText) const;

    // Moves the document to programDir\Deleted\ under the same file name, or "<kap name>_<n>.<TAG>"
    // when a deleted document of that name is kept there already; false when there was none or it
    // could not be moved.
    bool MoveToDeleted() const;

private:
    std::string programDir_, kapName_, tag_;
};

enum class DocumentRead {
    Missing,    // no such file: the kap starts as a new one
    Unreadable, // the file is there but cannot be read now (locked): left alone, tried again later
    Unusable,   // no first line beginning with "A": set aside, the kap starts as a new one
    Ok,
};

// Reads and decodes the document at path (upper-cased first, as the program names its files).
DocumentRead ReadDocument(const std::string& path, std::string& plainText);

// An unusable document is kept as "<file>.bad" (or "<file>_<n>.bad") next to it, so nothing the user
// had is lost.
void SetAsideUnusable(const std::string& path);

// A document found under another file name than the kap name stored in it is renamed in one step to
// the stored name (the name the kap saves under), so no moment exists without the document. When a
// document of the stored name exists already, the misnamed one is set aside instead.
void AdoptStoredName(const std::string& path, const std::string& storedKapName);

bool EnsureDirectory(const std::string& path);

} // namespace vimo
