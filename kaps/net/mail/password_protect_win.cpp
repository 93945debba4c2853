#include "kaps/net/mail/password_protect_win.h"

#include <windows.h>
#include <wincrypt.h>

#include <memory>

#include "kaps/net/mail/mail_model.h"

namespace vimo {

namespace {

struct LocalFreer {
    void operator()(BYTE* memory) const { LocalFree(memory); }
};
using LocalBytes = std::unique_ptr<BYTE, LocalFreer>;

DATA_BLOB BlobOf(const std::string& bytes) {
    DATA_BLOB blob;
    blob.cbData = static_cast<DWORD>(bytes.size());
    blob.pbData = reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data()));
    return blob;
}

} // namespace

std::string PasswordLine(const std::string& password) {
    if (password.empty()) return {};
    DATA_BLOB in = BlobOf(password), out = {};
    if (!CryptProtectData(&in, L"VimoKap mail", nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out)) return {};
    const LocalBytes owned(out.pbData);
    return ProtectedPasswordLine(std::string(reinterpret_cast<const char*>(out.pbData), out.cbData));
}

std::string PasswordOfLine(const std::string& line, bool& asTyped) {
    std::string bytes;
    asTyped = !ProtectedPasswordBytes(line, bytes);
    if (asTyped) return line;
    DATA_BLOB in = BlobOf(bytes), out = {};
    if (!CryptUnprotectData(&in, nullptr, nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out)) return {};
    const LocalBytes owned(out.pbData);
    std::string password(reinterpret_cast<const char*>(out.pbData), out.cbData);
    SecureZeroMemory(out.pbData, out.cbData);
    return password;
}

} // namespace vimo
