#include "storage/PrivateRecord.h"

#include "model/TrapStyle.h"
#include "state/ModuleState.h"

namespace orvane {

namespace {

// One block of data the Host handed out for a read, given back when it goes.
class ReadData {
public:
    explicit ReadData(PrivateDataAccessor& accessor) : accessor_(accessor) {}
    ~ReadData()
    {
        if (data_ != nullptr) accessor_.FreeData(data_);
    }
    ReadData(const ReadData&) = delete;
    ReadData& operator=(const ReadData&) = delete;

    void** Place() { return &data_; }
    const unsigned char* Bytes() const { return static_cast<const unsigned char*>(data_); }

private:
    PrivateDataAccessor& accessor_;
    void* data_ = nullptr;
};

}  // namespace

RecordReader::RecordReader(PrivateDataAccessor& accessor, const char* name) : accessor_(accessor)
{
    open_ = accessor_.Open(name, kRecordType, kPrivateDataRead) == kStatusOk;
    ok_ = open_;
}

RecordReader::~RecordReader()
{
    if (open_) accessor_.Close();
}

bool RecordReader::ReadBytes(unsigned char* out, std::size_t count)
{
    if (!ok_) return false;
    ReadData data(accessor_);
    HostLong obtained = 0;
    const Status status = accessor_.Read(data.Place(), static_cast<HostLong>(count), &obtained);
    if (status != kStatusOk || data.Bytes() == nullptr || obtained != static_cast<HostLong>(count)) {
        ok_ = false;
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) out[i] = data.Bytes()[i];
    return true;
}

bool RecordReader::ReadByte(char& value)
{
    unsigned char byte = 0;
    if (!ReadBytes(&byte, 1)) return false;
    value = static_cast<char>(byte);
    return true;
}

bool RecordReader::ReadText(std::string& text, std::size_t capacity)
{
    std::string collected;
    for (;;) {
        char c = 0;
        if (!ReadByte(c)) return false;
        if (c == '\0') break;
        if (collected.size() + 1 < capacity) collected.push_back(c);
    }
    text = std::move(collected);
    return true;
}

bool RecordReader::ReadInt16(std::int16_t& value)
{
    unsigned char b[2];
    if (!ReadBytes(b, 2)) return false;
    if (byteOrder_ == 'm') std::swap(b[0], b[1]);
    value = static_cast<std::int16_t>(static_cast<std::uint16_t>(b[0] | (b[1] << 8)));
    return true;
}

bool RecordReader::ReadInt32(std::int32_t& value)
{
    unsigned char b[4];
    if (!ReadBytes(b, 4)) return false;
    if (byteOrder_ == 'm') {
        std::swap(b[0], b[3]);
        std::swap(b[1], b[2]);
    }
    const std::uint32_t u = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
                            (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    value = static_cast<std::int32_t>(u);
    return true;
}

bool RecordReader::ReadInt16As32(std::int32_t& value)
{
    std::int16_t v = 0;
    if (!ReadInt16(v)) return false;
    value = v;
    return true;
}

RecordWriter::RecordWriter(PrivateDataAccessor& accessor, const char* name) : accessor_(accessor)
{
    accessor_.Delete(name, kRecordType);
    open_ = accessor_.Open(name, kRecordType, kPrivateDataWrite) == kStatusOk;
}

RecordWriter::~RecordWriter()
{
    if (open_) accessor_.Close();
}

void RecordWriter::WriteByte(char value)
{
    if (open_) accessor_.Write(&value, 1);
}

void RecordWriter::WriteText(const std::string& text)
{
    for (char c : text) WriteByte(c);
    WriteByte('\0');
}

void RecordWriter::WriteInt16(std::int16_t value)
{
    const auto u = static_cast<std::uint16_t>(value);
    const unsigned char b[2] = {static_cast<unsigned char>(u & 0xFF), static_cast<unsigned char>(u >> 8)};
    if (open_) accessor_.Write(b, 2);
}

void RecordWriter::WriteInt32(std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    const unsigned char b[4] = {static_cast<unsigned char>(u & 0xFF), static_cast<unsigned char>((u >> 8) & 0xFF),
                                static_cast<unsigned char>((u >> 16) & 0xFF), static_cast<unsigned char>(u >> 24)};
    if (open_) accessor_.Write(b, 4);
}

bool ReadRecordText(RecordReader& record, std::string& text, std::size_t capacity)
{
    return record.ReadText(text, capacity);
}
bool ReadRecordInt16(RecordReader& record, std::int16_t& value) { return record.ReadInt16(value); }
bool ReadRecordInt32(RecordReader& record, std::int32_t& value) { return record.ReadInt32(value); }
void WriteRecordText(RecordWriter& record, const std::string& text) { record.WriteText(text); }
void WriteRecordInt16(RecordWriter& record, std::int16_t value) { record.WriteInt16(value); }
void WriteRecordInt32(RecordWriter& record, std::int32_t value) { record.WriteInt32(value); }

std::string StyleNameToRecord(const std::string& name)
{
    return IsReservedStyleName(name) ? std::string(kReservedNameInRecord) : name;
}

std::string StyleNameFromRecord(const std::string& stored)
{
    return stored == kReservedNameInRecord ? ReservedStyleName() : stored;
}

bool RecordReader::UseMark(char mark)
{
    if (!ok_ || (mark != 'w' && mark != 'm')) {
        ok_ = false;
        return false;
    }
    SetByteOrder(mark);
    return true;
}

bool RecordReader::ReadMark(char& mark)
{
    char read = 'w';
    if (!open_ || !ReadByte(read) || !UseMark(read)) return false;
    mark = read;
    return true;
}

bool RecordReader::ReadMarkAndCount(std::int16_t& count)
{
    char mark = 'w';
    return ReadMark(mark) && ReadInt16(count);
}

}  // namespace orvane
