#include "kapframe/document_file_win.h"

#include <windows.h>

#include <algorithm>

#include "base/path_kind_win.h"
#include "base/text_util.h"
#include "base/whole_file_win.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"

namespace vimo {

namespace {

// Moves a file to "<stem><suffix>" where suffix is `first` or, while that name is taken, "_2"
// then "_3" and so on before it: nothing already kept there is ever replaced.
bool MoveToFreeName(const std::string& from, const std::string& stem, const std::string& first,
                    const std::string& extension) {
    for (int n = 1; n <= 9999; ++n) {
        const std::string target = stem + (n == 1 ? "" : "_" + std::to_string(n)) + first + extension;
        if (MoveFileExA(from.c_str(), target.c_str(), 0)) return true;
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) return false;
    }
    return false;
}

} // namespace

bool EnsureDirectory(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) || IsFolder(path); }

std::string DocumentFile::Path() const { return programDir_ + "\\NOTES\\" + FileName(); }

bool DocumentFile::Write(const std::string& plainText) const {
    if (!EnsureDirectory(programDir_ + "\\NOTES") || !EnsureDirectory(programDir_ + "\\TEMP")) return false;
    const std::string scratch = programDir_ + "\\TEMP\\" + FileName() + ".new";
    if (!WriteWholeFile(scratch, EncodeDocumentBase64(plainText))) {
        DeleteFileA(scratch.c_str());
        return false;
    }
    if (!MoveOver(scratch, Path())) {
        DeleteFileA(scratch.c_str());
        return false;
    }
    return true;
}

bool DocumentFile::MoveToDeleted() const {
    if (!IsFile(Path())) return false;
    const std::string store = programDir_ + "\\Deleted";
    if (!EnsureDirectory(store)) return false;
    // An older deleted document of the same name stays: this one takes a suffix.
    return MoveToFreeName(Path(), store + "\\" + kapName_, "", "." + tag_);
}

DocumentRead ReadDocument(const std::string& path, std::string& plainText) {
    const std::string upper = ToUpperAscii(path);
    std::string encoded;
    if (!IsFile(upper)) return DocumentRead::Missing;
    if (!ReadWholeFile(upper, encoded)) return DocumentRead::Unreadable;
    plainText = DecodeDocumentBase64(encoded);
    if (plainText.empty() || plainText[0] != 'A') return DocumentRead::Unusable;
    return DocumentRead::Ok;
}

void SetAsideUnusable(const std::string& path) { MoveToFreeName(path, path, "", ".bad"); }

void AdoptStoredName(const std::string& path, const std::string& storedKapName) {
    if (!IsValidKapName(storedKapName)) return;
    if (ToUpperAscii(path).find(ToUpperAscii(storedKapName)) != std::string::npos) return;
    const std::size_t slash = path.find_last_of('\\');
    const std::size_t dot = path.rfind('.');
    if (slash == std::string::npos || dot == std::string::npos || dot < slash) return;
    const std::string target = path.substr(0, slash + 1) + storedKapName + ToUpperAscii(path.substr(dot));
    if (!MoveFileExA(path.c_str(), target.c_str(), 0)) SetAsideUnusable(path);
}

} // namespace vimo
