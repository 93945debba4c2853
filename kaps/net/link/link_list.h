#pragma once
// The link folder's links: their order, the selected one and the insertion rule, their icons and
// their document lines, free of the platform.
#include <string>
#include <vector>

#include "kapframe/kap_document.h"

namespace vimo {

struct LinkItem {
    std::string title;
    std::string target; // a path, a program or a web address
};

enum class LinkIcon { File, Web, Folder };

// The icon of a target: a directory wins, then a target with "http" anywhere (as written), then a
// file.
LinkIcon IconOfTarget(const std::string& target, bool isDirectory);

class LinkList {
public:
    const std::vector<LinkItem>& Items() const { return items_; }
    std::size_t Size() const { return items_.size(); }
    // The selected link, -1 for none.
    int Selected() const { return selected_; }
    // Selects a link; an index out of range selects none.
    void Select(int index);

    // Inserts before the selected link when one is selected, else appends; returns the new
    // link's index.
    std::size_t Insert(LinkItem item);
    // The selected link takes new values; false when none is selected.
    bool Edit(LinkItem item);
    // Removes the selected link (none is selected then); false when none is selected.
    bool RemoveSelected();
    // Swap the selected link with the one before / after it, which becomes selected; false (and
    // nothing changes) on the first / last link or with none selected.
    bool MoveUp();
    bool MoveDown();

    void Assign(std::vector<LinkItem> items);

private:
    std::vector<LinkItem> items_;
    int selected_ = -1;
};

// Two lines per link, in order: title, target. A line break inside a value would split the document's
// lines, so it is written as a blank.
void ReadLinkPayload(DocumentReader& reader, std::vector<LinkItem>& items);
void WriteLinkPayload(DocumentWriter& writer, const std::vector<LinkItem>& items);

} // namespace vimo
