#pragma once
// A news kap's document, written into a program directory before the program starts.
#include <windows.h>

#include <string>

#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"
#include "kaps/net/news/news_model.h"

namespace vimo::e2e {

constexpr int kNewsIconWidth = 300, kNewsIconHeight = 340;

inline void WriteNews(const ProgramDir& dir, const std::string& kapName, const std::string& url, int x,
                      int intervalMs = kNewsInterval30Min) {
    KapHeader header;
    header.kapName = kapName;
    header.typeLetters = "A";
    DocumentWriter writer(header);
    writer.Int(x).Int(40).Int(kNewsIconWidth).Int(kNewsIconHeight).Int(intervalMs).Line(url);
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write("Notes\\" + kapName + ".VIMONEWS", EncodeDocumentBase64(writer.Text()));
}

} // namespace vimo::e2e
