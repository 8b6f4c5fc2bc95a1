#include "model/Ink.h"

#include <algorithm>

namespace orvane {

InkEntry* InkList::FindByName(const std::string& name)
{
    for (const auto& entry : entries_) {
        if (entry->name == name) {
            entry->present = true;
            return entry.get();
        }
    }
    return nullptr;
}

InkEntry* InkList::EntryAt(int position) const
{
    if (entries_.empty()) return nullptr;
    if (position <= 0) return entries_.front().get();
    if (position >= Count()) return nullptr;
    return entries_[static_cast<std::size_t>(position)].get();
}

void InkList::MoveUp(int k)
{
    if (k < 0 || k + 1 >= Count()) return;
    std::swap(entries_[static_cast<std::size_t>(k)], entries_[static_cast<std::size_t>(k + 1)]);
}

void InkList::MoveDown(int k) { MoveUp(k); }

const std::string& InkList::ColorantName(const InkEntry& entry)
{
    return entry.processName.empty() ? entry.name : entry.processName;
}

bool InkList::TrappingOrderText(std::string& out) const
{
    out.clear();
    if (entries_.empty()) return false;
    for (const auto& entry : entries_) {
        out += '(';
        out += ColorantName(*entry);
        out += ")cvn ";
    }
    return true;
}

int InkList::ProcessInkIndex(const std::string& processName)
{
    if (processName == "Cyan") return 0;
    if (processName == "Magenta") return 1;
    if (processName == "Yellow") return 2;
    if (processName == "Black") return 3;
    return kNotProcessInk;
}

void InkList::RemoveAbsent()
{
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [](const auto& e) { return !e->present; }),
                   entries_.end());
}

}  // namespace orvane
