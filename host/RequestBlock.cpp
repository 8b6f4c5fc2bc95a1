#include "host/RequestBlock.h"

#include <cstring>

#include "host/HostContext.h"

namespace orvane {

RequestBlock::RequestBlock(char* buffer, std::size_t capacity)
    : start_(buffer), cursor_(buffer), capacity_(capacity), owned_(false)
{
}

RequestBlock::RequestBlock(std::size_t hostSize) : start_(nullptr), cursor_(nullptr), capacity_(hostSize), owned_(true)
{
    InterfaceRef<CoreInterface> core(kCoreInterface);
    void* memory = core->Allocate(static_cast<HostULong>(hostSize));
    if (memory == nullptr) Raise(kStatusFailure);
    start_ = cursor_ = static_cast<char*>(memory);
}

RequestBlock::~RequestBlock()
{
    if (!owned_ || start_ == nullptr) return;
    try {
        InterfaceRef<CoreInterface> core(kCoreInterface);
        core->Free(start_);
    } catch (...) {
        // A Host that cannot give its core interface back keeps the block.
    }
}

void RequestBlock::Reserve(std::size_t bytes)
{
    if (static_cast<std::size_t>(cursor_ - start_) + bytes > capacity_) Raise(kStatusFailure);
}

void RequestBlock::PutInt16(std::int16_t value)
{
    Reserve(2);
    std::uint16_t v = static_cast<std::uint16_t>(value);
    cursor_[0] = static_cast<char>(v & 0xFF);
    cursor_[1] = static_cast<char>(v >> 8);
    cursor_ += 2;
}

void RequestBlock::PutInt32(std::int32_t value)
{
    Reserve(4);
    std::uint32_t v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) cursor_[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    cursor_ += 4;
}

void RequestBlock::PutText(const char* text)
{
    if (text == nullptr) {
        Reserve(2);
        cursor_[0] = cursor_[1] = '\0';
        cursor_ += 2;
        return;
    }
    PutPlainText(text);
    if ((cursor_ - start_) % 2 != 0) {
        Reserve(1);
        ++cursor_;
    }
}

void RequestBlock::PutPlainText(const char* text)
{
    std::size_t length = std::strlen(text) + 1;
    Reserve(length);
    std::memcpy(cursor_, text, length);
    cursor_ += length;
}

void RequestBlock::PutBlock(const RequestBlock& other)
{
    Reserve(other.Length());
    std::memcpy(cursor_, other.Data(), other.Length());
    cursor_ += other.Length();
}

}  // namespace orvane
