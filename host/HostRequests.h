// One typed call per numbered Host request. Each encodes its input block, performs
// the request and returns the reply as named fields; nothing above this layer
// decodes reply bytes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace orvane::requests {

enum RequestId : std::uint16_t {
    kCreateColor = 913,
    kRemoveColor = 916,
    kAttachPageLabel = 1626,
    kSetPrintSetting = 1765,
    kFolders = 2003,
    kColorInfo = 2202,
    kColorNames = 2203,
    kColorDensity = 2803,
    kInkDensity = 2804,
    kPublicationPages = 3503,
    kPageSize = 3507,
    kHostIdentity = 3510,
    kPublicationState = 3511,
    kPublicationName = 3513,
    kPrintOptions = 3518,
    kPrintOutput = 3521,
    kPaperSize = 3522,
    kTrapOutput = 3523,
    kReadPageLabel = 3531,
    kPageKey = 3533,
    kPageNumber = 3534,
    kPrintSetting = 3916,
};

// 3510: the first header text, the Host's name followed by its version.
std::string HostIdentity();

// 3511: 1 when no publication is open (a command then skips the unsaved check).
std::int16_t PublicationState();

// 3513
std::string PublicationName();

// 3503
struct PublicationPages {
    std::int16_t firstPage = 0;
    std::int16_t pageCount = 0;
    std::int16_t value3 = 0;
    std::int16_t value4 = 0;
    std::string text;
};
PublicationPages Pages();

// 3507, twentieths of a point
struct PageSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};
PageSize PageDimensions();

// 3522, twentieths of a point: the first 32-bit value is the height, the second the width
struct PaperSize {
    std::int32_t height = 0;
    std::int32_t width = 0;
};
PaperSize PaperDimensions();

// 3518
struct PrintOptions {
    std::int16_t copies = 0;
    std::int16_t reverse = 0;       // 1: reverse order
    std::string pageRange;          // empty: all pages
    std::int16_t parity = 0;        // 0 all, 1 even only, 2 odd only
    std::int16_t spreads = 0;       // non-zero: spreads
};
PrintOptions PrintOptionsOfJob();

// 3521: the ten 16-bit values
struct PrintOutput {
    std::int16_t values[10] = {};
};
PrintOutput PrintOutputOfJob();

// 3523
std::int16_t TrapOutput();

// 3916: the first value of the print setting
std::int16_t PrintSetting();

// 1765: writes the first value, the other six passed as -2
void SetPrintSetting(std::int16_t value);

// 2003: the first text is the folder of the preferences file
struct Folders {
    std::string first;
    std::string second;
};
Folders FolderNames();

// 2202 selector 1
struct ColorInfo {
    std::int16_t c = 0, m = 0, y = 0, k = 0;
    std::int16_t kind = 0;
};
ColorInfo ColorInformation(const std::string& colorName);

// 2202 selector 4: the names of the inks of a colour made of several inks
std::vector<std::string> ColorInks(const std::string& colorName);

// 2203
std::vector<std::string> ColorNames();

// 2803: neutral density of a colour, thousandths
std::int16_t ColorDensity(const std::string& colorName);

// 2804: neutral density of an ink, thousandths
std::int16_t InkDensity(const std::string& inkName);

// 913: creates a colour of the given name and composition
void CreateColor(const std::string& name, const std::int16_t values[7]);

// 916: removes a colour
void RemoveColor(const std::string& name);

// 1626: attaches a private text to a page. Raises 7223 for a code that is not four characters.
void AttachPageLabel(const char* creator, const char* type, std::int16_t value1, std::int32_t value2,
                     std::int32_t key, std::int16_t value4, const std::string& text);

// 3531: reads a page's private text.
struct PageLabelReply {
    std::int16_t value = 0;
    std::string text;
};
PageLabelReply ReadPageLabel(const char* creator, const char* type, std::int16_t value1, std::int32_t value2,
                             std::int32_t key);

// 3533: the key of the page with a number
std::int32_t PageKey(std::int16_t pageNumber);

// 3534: the current number of the page with a key
std::int16_t PageNumber(std::int32_t pageKey);

}  // namespace orvane::requests
