#include "host/Reply.h"

#include <cstring>

#include "host/Status.h"

namespace orvane {

void ReplyReader::Need(std::size_t bytes) const
{
    if (cursor_ > end_ || static_cast<std::size_t>(end_ - cursor_) < bytes) Raise(kStatusFailure);
}

std::int16_t ReplyReader::ReadInt16()
{
    Need(2);
    auto b = reinterpret_cast<const unsigned char*>(cursor_);
    cursor_ += 2;
    return static_cast<std::int16_t>(b[0] | (b[1] << 8));
}

std::int32_t ReplyReader::ReadInt32()
{
    Need(4);
    auto b = reinterpret_cast<const unsigned char*>(cursor_);
    cursor_ += 4;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
                                     (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24));
}

const char* ReplyReader::ReadText()
{
    Need(1);
    const void* zero = std::memchr(cursor_, '\0', static_cast<std::size_t>(end_ - cursor_));
    if (zero == nullptr) Raise(kStatusFailure);
    const char* text = cursor_;
    cursor_ = static_cast<const char*>(zero) + 1;
    if ((cursor_ - start_) % 2 != 0) ++cursor_;
    if (cursor_ > end_) cursor_ = end_;
    return text;
}

ReplyReader ReplyReader::At(const char* position) const { return ReplyReader(start_, position, end_); }

ReplyList::ReplyList(const ReplyReader& reader, std::initializer_list<ReplyField> itemLayout)
    : base_(reader), layout_(itemLayout)
{
    count_ = base_.ReadInt16();
    first_ = current_ = base_.Cursor();
    index_ = 0;
}

ReplyReader ReplyList::Current() const
{
    if (count_ <= 0) Raise(kStatusFailure);
    return base_.At(current_);
}

void ReplyList::Advance()
{
    ReplyReader item = Current();
    for (ReplyField field : layout_) {
        switch (field) {
        case ReplyField::Int16: item.ReadInt16(); break;
        case ReplyField::Int32: item.ReadInt32(); break;
        case ReplyField::Text: item.ReadText(); break;
        }
    }
    ++index_;
    if (index_ < count_) {
        current_ = item.Cursor();
    } else {
        index_ = 0;
        current_ = first_;
    }
}

}  // namespace orvane
