// The dialog templates of the built DLL, read back from its resources and compared
// with the layout the dialogs are written against.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "tests/PeResources.h"

namespace {

using orvane::test::PeResource;

constexpr std::uint32_t kDialogType = 5;
using orvane::test::kEnglishUs;
constexpr std::uint32_t kDialogStyle = 0x80L | 0x80000000L | 0x00C00000L | 0x00080000L;  // modal frame, popup, caption, system menu
constexpr std::uint32_t kSetFont = 0x40;
constexpr std::uint32_t kChild = 0x40000000, kVisible = 0x10000000, kTabStop = 0x00010000;
constexpr std::uint32_t kBorder = 0x00800000, kVScroll = 0x00200000;

struct Item {
    char kind;  // D default button, P button, C check box, G group, S static, E edit, L list, l list without tab stops, B combo
    int id;
    const char* text;
    int x, y, w, h;
};
struct Template {
    int id;
    const char* caption;
    int w, h;
    std::vector<Item> items;
};

const std::vector<Template>& Expected()
{
    static const std::vector<Template> templates = {
        {130, "Orvane Trapping Information", 344, 215,
         {{'D', 1, "OK", 287, 7, 50, 14}, {'P', 2, "Cancel", 287, 25, 50, 14},
          {'S', -1, "Document default trap style", 143, 32, 118, 8}, {'L', 1023, "", 16, 97, 250, 81},
          {'S', -1, "Page(s)", 17, 86, 25, 8}, {'S', -1, "Style", 120, 86, 16, 8}, {'S', -1, "Status", 217, 86, 21, 8},
          {'P', 1011, "Styles...", 287, 43, 50, 14}, {'P', 1014, "Inks...", 287, 61, 50, 14},
          {'G', -1, "Trap zones", 7, 76, 267, 132}, {'P', 1024, "Create...", 44, 187, 50, 14},
          {'P', 1025, "Modify...", 118, 187, 50, 14}, {'P', 1026, "Remove", 191, 187, 50, 14},
          {'G', -1, "Document default trapping", 7, 22, 264, 50}, {'C', 1021, "Trap all pages", 16, 38, 61, 10},
          {'C', 1022, "Trapping enabled", 7, 7, 72, 10}, {'B', 1001, "", 143, 44, 106, 62}}},
        {132, "Trap Styles", 229, 103,
         {{'D', 1, "OK", 168, 7, 54, 14}, {'P', 2, "Cancel", 168, 24, 54, 14}, {'l', 1029, "", 7, 18, 127, 59},
          {'S', -1, "Styles:", 7, 7, 22, 8}, {'P', 1017, "Create...", 168, 44, 54, 14},
          {'P', 1016, "Modify...", 168, 62, 54, 14}, {'P', 1018, "Remove", 168, 80, 54, 14}}},
        {112, "New Trap Style", 311, 173,
         {{'E', 1000, "", 43, 7, 109, 14}, {'E', 1002, "", 62, 34, 33, 14}, {'E', 1003, "", 62, 50, 33, 14},
          {'E', 1004, "", 81, 84, 34, 14}, {'E', 1005, "", 81, 101, 34, 14}, {'E', 1006, "", 81, 118, 34, 14},
          {'E', 1012, "", 81, 136, 34, 14}, {'E', 1014, "", 219, 49, 28, 14}, {'B', 1007, "", 244, 87, 55, 62},
          {'E', 1013, "", 218, 135, 29, 14}, {'D', 1, "OK", 254, 7, 50, 14}, {'P', 2, "Cancel", 254, 23, 50, 14},
          {'S', -1, "Image trap placement:", 165, 89, 78, 8},
          {'C', 1008, "Trap images to objects", 166, 107, 107, 10},
          {'C', 1009, "Internal image trapping", 166, 119, 104, 10}, {'S', 1010, "points", 114, 37, 28, 8},
          {'S', 1011, "points", 114, 52, 25, 8}, {'S', -1, "Name:", 7, 10, 22, 8},
          {'G', -1, "Trap width", 7, 26, 145, 43}, {'S', -1, "Default:", 13, 37, 47, 8},
          {'S', -1, "Black width:", 13, 52, 47, 8}, {'G', -1, "Trapping thresholds", 7, 74, 145, 85},
          {'S', -1, "Step limit:", 13, 88, 56, 8}, {'S', -1, "Black color limit:", 13, 103, 64, 8},
          {'S', -1, "Black density limit:", 13, 120, 63, 8}, {'S', -1, "%", 123, 86, 14, 8},
          {'S', -1, "%", 123, 103, 16, 8}, {'S', -1, "", 127, 120, 8, 8}, {'G', -1, "Image settings", 160, 74, 144, 85},
          {'S', -1, "Sliding trap limit:", 13, 138, 61, 8}, {'S', -1, "%", 123, 138, 15, 8},
          {'S', -1, "Resolution", 166, 138, 45, 8}, {'S', -1, "dpi", 252, 137, 21, 8},
          {'S', -1, "Color scaling:", 166, 51, 45, 8}, {'S', -1, "%", 254, 52, 15, 8}}},
        {133, "New Trap Zone", 204, 85,
         {{'D', 1, "OK", 147, 7, 50, 14}, {'P', 2, "Cancel", 147, 24, 50, 14}, {'B', 1001, "", 7, 17, 126, 70},
          {'E', 1008, "", 7, 46, 126, 14}, {'C', 1000, "Trapping enabled", 7, 68, 72, 10},
          {'S', -1, "Style", 7, 7, 16, 8}, {'S', -1, "Page(s)", 7, 35, 25, 8}}},
        {134, "Inks", 303, 114,
         {{'D', 1, "OK", 69, 91, 50, 14}, {'P', 2, "Cancel", 147, 91, 50, 14}, {'L', 1031, "", 7, 18, 226, 59},
          {'S', -1, "Ink", 7, 7, 11, 8}, {'S', -1, "Neutral density", 126, 7, 58, 8}, {'S', -1, "Type", 184, 7, 17, 8},
          {'P', 1032, "Modify...", 246, 18, 50, 14}, {'P', 1033, "Move up", 246, 36, 50, 14},
          {'P', 1035, "Move down", 246, 54, 50, 14}}},
        {166, "Current Ink", 263, 63,
         {{'S', -1, "Neutral density", 7, 25, 54, 8}, {'S', -1, "Type", 7, 43, 53, 8}, {'E', 1008, "", 70, 22, 28, 14},
          {'B', 1001, "", 70, 41, 102, 62}, {'S', -1, "Name:", 7, 8, 48, 8}, {'S', 1034, "Static", 69, 8, 126, 8},
          {'D', 1, "OK", 206, 7, 50, 14}, {'P', 2, "Cancel", 206, 24, 50, 14}}},
    };
    return templates;
}

// Reads a DLGTEMPLATE and its DLGITEMTEMPLATEs.
class TemplateReader {
public:
    explicit TemplateReader(const std::vector<unsigned char>& bytes) : b_(bytes) {}
    std::uint16_t Word()
    {
        if (at_ + 2 > b_.size()) throw orvane::test::PeFormatError("template ends early");
        std::uint16_t v = static_cast<std::uint16_t>(b_[at_] | (b_[at_ + 1] << 8));
        at_ += 2;
        return v;
    }
    std::uint32_t Dword()
    {
        std::uint32_t low = Word();
        return low | (static_cast<std::uint32_t>(Word()) << 16);
    }
    std::int16_t Short() { return static_cast<std::int16_t>(Word()); }
    std::string Text()
    {
        std::string text;
        for (std::uint16_t c = Word(); c != 0; c = Word()) text += static_cast<char>(c);
        return text;
    }
    // A string or an ordinal (0xFFFF then a word); the ordinal comes back in `ordinal`.
    std::string TextOrOrdinal(int& ordinal)
    {
        ordinal = -1;
        std::size_t save = at_;
        if (Word() == 0xFFFF) {
            ordinal = Word();
            return {};
        }
        at_ = save;
        return Text();
    }
    void Align() { at_ = (at_ + 3) & ~static_cast<std::size_t>(3); }

private:
    const std::vector<unsigned char>& b_;
    std::size_t at_ = 0;
};

void ExpectStyle(const Item& item, std::uint32_t style)
{
    const std::uint32_t buttonType = style & 0xF;
    SCOPED_TRACE(std::string("control ") + std::to_string(item.id) + " \"" + item.text + "\"");
    EXPECT_EQ(style & (kChild | kVisible), kChild | kVisible);
    switch (item.kind) {
    case 'D': EXPECT_EQ(buttonType, 1u); EXPECT_TRUE(style & kTabStop); break;
    case 'P': EXPECT_EQ(buttonType, 0u); EXPECT_TRUE(style & kTabStop); break;
    case 'C': EXPECT_EQ(buttonType, 2u) << "program-toggled check box"; EXPECT_TRUE(style & kTabStop); break;
    case 'G': EXPECT_EQ(buttonType, 7u); break;
    case 'S': EXPECT_EQ(style & 0x1F, 0u) << "left-aligned text"; break;
    case 'E':
        EXPECT_TRUE(style & 0x80) << "automatic horizontal scroll";
        EXPECT_TRUE(style & kBorder);
        EXPECT_TRUE(style & kTabStop);
        EXPECT_FALSE(style & 0x4) << "single line";
        break;
    case 'L':
    case 'l':
        EXPECT_TRUE(style & 0x1) << "notify";
        EXPECT_FALSE(style & 0x2) << "not sorted";
        EXPECT_EQ((style & 0x80) != 0, item.kind == 'L') << "tab stops";
        EXPECT_TRUE(style & 0x100) << "no integral height";
        EXPECT_TRUE(style & kBorder);
        EXPECT_TRUE(style & kVScroll);
        break;
    case 'B':
        EXPECT_EQ(style & 0x3, 3u) << "drop-down list";
        EXPECT_FALSE(style & 0x100) << "not sorted";
        EXPECT_TRUE(style & kVScroll);
        break;
    default: FAIL();
    }
}

int ClassOf(char kind)
{
    switch (kind) {
    case 'E': return 0x81;
    case 'S': return 0x82;
    case 'L':
    case 'l': return 0x83;
    case 'B': return 0x85;
    default: return 0x80;
    }
}

int ClassAtom(std::string name)
{
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (name == "button") return 0x80;
    if (name == "edit") return 0x81;
    if (name == "static") return 0x82;
    if (name == "listbox") return 0x83;
    if (name == "combobox") return 0x85;
    return -1;
}

TEST(DialogResources, TemplatesMatchTheLayout)
{
    const std::string path = orvane::test::BuiltDllPath();
    if (!std::ifstream(path, std::ios::binary)) GTEST_SKIP() << "no DLL at " << path;
    const auto resources = orvane::test::ReadPeResources(orvane::test::ReadWholeFile(path));
    for (const Template& expected : Expected()) {
        SCOPED_TRACE("dialog " + std::to_string(expected.id));
        const PeResource* found = nullptr;
        for (const PeResource& r : resources) {
            if (r.typeName.empty() && r.typeId == kDialogType && r.id == static_cast<std::uint32_t>(expected.id))
                found = &r;
        }
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->language, kEnglishUs);
        TemplateReader in(found->bytes);
        const std::uint32_t style = in.Dword();
        EXPECT_EQ(style & ~kSetFont, kDialogStyle);
        in.Dword();
        const int count = in.Word();
        in.Short();
        in.Short();
        EXPECT_EQ(in.Short(), expected.w);
        EXPECT_EQ(in.Short(), expected.h);
        int ordinal = 0;
        EXPECT_EQ(in.TextOrOrdinal(ordinal), "");  // no menu
        EXPECT_EQ(in.TextOrOrdinal(ordinal), "");  // standard class
        EXPECT_EQ(in.Text(), expected.caption);
        ASSERT_TRUE(style & kSetFont);
        EXPECT_EQ(in.Word(), 8);
        EXPECT_EQ(in.Text(), "MS Sans Serif");
        ASSERT_EQ(count, static_cast<int>(expected.items.size()));
        for (const Item& item : expected.items) {
            in.Align();
            const std::uint32_t itemStyle = in.Dword();
            in.Dword();
            const int x = in.Short(), y = in.Short(), w = in.Short(), h = in.Short();
            const int id = in.Word();
            EXPECT_EQ(id, item.id < 0 ? 0xFFFF : item.id) << item.text;
            EXPECT_EQ((std::vector<int>{x, y, w, h}), (std::vector<int>{item.x, item.y, item.w, item.h})) << item.text;
            const std::string className = in.TextOrOrdinal(ordinal);
            if (ordinal < 0) ordinal = ClassAtom(className);  // a class given by its name
            EXPECT_EQ(ordinal, ClassOf(item.kind)) << item.text;
            EXPECT_EQ(in.TextOrOrdinal(ordinal), item.text);
            const int extra = in.Word();
            for (int i = 0; i < extra; i += 2) in.Word();
            ExpectStyle(item, itemStyle);
        }
    }
}

}  // namespace
