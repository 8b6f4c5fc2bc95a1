// The inspector's report in words, on standard output.
#pragma once
#include <ostream>
#include <string>

#include "inspect/Findings.h"
#include "inspect/Journal.h"

namespace orvane::inspect {

// pictures: the folder the pictures of the pages went to.
void WriteTextReport(std::ostream& out, const Journal& j, const Findings& f, const std::string& pictures);

// The messages for standard error of a job that did not run through (none when it did).
void WriteJobTrouble(std::ostream& err, const Journal& j, const Findings& f);

std::string PictureName(int page, const std::string& suffix = "");

}  // namespace orvane::inspect
