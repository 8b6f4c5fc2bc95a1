// Record bytes built by hand for the storage tests, in either byte order, and a
// fixture that opens a loaded plug-in in the Host stand-in with ten pages.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "TestHost.h"

namespace orvane::test {

class Bytes {
public:
    explicit Bytes(bool bigEndian = false) : big_(bigEndian) {}
    Bytes& Byte(char c)
    {
        v_.push_back(c);
        return *this;
    }
    Bytes& I16(int value)
    {
        const auto u = static_cast<std::uint16_t>(value);
        Put(u >> 8, u & 0xFF);
        return *this;
    }
    Bytes& I32(std::int64_t value)
    {
        const auto u = static_cast<std::uint32_t>(value);
        if (big_) {
            for (int s = 24; s >= 0; s -= 8) v_.push_back(static_cast<char>((u >> s) & 0xFF));
        } else {
            for (int s = 0; s <= 24; s += 8) v_.push_back(static_cast<char>((u >> s) & 0xFF));
        }
        return *this;
    }
    Bytes& Text(const std::string& text)
    {
        v_.insert(v_.end(), text.begin(), text.end());
        v_.push_back('\0');
        return *this;
    }
    const std::vector<char>& Get() const { return v_; }

private:
    void Put(unsigned hi, unsigned lo)
    {
        if (big_) {
            v_.push_back(static_cast<char>(hi));
            v_.push_back(static_cast<char>(lo));
        } else {
            v_.push_back(static_cast<char>(lo));
            v_.push_back(static_cast<char>(hi));
        }
    }
    bool big_;
    std::vector<char> v_;
};

class StorageHost : public TestHost {
public:
    StorageHost() { host.publication.SetPageCount(10); }

    std::vector<char>& RecordBytes(const std::string& name) { return host.publication.records[{name, "ORVT"}]; }
    bool HasRecord(const std::string& name) const { return host.publication.records.count({name, "ORVT"}) != 0; }
    std::int32_t KeyOfPage(int number) const { return host.publication.pages[static_cast<std::size_t>(number - 1)].key; }
    std::string LabelOn(int index) { return host.publication.pages[static_cast<std::size_t>(index)].labels[{"HLCX", "ORVT"}]; }
    // Everything taken from the Host was given back.
    bool Balanced() const
    {
        return !host.RecordOpen() && host.OutstandingInterfaces() == 0 && host.OutstandingRecordData() == 0 &&
               host.OutstandingAllocations() == 0;
    }
};

}  // namespace orvane::test
