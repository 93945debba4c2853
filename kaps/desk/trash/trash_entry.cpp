#include "kaps/desk/trash/trash_entry.h"

#include "base/text_util.h"
#include "kapframe/kap_document.h"

namespace vimo {

bool TrashEntryOf(const std::string& fileName, TrashEntry& entry) {
    const std::size_t dot = fileName.rfind('.');
    std::string extension = ToUpperAscii(dot == std::string::npos ? fileName : fileName.substr(dot + 1));
    const std::size_t vimo = extension.find("VIMO");
    if (vimo == std::string::npos) return false;
    entry.fileName = fileName;
    entry.typeWord = extension.erase(vimo, 4);
    const std::string name = dot == std::string::npos ? std::string() : fileName.substr(0, dot);
    // The kap name is the creation time in UTC: yyyymmddhhmmss.
    const std::string when = IsValidKapName(name)
                                 ? name.substr(6, 2) + "/" + name.substr(4, 2) + "/" + name.substr(0, 4) + " " +
                                       name.substr(8, 2) + ":" + name.substr(10, 2) + ":" + name.substr(12, 2)
                                 : name;
    entry.label = when + " - " + entry.typeWord;
    return true;
}

} // namespace vimo
