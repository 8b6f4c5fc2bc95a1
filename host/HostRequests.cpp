#include "host/HostRequests.h"

#include <cstring>

#include "host/Request.h"
#include "host/Status.h"

namespace orvane::requests {

namespace {

void CheckFourCharacterCode(const char* code)
{
    if (code == nullptr || std::strlen(code) != 4) Raise(kStatusBadFourCharCode);
}

std::int16_t BufferedInt16(std::uint16_t id, const RequestBlock* input = nullptr)
{
    Request request(id);
    request.Perform(input, OutputForm::Buffer, 2);
    return request.Reader().ReadInt16();
}

// Host memory for a block of one text plus `extra` bytes.
std::size_t TextBlockSize(const std::string& text, std::size_t extra) { return text.size() + extra; }

}  // namespace

std::string HostIdentity()
{
    Request request(kHostIdentity);
    request.Perform(nullptr, OutputForm::HostAllocated);
    ReplyReader reader = request.Reader();
    return reader.ReadTextCopy();
}

std::int16_t PublicationState() { return BufferedInt16(kPublicationState); }

std::string PublicationName()
{
    Request request(kPublicationName);
    request.Perform(nullptr, OutputForm::HostAllocated);
    return request.Reader().ReadTextCopy();
}

PublicationPages Pages()
{
    Request request(kPublicationPages);
    request.Perform(nullptr, OutputForm::HostAllocated);
    ReplyReader reader = request.Reader();
    PublicationPages pages;
    pages.firstPage = reader.ReadInt16();
    pages.pageCount = reader.ReadInt16();
    pages.value3 = reader.ReadInt16();
    pages.value4 = reader.ReadInt16();
    pages.text = reader.ReadTextCopy();
    return pages;
}

PageSize PageDimensions()
{
    Request request(kPageSize);
    request.Perform(nullptr, OutputForm::Buffer, 8);
    ReplyReader reader = request.Reader();
    PageSize size;
    size.width = reader.ReadInt32();
    size.height = reader.ReadInt32();
    return size;
}

PaperSize PaperDimensions()
{
    Request request(kPaperSize);
    request.Perform(nullptr, OutputForm::HostAllocated);
    ReplyReader reader = request.Reader();
    reader.ReadText();
    reader.ReadText();
    PaperSize size;
    size.height = reader.ReadInt32();
    size.width = reader.ReadInt32();
    return size;
}

PrintOptions PrintOptionsOfJob()
{
    Request request(kPrintOptions);
    request.Perform(nullptr, OutputForm::HostAllocated);
    ReplyReader reader = request.Reader();
    PrintOptions options;
    options.copies = reader.ReadInt16();
    reader.ReadInt16();
    options.reverse = reader.ReadInt16();
    reader.ReadInt16();
    options.pageRange = reader.ReadTextCopy();
    std::int16_t after[8];
    for (std::int16_t& value : after) value = reader.ReadInt16();
    options.parity = after[1];
    options.spreads = after[6];
    return options;
}

PrintOutput PrintOutputOfJob()
{
    Request request(kPrintOutput);
    request.Perform(nullptr, OutputForm::Buffer, 20);
    ReplyReader reader = request.Reader();
    PrintOutput output;
    for (std::int16_t& value : output.values) value = reader.ReadInt16();
    return output;
}

std::int16_t TrapOutput() { return BufferedInt16(kTrapOutput); }

std::int16_t PrintSetting()
{
    Request request(kPrintSetting);
    request.Perform(nullptr, OutputForm::Buffer, 18);
    return request.Reader().ReadInt16();
}

void SetPrintSetting(std::int16_t value)
{
    char buffer[24];
    RequestBlock block(buffer, sizeof buffer);
    block.PutInt16(value);
    block.PutInt32(-2);
    block.PutInt32(-2);
    for (int i = 0; i < 4; ++i) block.PutInt16(-2);
    Request request(kSetPrintSetting);
    request.Perform(&block, OutputForm::None);
}

Folders FolderNames()
{
    Request request(kFolders);
    request.Perform(nullptr, OutputForm::HostAllocated);
    ReplyReader reader = request.Reader();
    Folders folders;
    folders.first = reader.ReadTextCopy();
    folders.second = reader.ReadTextCopy();
    return folders;
}

namespace {
void PerformColorInfo(Request& request, std::int16_t selector, const std::string& colorName)
{
    RequestBlock block(TextBlockSize(colorName, 4));
    block.PutInt16(selector);
    block.PutText(colorName.c_str());
    request.Perform(&block, OutputForm::HostAllocated);
}

// The header of 2202: seven 16-bit values, a text, a 16-bit value.
ReplyReader SkipColorHeader(ReplyReader reader)
{
    for (int i = 0; i < 7; ++i) reader.ReadInt16();
    reader.ReadText();
    reader.ReadInt16();
    return reader;
}
}  // namespace

ColorInfo ColorInformation(const std::string& colorName)
{
    Request request(kColorInfo);
    PerformColorInfo(request, 1, colorName);
    ReplyReader reader = request.Reader();
    ColorInfo info;
    info.c = reader.ReadInt16();
    info.m = reader.ReadInt16();
    info.y = reader.ReadInt16();
    info.k = reader.ReadInt16();
    info.kind = reader.ReadInt16();
    return info;
}

std::vector<std::string> ColorInks(const std::string& colorName)
{
    Request request(kColorInfo);
    PerformColorInfo(request, 4, colorName);
    ReplyList list(SkipColorHeader(request.Reader()), {ReplyField::Text, ReplyField::Int16});
    std::vector<std::string> inks;
    for (std::int16_t i = 0; i < list.Count(); ++i) {
        inks.push_back(list.Current().ReadTextCopy());
        list.Advance();
    }
    return inks;
}

std::vector<std::string> ColorNames()
{
    Request request(kColorNames);
    request.Perform(nullptr, OutputForm::HostAllocated);
    ReplyList list(request.Reader(), {ReplyField::Text});
    std::vector<std::string> names;
    for (std::int16_t i = 0; i < list.Count(); ++i) {
        names.push_back(list.Current().ReadTextCopy());
        list.Advance();
    }
    return names;
}

std::int16_t ColorDensity(const std::string& colorName)
{
    RequestBlock block(TextBlockSize(colorName, 3));
    block.PutText(colorName.c_str());
    Request request(kColorDensity);
    request.Perform(&block, OutputForm::HostAllocated);
    ReplyReader reader = request.Reader();
    reader.ReadInt16();
    return reader.ReadInt16();
}

std::int16_t InkDensity(const std::string& inkName)
{
    RequestBlock block(TextBlockSize(inkName, 3));
    block.PutText(inkName.c_str());
    Request request(kInkDensity);
    request.Perform(&block, OutputForm::HostAllocated);
    ReplyReader reader = request.Reader();
    reader.ReadText();
    reader.ReadText();
    reader.ReadInt16();
    return reader.ReadInt16();
}

void CreateColor(const std::string& name, const std::int16_t values[7])
{
    RequestBlock block(TextBlockSize(name, 32));
    block.PutText(name.c_str());
    for (int i = 0; i < 7; ++i) block.PutInt16(values[i]);
    Request request(kCreateColor);
    request.Perform(&block, OutputForm::None);
}

void RemoveColor(const std::string& name)
{
    std::vector<char> storage(name.size() + 1);
    RequestBlock block(storage.data(), storage.size());
    block.PutPlainText(name.c_str());
    Request request(kRemoveColor);
    request.Perform(&block, OutputForm::None);
}

void AttachPageLabel(const char* creator, const char* type, std::int16_t value1, std::int32_t value2,
                     std::int32_t key, std::int16_t value4, const std::string& text)
{
    CheckFourCharacterCode(creator);
    CheckFourCharacterCode(type);
    std::vector<char> storage(32 + text.size());
    RequestBlock block(storage.data(), storage.size());
    block.PutText(creator);
    block.PutText(type);
    block.PutInt16(value1);
    block.PutInt32(value2);
    block.PutInt16(1);
    block.PutInt32(key);
    block.PutInt16(value4);
    block.PutText(text.c_str());
    Request request(kAttachPageLabel);
    request.Perform(&block, OutputForm::None);
}

PageLabelReply ReadPageLabel(const char* creator, const char* type, std::int16_t value1, std::int32_t value2,
                             std::int32_t key)
{
    CheckFourCharacterCode(creator);
    CheckFourCharacterCode(type);
    RequestBlock block(100);
    block.PutText(creator);
    block.PutText(type);
    block.PutInt16(value1);
    block.PutInt32(value2);
    block.PutInt32(key);
    Request request(kReadPageLabel);
    request.Perform(&block, OutputForm::HostAllocated);
    ReplyReader reader = request.Reader();
    PageLabelReply reply;
    reply.value = reader.ReadInt16();
    reply.text = reader.ReadTextCopy();
    return reply;
}

std::int32_t PageKey(std::int16_t pageNumber)
{
    char buffer[2];
    RequestBlock block(buffer, sizeof buffer);
    block.PutInt16(pageNumber);
    Request request(kPageKey);
    request.Perform(&block, OutputForm::Buffer, 4);
    return request.Reader().ReadInt32();
}

std::int16_t PageNumber(std::int32_t pageKey)
{
    char buffer[4];
    RequestBlock block(buffer, sizeof buffer);
    block.PutInt32(pageKey);
    return BufferedInt16(kPageNumber, &block);
}

}  // namespace orvane::requests
