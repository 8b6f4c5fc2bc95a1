// Keeps a publication's private records and page labels between runs of the Host
// stand-in, in a folder: each record as a binary file "records/<name>.<type>.rec"
// and the labels as "label" lines in "labels.txt". A folder that holds saved
// state replaces the records and labels that the publication file seeded.
#pragma once
#include <string>

#include "hostsim/Publication.h"

namespace hostsim {

// True when saved state was found and loaded. Raises FileFormatError for a
// labels file it cannot read.
bool LoadPublicationData(const std::string& folder, Publication& publication);

// Raises FileFormatError when the folder or a file cannot be written.
void SavePublicationData(const std::string& folder, const Publication& publication);

// The file name for a record: letters, digits, '-' and '_' kept, any other
// byte as %HH. RecordFromFileName undoes it (false for a name not so formed).
std::string RecordFileName(const std::string& name, const std::string& type);
bool RecordFromFileName(const std::string& fileName, std::string& name, std::string& type);

}  // namespace hostsim
