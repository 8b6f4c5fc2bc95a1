#include "hostsim/RequestCheck.h"

#include <cstdint>
#include <cstring>
#include <iterator>
#include <sstream>

using namespace orvane;

namespace hostsim {

namespace {

enum class FieldKind { Int16, Int32, Text, PlainText };

struct FieldRule {
    FieldKind kind;
    const char* name;
    std::vector<std::int32_t> allowed;  // empty: any value
    const char* text = nullptr;         // the one text the Host takes; nullptr: any
};

enum class Output { None, Buffer, HostAllocated };

// Where the input block lives: the plug-in's own buffer, or Host memory of the length
// of one of its texts plus `extra` bytes (textField -1: of `extra` bytes).
struct BlockStorage {
    bool hostMemory = false;
    int textField = -1;
    std::size_t extra = 0;
};

struct RequestShape {
    std::uint16_t id;
    std::vector<FieldRule> input;  // empty: no input block
    BlockStorage storage;
    Output output;
    std::uint32_t bufferLength;
};

const FieldRule kLabelFields[] = {
    {FieldKind::Text, "creator", {}, "HLCX"},
    {FieldKind::Text, "type", {}, "ORVT"},
    {FieldKind::Int16, "fixed value", {5}},
    {FieldKind::Int32, "fixed value", {0}},
};

std::vector<FieldRule> AttachLabelFields()
{
    std::vector<FieldRule> fields(std::begin(kLabelFields), std::end(kLabelFields));
    fields.push_back({FieldKind::Int16, "fixed value", {1}});
    fields.push_back({FieldKind::Int32, "page key", {}});
    fields.push_back({FieldKind::Int16, "fixed value", {1}});
    fields.push_back({FieldKind::Text, "label text", {}});
    return fields;
}

std::vector<FieldRule> ReadLabelFields()
{
    std::vector<FieldRule> fields(std::begin(kLabelFields), std::end(kLabelFields));
    fields.push_back({FieldKind::Int32, "page key", {}});
    return fields;
}

const std::vector<RequestShape>& Shapes()
{
    const FieldRule colorName{FieldKind::Text, "colour name", {}};
    const FieldRule component{FieldKind::Int16, "component", {}};
    const FieldRule unchanged16{FieldKind::Int16, "unchanged value", {-2}};
    const FieldRule unchanged32{FieldKind::Int32, "unchanged value", {-2}};
    static const std::vector<RequestShape> shapes = {
        {913,
         {colorName, {FieldKind::Int16, "fixed value", {0}}, {FieldKind::Int16, "fixed value", {1}},
          {FieldKind::Int16, "fixed value", {0}}, component, component, component, component},
         {true, 0, 32}, Output::None, 0},
        {916, {{FieldKind::PlainText, "colour name", {}}}, {}, Output::None, 0},
        {1626, AttachLabelFields(), {}, Output::None, 0},
        {1765,
         {{FieldKind::Int16, "print setting", {0, 1}}, unchanged32, unchanged32, unchanged16, unchanged16, unchanged16,
          unchanged16},
         {}, Output::None, 0},
        {2003, {}, {}, Output::HostAllocated, 0},
        {2202, {{FieldKind::Int16, "selector", {1, 4}}, colorName}, {true, 1, 4}, Output::HostAllocated, 0},
        {2203, {}, {}, Output::HostAllocated, 0},
        {2803, {colorName}, {true, 0, 3}, Output::HostAllocated, 0},
        {2804, {{FieldKind::Text, "ink name", {}}}, {true, 0, 3}, Output::HostAllocated, 0},
        {3503, {}, {}, Output::HostAllocated, 0},
        {3507, {}, {}, Output::Buffer, 8},
        {3510, {}, {}, Output::HostAllocated, 0},
        {3511, {}, {}, Output::Buffer, 2},
        {3513, {}, {}, Output::HostAllocated, 0},
        {3518, {}, {}, Output::HostAllocated, 0},
        {3521, {}, {}, Output::Buffer, 20},
        {3522, {}, {}, Output::HostAllocated, 0},
        {3523, {}, {}, Output::Buffer, 2},
        {3531, ReadLabelFields(), {true, -1, 100}, Output::HostAllocated, 0},
        {3533, {{FieldKind::Int16, "page number", {}}}, {}, Output::Buffer, 4},
        {3534, {{FieldKind::Int32, "page key", {}}}, {}, Output::Buffer, 2},
        {3916, {}, {}, Output::Buffer, 18},
    };
    return shapes;
}

std::string Hex(std::uint32_t value)
{
    std::ostringstream out;
    out << "0x" << std::hex << value;
    return out.str();
}

const char* KindName(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Int16: return "16-bit";
    case FieldKind::Int32: return "32-bit";
    case FieldKind::Text: return "text";
    case FieldKind::PlainText: return "plain text";
    }
    return "";
}

class Checker {
public:
    explicit Checker(std::uint16_t id) : prefix_("request " + std::to_string(id) + ": ") {}

