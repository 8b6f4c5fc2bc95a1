// Reading and writing the plug-in's private records through the Host's
// private-data interface. The accessor, an open record and every block of read
// data are each held by an object that gives them back when it goes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "host/HostContext.h"
#include "host/HostInterfaces.h"

namespace orvane {

constexpr const char* kRecordType = "ORVT";
constexpr const char* kDocumentRecordName = "AAA";
constexpr const char* kInkRecordName = "BBB";
constexpr const char* kStyleRecordName = "CCC";
constexpr const char* kReservedNameInRecord = "PDS";

constexpr std::size_t kDocumentTextCapacity = 200;  // bytes, NUL included
constexpr std::size_t kStyleTextCapacity = 500;

using PrivateDataRef = InterfaceRef<PrivateDataAccessor>;

// A record opened for reading: integers honour the byte-order mark, every read is
// freed at once, and the first failed read stops all further reads (they fail too
// and leave their destination unchanged). Closed when it goes.
class RecordReader {
public:
    RecordReader(PrivateDataAccessor& accessor, const char* name);
    ~RecordReader();
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    bool IsOpen() const { return open_; }
    bool Ok() const { return ok_; }
    void SetByteOrder(char mark) { byteOrder_ = mark; }
    char ByteOrder() const { return byteOrder_; }

    bool ReadByte(char& value);
    // Reads a text up to its NUL. Bytes beyond capacity - 1 are read and dropped,
    // so the record stays in step. False when the record ends before the NUL.
    bool ReadText(std::string& text, std::size_t capacity);
    bool ReadInt16(std::int16_t& value);
    bool ReadInt32(std::int32_t& value);
    // A 16-bit value widened to 32 bits.
    bool ReadInt16As32(std::int32_t& value);
    // The byte-order mark, which then holds for the rest of the record. False when
    // it cannot be read or is neither 'w' nor 'm': the record is not one of ours
    // and nothing more is read from it.
    bool ReadMark(char& mark);
    // Takes a byte already read as the mark, with the same check.
    bool UseMark(char mark);
    // The head of a list record: the byte-order mark and the entry count. False when
    // the record is not open or either cannot be read.
    bool ReadMarkAndCount(std::int16_t& count);

private:
    bool ReadBytes(unsigned char* out, std::size_t count);

    PrivateDataAccessor& accessor_;
    bool open_ = false;
    bool ok_ = true;
    char byteOrder_ = 'w';
};

// A record deleted and opened for writing; little-endian. Closed when it goes.
class RecordWriter {
public:
    RecordWriter(PrivateDataAccessor& accessor, const char* name);
    ~RecordWriter();
    RecordWriter(const RecordWriter&) = delete;
    RecordWriter& operator=(const RecordWriter&) = delete;

    bool IsOpen() const { return open_; }
    void WriteByte(char value);
    void WriteText(const std::string& text);  // each byte, then the NUL, one byte per write
    void WriteInt16(std::int16_t value);
    void WriteInt32(std::int32_t value);

private:
    PrivateDataAccessor& accessor_;
    bool open_ = false;
};

// The shared primitives, as free functions over an open record.
bool ReadRecordText(RecordReader& record, std::string& text, std::size_t capacity);
bool ReadRecordInt16(RecordReader& record, std::int16_t& value);
bool ReadRecordInt32(RecordReader& record, std::int32_t& value);
void WriteRecordText(RecordWriter& record, const std::string& text);
void WriteRecordInt16(RecordWriter& record, std::int16_t value);
void WriteRecordInt32(RecordWriter& record, std::int32_t value);

// "PDS" in a record stands for the reserved style name.
std::string StyleNameToRecord(const std::string& name);
std::string StyleNameFromRecord(const std::string& stored);

}  // namespace orvane
