// What --plates and --traps add to the report: per page the plates, the ink coverage
// and the traps of the preview, in words and in the JSON.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "inspect/Journal.h"
#include "inspect/JsonReport.h"
#include "inspect/PagePlates.h"

namespace orvane::inspect {

struct PlatesRun {
    std::string out;  // the folder as the user named it
    double resolution = 300;
    double inkLimit = 300;
    bool traps = false;
    int misregister = 0;  // pixels; 0: no misregistered pictures
    std::vector<PagePlates> pages;
};

void WritePlatesText(std::ostream& out, const Journal& j, const PlatesRun& run);
void AddPlatesJson(Json& report, const PlatesRun& run);

}  // namespace orvane::inspect