    void Fault(const std::string& text) { faults_.push_back(prefix_ + text); }
    std::vector<std::string> Take() { return std::move(faults_); }

    // Walks the input block field by field; returns the texts read (empty for numbers).
    std::vector<std::string> InputFields(const std::vector<FieldRule>& rules, const unsigned char* data,
                                         std::size_t length)
    {
        std::vector<std::string> texts;
        std::size_t pos = 0;
        for (std::size_t i = 0; i < rules.size(); ++i) {
            const FieldRule& rule = rules[i];
            std::string where = "input field " + std::to_string(i + 1) + " (" + KindName(rule.kind) + ", " +
                                rule.name + ")";
            std::int32_t value = 0;
            std::string text;
            if (rule.kind == FieldKind::Int16 || rule.kind == FieldKind::Int32) {
                std::size_t width = rule.kind == FieldKind::Int16 ? 2 : 4;
                if (pos + width > length) {
                    Fault(where + " lies past the input length " + std::to_string(length));
                    return texts;
                }
                std::uint32_t bits = 0;
                for (std::size_t b = 0; b < width; ++b) bits |= static_cast<std::uint32_t>(data[pos + b]) << (8 * b);
                value = width == 2 ? static_cast<std::int16_t>(bits) : static_cast<std::int32_t>(bits);
                pos += width;
            } else {
                const void* zero = pos < length ? std::memchr(data + pos, '\0', length - pos) : nullptr;
                if (zero == nullptr) {
                    Fault(where + " has no zero byte within the input length " + std::to_string(length));
                    return texts;
                }
                std::size_t end = static_cast<std::size_t>(static_cast<const unsigned char*>(zero) - data);
                text.assign(reinterpret_cast<const char*>(data + pos), end - pos);
                pos = end + 1;
                if (rule.kind == FieldKind::Text && pos % 2 != 0) {
                    if (pos == length) {
                        Fault(where + " is not followed by its padding byte within the input length " +
                              std::to_string(length));
                        return texts;
                    }
                    ++pos;
                }
            }
            texts.push_back(text);
            if (rule.text != nullptr && text != rule.text) {
                Fault(where + " is \"" + text + "\", not \"" + rule.text + "\"");
            }
            if (!rule.allowed.empty() && rule.kind != FieldKind::Text && rule.kind != FieldKind::PlainText) {
                bool ok = false;
                std::string list;
                for (std::int32_t allowed : rule.allowed) {
                    ok = ok || value == allowed;
                    list += (list.empty() ? "" : " or ") + std::to_string(allowed);
                }
                if (!ok) Fault(where + " is " + std::to_string(value) + ", not " + list);
            }
        }
        if (pos != length) {
            Fault("input length " + std::to_string(length) + ", but its fields take " + std::to_string(pos) + " bytes");
        }
        return texts;
    }

private:
    std::string prefix_;
    std::vector<std::string> faults_;
};

void CheckInput(Checker& check, const RequestShape& shape, const HostRequestRecord& record, std::size_t hostBlockSize)
{
    if (shape.input.empty()) {
        if (record.inputKind != kKindNone) check.Fault("input kind " + Hex(record.inputKind) + " without an input block, not 0");
        if (record.inputAddress != 0) check.Fault("input address set without an input block");
        if (record.inputLength != 0) check.Fault("input length " + std::to_string(record.inputLength) + " without an input block");
        return;
    }
    if (record.inputKind != kKindPluginBlock) {
        check.Fault("input kind " + Hex(record.inputKind) + ", not " + Hex(kKindPluginBlock) + " (a block in plug-in memory)");
    }
    if (record.inputAddress == 0) {
        check.Fault("no input block");
        return;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(record.inputAddress);
    std::vector<std::string> texts = check.InputFields(shape.input, data, record.inputLength);

    const BlockStorage& storage = shape.storage;
    if (!storage.hostMemory) {
        if (hostBlockSize != 0) check.Fault("input block in Host memory, not in a buffer of the plug-in");
        return;
    }
    if (hostBlockSize == 0) {
        check.Fault("input block not in Host memory");
        return;
    }
    if (storage.textField >= 0 && static_cast<std::size_t>(storage.textField) >= texts.size()) return;
    std::size_t expected = storage.extra + (storage.textField >= 0 ? texts[static_cast<std::size_t>(storage.textField)].size() : 0);
    if (hostBlockSize != expected) {
        check.Fault("input block in Host memory of " + std::to_string(hostBlockSize) + " bytes, not " +
                    std::to_string(expected));
    }
}

void CheckOutput(Checker& check, const RequestShape& shape, const HostRequestRecord& record)
{
    switch (shape.output) {
    case Output::None:
        if (record.outputKind != kKindNone) check.Fault("output kind " + Hex(record.outputKind) + " for no reply, not 0");
        if (record.output != 0) check.Fault("output set for no reply");
        if (record.outputLength != 0) check.Fault("output length " + std::to_string(record.outputLength) + " for no reply");
        break;
    case Output::Buffer:
        if (record.outputKind != kKindPluginBlock) {
            check.Fault("output kind " + Hex(record.outputKind) + ", not " + Hex(kKindPluginBlock) + " (a plug-in buffer)");
        }
        if (record.output == 0) check.Fault("no output buffer");
        if (record.outputLength != shape.bufferLength) {
            check.Fault("output length " + std::to_string(record.outputLength) + ", not " +
                        std::to_string(shape.bufferLength));
        }
        break;
    case Output::HostAllocated:
        if (record.outputKind != kKindHostAllocated) {
            check.Fault("output kind " + Hex(record.outputKind) + ", not " + Hex(kKindHostAllocated) +
                        " (a Host-allocated reply)");
        }
        if (record.output != 0) check.Fault("output set before a Host-allocated reply, not 0");
        if (record.outputLength != 0) {
            check.Fault("output length " + std::to_string(record.outputLength) + " for a Host-allocated reply, not 0");
        }
        break;
    }
}

}  // namespace

std::vector<std::string> CheckRequest(const HostRequestRecord& record, std::size_t hostBlockSize)
{
    Checker check(record.requestId);
    const RequestShape* shape = nullptr;
    for (const RequestShape& candidate : Shapes()) {
        if (candidate.id == record.requestId) shape = &candidate;
    }
    if (shape == nullptr) {
        check.Fault("not a request the Host answers");
        return check.Take();
    }
    if (record.zero24 != 0) check.Fault("the 16-bit field at 24 is " + std::to_string(record.zero24) + ", not 0");
    if (record.zero36 != 0) check.Fault("the 16-bit field at 36 is " + std::to_string(record.zero36) + ", not 0");
    CheckInput(check, *shape, record, hostBlockSize);
    CheckOutput(check, *shape, record);
    return check.Take();
}

}  // namespace hostsim
