// The writer of a request's input block: a caller buffer, or Host memory obtained
// through CoreInterface Allocate and given back when the block goes.
#pragma once
#include <cstddef>
#include <cstdint>

namespace orvane {

class RequestBlock {
public:
    RequestBlock(char* buffer, std::size_t capacity);  // caller's storage, not owned
    explicit RequestBlock(std::size_t hostSize);       // Host memory, owned
    ~RequestBlock();
    RequestBlock(const RequestBlock&) = delete;
    RequestBlock& operator=(const RequestBlock&) = delete;

    void PutInt16(std::int16_t value);
    void PutInt32(std::int32_t value);
    // The text's bytes and its zero byte, then on to the next even offset (the
    // skipped byte keeps what the storage held). nullptr writes two zero bytes.
    void PutText(const char* text);
    // The text's bytes and its zero byte, no alignment.
    void PutPlainText(const char* text);
    void PutBlock(const RequestBlock& other);

    const char* Data() const { return start_; }
    std::uint32_t Length() const { return static_cast<std::uint32_t>(cursor_ - start_); }

private:
    void Reserve(std::size_t bytes);  // raises 7212 rather than write past the end

    char* start_;
    char* cursor_;
    std::size_t capacity_;
    bool owned_;
};

}  // namespace orvane
