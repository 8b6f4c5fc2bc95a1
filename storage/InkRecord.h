// The publication's ink record "BBB".
#pragma once
#include <cstdint>

namespace orvane {

class InkList;
class PrivateDataAccessor;

// Writes the list (an empty list leaves the record empty). Always true.
bool SaveInks(const InkList& list);

// Appends the stored entries read whole to `list` and raises `nextNumber` past every
// number they hold. Nothing happens when there is no record or an empty one (true).
// False when the record is there but could not be read to its end (an entry cut
// short is not appended) or is not one of ours. Raises 7212 for a process ink whose
// process name is unknown; the record is closed on every path.
bool LoadSavedInks(PrivateDataAccessor& accessor, InkList& list, std::int16_t& nextNumber);

}  // namespace orvane
