// Inks: one entry per ink of the publication, in trapping order.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orvane {

enum InkType : std::int16_t {
    kInkNormal = 0,
    kInkTransparent = 1,
    kInkOpaque = 2,
    kInkOpaqueIgnore = 3,
};

class InkEntry {
public:
    InkEntry() = default;
    InkEntry(const InkEntry&) = default;
    virtual ~InkEntry() = default;

    std::string name;
    std::string processName;
    std::string densityText;
    std::int16_t type = kInkNormal;
    std::int16_t number = 0;
    bool present = false;
};

constexpr int kNotProcessInk = -1;

class InkList {
public:
    InkList() = default;
    InkList(const InkList&) = delete;
    InkList& operator=(const InkList&) = delete;
    virtual ~InkList() = default;

    InkEntry* FindByName(const std::string& name);  // marks the entry present
    InkEntry* EntryAt(int position) const;
    void MoveUp(int k);
    void MoveDown(int k);
    static const std::string& ColorantName(const InkEntry& entry);
    bool TrappingOrderText(std::string& out) const;
    // 0 to 3 for Cyan, Magenta, Yellow and Black; kNotProcessInk for any other text.
    static int ProcessInkIndex(const std::string& processName);

    void Append(std::unique_ptr<InkEntry> entry) { entries_.push_back(std::move(entry)); }
    void RemoveAbsent();  // deletes every entry whose present flag is cleared
    void Clear() { entries_.clear(); }
    int Count() const { return static_cast<int>(entries_.size()); }
    bool Empty() const { return entries_.empty(); }
    const std::vector<std::unique_ptr<InkEntry>>& Entries() const { return entries_; }

private:
    std::vector<std::unique_ptr<InkEntry>> entries_;
};

}  // namespace orvane
