#include "hostsim/PrintedSheets.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace hostsim {

namespace {

// One element of a page-range text; false when it is not well formed.
bool ParseElement(std::string element, int first, int last, int& from, int& to)
{
    element.erase(std::remove(element.begin(), element.end(), ' '), element.end());
    if (element.empty()) return false;
    std::size_t dash = element.find('-');
    auto number = [](const std::string& digits, int fallback, int& out) {
        if (digits.empty()) {
            out = fallback;
            return true;
        }
        if (digits.size() > 5 || !std::all_of(digits.begin(), digits.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
            return false;
        }
        out = std::stoi(digits);
        return true;
    };
    if (dash == std::string::npos) {
        if (!number(element, -1, from) || from < 0) return false;
        to = from;
        return true;
    }
    return number(element.substr(0, dash), first, from) && number(element.substr(dash + 1), last, to);
}

std::vector<int> SelectedPages(const Publication& pub)
{
    const int first = pub.firstPage;
    const int last = pub.firstPage + static_cast<int>(pub.pages.size()) - 1;
    std::vector<int> pages;
    if (pub.pageRange.empty()) {
        for (int p = first; p <= last; ++p) pages.push_back(p);
    } else {
        std::string text = pub.pageRange;
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t comma = text.find(',', start);
            std::string element = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
            int from = 0, to = 0;
            if (ParseElement(element, first, last, from, to)) {
                for (int p = std::max(from, first); p <= std::min(to, last); ++p) pages.push_back(p);
            }
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }
    std::vector<int> kept;
    for (int p : pages) {
        if (pub.parity == 0 || (pub.parity == 1 && p % 2 == 0) || (pub.parity == 2 && p % 2 != 0)) kept.push_back(p);
    }
    return kept;
}

}  // namespace

std::vector<PrintedSheet> SheetsToPrint(const Publication& pub)
{
    const int last = pub.firstPage + static_cast<int>(pub.pages.size()) - 1;
    std::vector<PrintedSheet> sheets;
    for (int p : SelectedPages(pub)) {
        PrintedSheet sheet{p, p};
        if (pub.spreads != 0 && p != 1) {
            sheet.firstPage = p % 2 == 0 ? p : p - 1;
            sheet.lastPage = std::min(sheet.firstPage + 1, last);
        }
        bool repeat = !sheets.empty() && sheets.back().firstPage == sheet.firstPage && pub.spreads != 0;
        if (!repeat) sheets.push_back(sheet);
    }
    if (pub.reverse == 1) std::reverse(sheets.begin(), sheets.end());
    std::vector<PrintedSheet> job;
    for (int copy = 0; copy < pub.copies; ++copy) job.insert(job.end(), sheets.begin(), sheets.end());
    return job;
}

}  // namespace hostsim
