// What the report says beyond the events: the refusals grouped into one message each
// with the pages it happens on, the inks in trapping order, the pages without trapping,
// where a job that stopped stopped, and the exit status.
#pragma once
#include <string>
#include <vector>

#include "inspect/Journal.h"

namespace orvane::inspect {

struct RefusalGroup {
    std::string message;  // escaped like the events' texts
    std::vector<int> pages;
    int first = -1;  // index into Journal::refusals, -1 for a zone naming an unknown style
    int zone = -1;   // that zone, index into Journal::zones
};

struct ErrorPlace {
    std::string line;      // the line number, empty when the position lies past the file
    std::string text;      // the line as it stands in the job, cut at 100 bytes
    std::string where;     // "at line N of JOB: TEXT"
    std::string command;   // the command that failed, empty for an operator's own name
    std::string hint;
};

struct Findings {
    std::string job;   // the path as given
    int announced = 0;  // pages the job's %%Page: comments announce
    std::vector<RefusalGroup> refused;
    std::vector<Ink> inks;  // in trapping order, then the others by name
    std::vector<int> untrapped;
    bool shortJob = false;  // fewer pages than announced, without an error
    ErrorPlace error;
    int status = 0;  // 0 clean, 1 refusals, 2 the job did not run through

    std::string ShortText(const Journal& j) const;
};

Findings Find(const Journal& journal, const std::string& job, int announced);

// The pages a job's %%Page: comments announce, outside the documents it embeds
// (%%BeginDocument to %%EndDocument); 0 for a file that cannot be read.
int AnnouncedPages(const std::string& job);

// "1 2 3 5" as "1-3, 5".
std::string Ranges(const std::vector<int>& pages);
// The place of an ink in the trapping order, from 1; 0 when it has none.
int OrderOf(const InkDetails& details, const std::string& ink);

}  // namespace orvane::inspect
