// The publication's ink record "BBB".
#pragma once
#include <cstdint>

namespace orvane {

class InkList;
class PrivateDataAccessor;

// Writes the list (an empty list leaves the record empty). Always true.
bool SaveInks(const InkList& list);

// Appends the stored entries to `list` and raises `nextNumber` past every stored
// number. Nothing happens when there is no record. Raises 7212 for a process ink
// whose process name is unknown; the record is closed on every path.
void LoadSavedInks(PrivateDataAccessor& accessor, InkList& list, std::int16_t& nextNumber);

}  // namespace orvane
