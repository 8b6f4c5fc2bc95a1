// Readers over a reply: ReplyReader decodes fields in order; ReplyList walks a
// counted list whose items all have the same layout. Reading past the reply's end
// raises 7212 instead of touching memory that is not the reply.
#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace orvane {

class ReplyReader {
public:
    ReplyReader(const char* start, std::size_t size) : start_(start), cursor_(start), end_(start + size) {}

    std::int16_t ReadInt16();
    std::int32_t ReadInt32();
    // The text in place; the reader moves past its zero byte to the next even
    // offset from the reply's start. Valid while the reply is held.
    const char* ReadText();
    std::string ReadTextCopy() { return ReadText(); }

    const char* Cursor() const { return cursor_; }
    std::size_t Remaining() const { return static_cast<std::size_t>(end_ - cursor_); }
    // A reader over the rest of the same reply (alignment stays relative to its start).
    ReplyReader At(const char* position) const;

private:
    ReplyReader(const char* start, const char* cursor, const char* end) : start_(start), cursor_(cursor), end_(end) {}
    void Need(std::size_t bytes) const;

    const char* start_;
    const char* cursor_;
    const char* end_;
};

enum class ReplyField { Int16, Int32, Text };

class ReplyList {
public:
    // Reads the count at the reader's position; items follow with the given layout.
    ReplyList(const ReplyReader& reader, std::initializer_list<ReplyField> itemLayout);

    std::int16_t Count() const { return count_; }
    std::int16_t Index() const { return index_; }
    bool HasCurrent() const { return count_ > 0; }
    // A reader over the current item (raises 7212 for a list without items).
    ReplyReader Current() const;
    // Moves to the next item; past the last one back to the first with index 0.
    void Advance();

private:
    ReplyReader base_;
    std::vector<ReplyField> layout_;
    std::int16_t count_ = 0;
    const char* first_ = nullptr;
    std::int16_t index_ = 0;
    const char* current_ = nullptr;
};

}  // namespace orvane
