// Record bytes built by hand for the storage tests, in either byte order, and a
// fixture that opens a loaded plug-in in the Host stand-in with ten pages.
#pragma once
#include <cstdint>
#include <stdexcept>
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

// A record built field by field, each under a name, that knows which of the Host's
// reads takes each field (one for the mark and for each integer, one a byte for a
// text) and where the field starts, so that a test can make any one field fail.
class Fields {
public:
    explicit Fields(bool bigEndian = false) : bytes_(bigEndian) {}
    Fields& Byte(const std::string& name, char c) { return Add(name, 1, [&] { bytes_.Byte(c); }); }
    Fields& I16(const std::string& name, int value) { return Add(name, 1, [&] { bytes_.I16(value); }); }
    Fields& I32(const std::string& name, std::int64_t value) { return Add(name, 1, [&] { bytes_.I32(value); }); }
    Fields& Text(const std::string& name, const std::string& text)
    {
        return Add(name, static_cast<int>(text.size()) + 1, [&] { bytes_.Text(text); });
    }
    const std::vector<char>& Get() const { return bytes_.Get(); }

    struct Field {
        std::string name;
        int firstRead;  // counted from the record's first read
        int reads;
        std::size_t offset;
        std::size_t size;  // bytes
    };
    const Field& At(const std::string& name) const
    {
        for (const Field& field : fields_) {
            if (field.name == name) return field;
        }
        throw std::out_of_range("no field " + name);
    }
    const std::vector<Field>& All() const { return fields_; }
    // The record cut at the start of the field, or `into` bytes into it.
    std::vector<char> CutAt(const std::string& name, std::size_t into = 0) const
    {
        const std::size_t end = At(name).offset + into;
        return std::vector<char>(Get().begin(), Get().begin() + static_cast<std::ptrdiff_t>(end));
    }

private:
    template <typename Write>
    Fields& Add(const std::string& name, int reads, Write write)
    {
        const std::size_t offset = bytes_.Get().size();
        write();
        fields_.push_back({name, reads_, reads, offset, bytes_.Get().size() - offset});
        reads_ += reads;
        return *this;
    }
    Bytes bytes_;
    std::vector<Field> fields_;
    int reads_ = 0;
};

// The text of the page label that names `key`, written out by hand.
inline std::string Label(std::int32_t key) { return "ORVT " + std::to_string(key) + " ORVT"; }

// The ways one field of a record can fail to be read, shared by the storage tables.
enum class ReadFault { Fails, FailsAtItsLastByte, Short, CutBefore, CutInside };
inline const char* FaultName(ReadFault fault)
{
    switch (fault) {
    case ReadFault::Fails: return "read fails";
    case ReadFault::FailsAtItsLastByte: return "read of its last byte fails";
    case ReadFault::Short: return "short read";
    case ReadFault::CutBefore: return "record ends before it";
    case ReadFault::CutInside: return "record ends inside it";
    }
    return "";
}
constexpr ReadFault kEveryReadFault[] = {ReadFault::Fails, ReadFault::FailsAtItsLastByte, ReadFault::Short,
                                         ReadFault::CutBefore, ReadFault::CutInside};

class StorageHost : public TestHost {
public:
    StorageHost() { host.publication.SetPageCount(10); }

    std::vector<char>& RecordBytes(const std::string& name) { return host.publication.records[{name, "ORVT"}]; }
    bool HasRecord(const std::string& name) const { return host.publication.records.count({name, "ORVT"}) != 0; }
    std::int32_t KeyOfPage(int number) const { return host.publication.pages[static_cast<std::size_t>(number - 1)].key; }
    std::string LabelOn(int index) { return host.publication.pages[static_cast<std::size_t>(index)].labels[{"HLCX", "ORVT"}]; }
    // Stores the record `name` laid out by `fields`, with `fault` at the field
    // `field`. Reads are counted from the next one the Host is asked for.
    void StoreWithFault(const std::string& name, const Fields& fields, const std::string& field, ReadFault fault)
    {
        const Fields::Field& at = fields.At(field);
        RecordBytes(name) = fields.Get();
        host.failReads = {1, 0, 0};
        host.shortReads = {1, 0, 0};
        switch (fault) {
        case ReadFault::Fails: host.failReads = {9, at.firstRead, 1}; break;
        case ReadFault::FailsAtItsLastByte: host.failReads = {9, at.firstRead + at.reads - 1, 1}; break;
        case ReadFault::Short: host.shortReads = {1, at.firstRead, 1}; break;
        case ReadFault::CutBefore: RecordBytes(name) = fields.CutAt(field); break;
        case ReadFault::CutInside: RecordBytes(name) = fields.CutAt(field, at.size - 1); break;
        }
    }
    // Everything taken from the Host was given back.
    bool Balanced() const
    {
        return !host.RecordOpen() && host.OutstandingInterfaces() == 0 && host.OutstandingRecordData() == 0 &&
               host.OutstandingAllocations() == 0;
    }
};

}  // namespace orvane::test
