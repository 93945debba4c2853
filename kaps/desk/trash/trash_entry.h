#pragma once
// An item of the trash: a document of the deleted store, its type word and its label, free of the
// platform.
#include <string>

namespace vimo {

struct TrashEntry {
    std::string fileName; // in the deleted store
    std::string typeWord; // "NOTE" for a ".VIMONOTE" document
    std::string label;    // "dd/mm/yyyy hh:mm:ss - NOTE" from the kap name's digits
};

// The trash item of a file of the deleted store; false for a file whose extension (upper-cased)
// holds no "VIMO", which the trash does not list.
bool TrashEntryOf(const std::string& fileName, TrashEntry& entry);

} // namespace vimo
