// report.html: the report as one page that opens offline in any browser, no script
// needed: the setup, then page by page the page with its zones, its plates, the traps
// with an enlarged crop per pair of colours that traps, the coverage, any other
// picture of the page, and the tables of traps and untrapped edges with their rules.
// Made from the JSON report, so that it shows whatever that holds; the pictures are
// named relatively, and lie beside it.
#pragma once
#include <string>

#include "inspect/JsonReport.h"

namespace orvane::inspect {

// False when the file cannot be written.
bool WriteHtmlReport(const std::string& path, const Json& report);

}  // namespace orvane::inspect
