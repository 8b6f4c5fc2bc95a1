// Reads a publication for the Host stand-in from a line-based text file (the
// format is described in examples/README.md): identity, pages and their order,
// sizes, print options, folders, colours, ink densities, private records given
// field by field, page labels and Host failures to inject.
#pragma once
#include <cstdint>
#include <istream>
#include <map>
#include <string>

#include "hostsim/Publication.h"
#include "hostsim/SimHost.h"

namespace hostsim {

struct PublicationSetup {
    Publication publication;
    std::map<std::uint16_t, FailRule> failures;
    // Where records and labels persist between runs: "<file>.data" beside the file.
    std::string dataFolder;
};

// Raises FileFormatError ("<file>:<line>: <what>") for a line it cannot take,
// and for a file it cannot open.
PublicationSetup LoadPublicationFile(const std::string& path);

// The same for text already at hand; relative folders are resolved against baseFolder.
void ReadPublicationText(std::istream& in, const std::string& baseFolder, const std::string& sourceName,
                         PublicationSetup& setup);

// One "label KEY CREATOR TYPE TEXT" line applied to the page with that key; false
// when no page has the key.
bool ApplyLabelLine(const std::vector<std::string>& words, Publication& publication);

}  // namespace hostsim
