// Page labels: a private text on each zoned page that names its key, so that a
// zone finds its pages again after they were renumbered.
#pragma once
#include <cstdint>
#include <string>

namespace orvane {

constexpr std::size_t kPageLabelCapacity = 32;  // bytes, terminating NUL included

// "ORVT <key> ORVT" with the low 16 bits of the key, sign-extended, printed unsigned.
std::string FormatPageLabel(std::int32_t key);

// The key a label text names (low 16 bits), or 0 when the text is not a label.
// Only the first kPageLabelCapacity - 1 bytes of the text count.
std::int16_t ParsePageLabel(const std::string& text);

// Attaches the label to the page with that key (request 1626); failures are ignored.
void WritePageLabel(std::int32_t key);

// The key named by the label of the page with that key (request 3531); 0 when
// there is none or the request fails.
std::int16_t ReadPageLabel(std::int32_t key);

// Whether the page with the stored key still carries its label, directly or, after
// a renumbering, through the label of some page; writes that page's label again.
// A failed label read counts as no label; the page list and page key requests
// raise the Host's status.
bool ResolvePageKey(std::int32_t key);
bool FindPageByLabel(std::int32_t key);

}  // namespace orvane
