#pragma once
// An owned BSTR, made from and read back as text of the program's code page.
#include <windows.h>
#include <oleauto.h>

#include <string>

namespace vimo {

class Bstr {
public:
    Bstr() = default;
    explicit Bstr(const std::string& text);
    ~Bstr() { SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR Get() const { return value_; }
    // For out-parameters: frees what is held and returns the slot.
    BSTR* Receive();
    // Gives the string away (to a caller that frees it).
    BSTR Detach();
    std::string Narrow() const;

private:
    BSTR value_ = nullptr;
};

} // namespace vimo
