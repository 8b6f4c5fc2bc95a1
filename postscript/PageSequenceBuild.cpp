#include <algorithm>
#include <cstdint>

#include "host/HostRequests.h"
#include "model/PageRange.h"
#include "postscript/PageZones.h"

namespace orvane {

namespace {

bool KeepForParity(std::int32_t page, std::int16_t parity)
{
    if (parity == 0) return true;
    bool even = (page % 2) == 0;
    if (parity == 1) return even;
    if (parity == 2) return !even;
    return false;
}

void AppendRun(std::vector<std::int16_t>& entries, std::int32_t from, std::int32_t to, std::int16_t parity)
{
    for (std::int32_t page = from; page <= to; ++page) {
        if (KeepForParity(page, parity)) entries.push_back(static_cast<std::int16_t>(page));
    }
}

}  // namespace

std::vector<std::int16_t> SpreadsOf(const std::vector<std::int16_t>& entries, bool allPages, std::int16_t parity,
                                    std::int16_t pageCount)
{
    std::vector<std::int16_t> spreads;
    spreads.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::int16_t a = entries[i];
        if (a == 1) {
            // Page 1 stands alone, wherever it comes.
            spreads.push_back(1);
        } else if (a % 2 == 0) {
            if (i == 0 && allPages && parity == 1) spreads.push_back(1);
            spreads.push_back(a);
            if (i + 1 < entries.size() && entries[i + 1] % 2 != 0) ++i;
        } else if (a > 1) {
            spreads.push_back(static_cast<std::int16_t>(a - 1));
        }
    }
    if (allPages && parity == 2 && !spreads.empty() && spreads.back() + 2 <= pageCount) spreads.push_back(pageCount);
    return spreads;
}

bool BuildPrintedPageSequence(PrintedPageSequence& sequence, const PrintSelection& selection)
{
    std::vector<std::int16_t> entries;
    const bool allPages = selection.pageRange.empty();
    if (allPages) {
        sequence.pageCount = selection.pageCount;
        std::int32_t first = selection.firstPage;
        AppendRun(entries, first, first + selection.pageCount - 1, selection.parity);
    } else {
        if (ValidatePageRange(selection.pageRange, selection.firstPage, selection.pageCount) == kPageRangeInvalid) {
            return false;
        }
        int position = 0;
        int cursor = 0;
        for (;;) {
            std::uint16_t start = 0, end = 0;
            int next = NextPageRangeElement(selection.pageRange, selection.firstPage, selection.pageCount, position,
                                            cursor, start, end);
            if (next < 0) break;
            // Bounds were checked above: first <= start <= end <= last, all in 16 bits.
            AppendRun(entries, static_cast<std::int16_t>(start), static_cast<std::int16_t>(end), selection.parity);
            if (next <= position) break;
            position = next;
        }
    }
    if (selection.spreads != 0) {
        entries = SpreadsOf(entries, allPages, selection.parity, sequence.pageCount);
    }
    if (selection.reverse == 1) std::reverse(entries.begin(), entries.end());
    if (selection.copies < 1) {
        sequence.entries.clear();
        sequence.copies = 0;
        sequence.position = -1;
        return true;
    }
    sequence.entries = std::move(entries);
    sequence.copies = selection.copies;
    sequence.position = 0;
    return true;
}

bool BuildPrintedPageSequence(PrintedPageSequence& sequence)
{
    requests::PrintOptions options = requests::PrintOptionsOfJob();
    requests::PublicationPages pages = requests::Pages();
    PrintSelection selection;
    selection.firstPage = pages.firstPage;
    selection.pageCount = pages.pageCount;
    selection.pageRange = options.pageRange;
    selection.parity = options.parity;
    selection.spreads = options.spreads;
    selection.reverse = options.reverse;
    selection.copies = options.copies;
    return BuildPrintedPageSequence(sequence, selection);
}

std::int16_t NextPrintedPage(PrintedPageSequence& sequence)
{
    if (sequence.position < 0 || sequence.entries.empty() || sequence.copies < 1) return 0;
    const std::int64_t total = static_cast<std::int64_t>(sequence.entries.size()) * sequence.copies;
    if (sequence.position >= total) return 0;
    // A 32-bit remainder where the numbers allow it: it takes the processor a
    // fraction of the time of a 64-bit one, and every page asks for it.
    const auto position = static_cast<std::uint64_t>(sequence.position);
    const std::uint64_t count = sequence.entries.size();
    const std::uint64_t index = (position | count) <= UINT32_MAX
                                    ? static_cast<std::uint32_t>(position) % static_cast<std::uint32_t>(count)
                                    : position % count;
    std::int16_t page = sequence.entries[static_cast<std::size_t>(index)];
    ++sequence.position;
    return page;
}

}  // namespace orvane
