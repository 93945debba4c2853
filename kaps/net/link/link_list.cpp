#include "kaps/net/link/link_list.h"

#include <utility>

#include "base/text_util.h"

namespace vimo {

LinkIcon IconOfTarget(const std::string& target, bool isDirectory) {
    if (isDirectory) return LinkIcon::Folder;
    return target.find("http") != std::string::npos ? LinkIcon::Web : LinkIcon::File;
}

void LinkList::Select(int index) {
    selected_ = index >= 0 && static_cast<std::size_t>(index) < items_.size() ? index : -1;
}

std::size_t LinkList::Insert(LinkItem item) {
    if (selected_ < 0) {
        items_.push_back(std::move(item));
        return items_.size() - 1;
    }
    items_.insert(items_.begin() + selected_, std::move(item));
    return static_cast<std::size_t>(selected_++);
}

bool LinkList::Edit(LinkItem item) {
    if (selected_ < 0) return false;
    items_[static_cast<std::size_t>(selected_)] = std::move(item);
    return true;
}

bool LinkList::RemoveSelected() {
    if (selected_ < 0) return false;
    items_.erase(items_.begin() + selected_);
    selected_ = -1;
    return true;
}

bool LinkList::MoveUp() {
    if (selected_ < 1) return false;
    std::swap(items_[static_cast<std::size_t>(selected_)], items_[static_cast<std::size_t>(selected_ - 1)]);
    --selected_;
    return true;
}

bool LinkList::MoveDown() {
    if (selected_ < 0 || static_cast<std::size_t>(selected_) + 1 >= items_.size()) return false;
    std::swap(items_[static_cast<std::size_t>(selected_)], items_[static_cast<std::size_t>(selected_ + 1)]);
    ++selected_;
    return true;
}

void LinkList::Assign(std::vector<LinkItem> items) {
    items_ = std::move(items);
    selected_ = -1;
}

void ReadLinkPayload(DocumentReader& reader, std::vector<LinkItem>& items) {
    items.clear();
    for (std::string title; reader.NextLine(title);) items.push_back(LinkItem{title, reader.NextString()});
}

void WriteLinkPayload(DocumentWriter& writer, const std::vector<LinkItem>& items) {
    for (const LinkItem& item : items) writer.Line(OneLine(item.title)).Line(OneLine(item.target));
}

} // namespace vimo
