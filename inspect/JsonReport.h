// The inspector's report as JSON (--json). Texts are the bytes the job gave, read as
// ISO Latin-1; values of parameters are numbers, booleans and null as such, names
// (/Center) and strings ((Standard) as Standard) as strings.
#pragma once
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "inspect/Findings.h"
#include "inspect/Journal.h"

namespace orvane::inspect {

using Json = nlohmann::ordered_json;

// The report; what the plates and the trap preview add goes in before it is written.
Json JsonReport(const Journal& j, const Findings& f, const std::string& pictures);
void WriteJson(std::ostream& out, const Json& report);

// An escaped text of the events as a JSON string.
Json JsonText(const std::string& escaped);
// A value as PostScript wrote it.
Json JsonValue(const std::string& value);

}  // namespace orvane::inspect
