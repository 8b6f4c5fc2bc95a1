#include "storage/PageLabel.h"

#include <cctype>
#include <cstdio>

#include "host/HostRequests.h"
#include "host/Status.h"

namespace orvane {

namespace {

constexpr const char* kLabelCreator = "HLCX";
constexpr const char* kLabelType = "ORVT";
constexpr std::int16_t kLabelKind = 5;

std::int32_t WidenedKey(std::int32_t key) { return static_cast<std::int16_t>(key & 0xFFFF); }

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

void SkipSpace(const std::string& s, std::size_t& i)
{
    while (i < s.size() && IsSpace(s[i])) ++i;
}

// A run of non-space characters, as "%s" reads it.
bool ReadWord(const std::string& s, std::size_t& i)
{
    SkipSpace(s, i);
    const std::size_t begin = i;
    while (i < s.size() && !IsSpace(s[i])) ++i;
    return i > begin;
}

// An optionally signed decimal number, as "%d" reads it, kept modulo 2^32 so that
// the unsigned forms of negative keys come back as those keys.
bool ReadNumber(const std::string& s, std::size_t& i, std::uint32_t& value)
{
    SkipSpace(s, i);
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    const std::size_t begin = i;
    std::uint32_t n = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') n = n * 10u + static_cast<std::uint32_t>(s[i++] - '0');
    if (i == begin) return false;
    value = negative ? 0u - n : n;
    return true;
}

}  // namespace

std::string FormatPageLabel(std::int32_t key)
{
    char text[kPageLabelCapacity];
    std::snprintf(text, sizeof text, "%s %u %s", kLabelType, static_cast<unsigned>(static_cast<std::uint32_t>(WidenedKey(key))),
                  kLabelType);
    return text;
}

std::int16_t ParsePageLabel(const std::string& reply)
{
    const std::string text = reply.substr(0, kPageLabelCapacity - 1);
    std::size_t i = 0;
    std::uint32_t number = 0;
    if (!ReadWord(text, i) || !ReadNumber(text, i, number) || !ReadWord(text, i)) return 0;
    return static_cast<std::int16_t>(number & 0xFFFF);
}

void WritePageLabel(std::int32_t key)
{
    try {
        requests::AttachPageLabel(kLabelCreator, kLabelType, kLabelKind, 0, WidenedKey(key), 1, FormatPageLabel(key));
    } catch (const HostError&) {
        // A label that cannot be attached only costs the zone its way back after a renumbering.
    }
}

std::int16_t ReadPageLabel(std::int32_t key)
{
    try {
        return ParsePageLabel(requests::ReadPageLabel(kLabelCreator, kLabelType, kLabelKind, 0, WidenedKey(key)).text);
    } catch (const HostError&) {
        return 0;
    }
}

bool FindPageByLabel(std::int32_t key)
{
    const requests::PublicationPages pages = requests::Pages();
    const auto wanted = static_cast<std::int16_t>(key & 0xFFFF);
    // 0 is what an unlabelled page reads as; it can never identify a page.
    if (wanted == 0) return false;
    for (int n = pages.firstPage; n < pages.firstPage + pages.pageCount; ++n) {
        const std::int32_t pageKey = requests::PageKey(static_cast<std::int16_t>(n));
        if (ReadPageLabel(pageKey) == wanted) {
            WritePageLabel(key);
            return true;
        }
    }
    return false;
}

bool ResolvePageKey(std::int32_t key)
{
    if (ReadPageLabel(key) != 0) return true;
    return FindPageByLabel(key);
}

}  // namespace orvane
