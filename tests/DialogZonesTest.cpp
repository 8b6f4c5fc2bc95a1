#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "dialogs/TrapStyleEditor.h"
#include "dialogs/TrapStylesDialog.h"
#include "dialogs/TrapZoneDialog.h"
#include "dialogs/TrappingInfoDialog.h"
#include "state/ModuleState.h"
#include "storage/DocumentRecord.h"
#include "storage/Preferences.h"
#include "tests/DialogTestSupport.h"
#include "tests/RecordBytes.h"
#include "tests/StoredSettings.h"

namespace orvane {
namespace {

using platform::PortableDialog;
using I = TrappingInfoDialog;
using Z = TrapZoneDialog;
using E = TrapStyleEditor;

class InfoDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = ::testing::TempDir() + "orvane-dialogs-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        host.host.publication.folder = folder;
        host.host.publication.SetPageCount(8);
    }
    void TearDown() override { std::remove((folder + "\\OrvaneTrp.prf").c_str()); }

    // A session of the styles dialog that creates styles with the given names.
    void CreateStyles(std::vector<std::string> names)
    {
        host.Then([names](PortableDialog& d) {
            for (std::size_t i = 0; i < names.size(); ++i) d.Click(TrapStylesDialog::kCreate);
            d.Click(platform::kIdOk);
        });
        for (const std::string& name : names) {
            host.Then([name](PortableDialog& editor) {
                editor.Type(E::kName, name);
                editor.Click(platform::kIdOk);
            });
        }
    }
    void CreateZone(const std::string& pages, const std::string& style)
    {
        host.Then([pages, style](PortableDialog& zone) {
            zone.Type(Z::kPages, pages);
            zone.PickText(Z::kStyle, style);
            zone.Click(platform::kIdOk);
        });
    }

    test::DialogTestHost host;
    std::string folder;
};

TEST_F(InfoDialogTest, ZonesAreSavedAndShownFormattedOnReopening)
{
    host.Then([&](PortableDialog& d) {
        EXPECT_EQ(d.owner, platform::Portable().hostMainWindow);
        EXPECT_FALSE(d.IsEnabled(I::kModifyZone));
        EXPECT_EQ(d.Control(I::kZones).tabStops, std::vector<int>{100});
        d.Click(I::kStyles);
        d.Click(I::kCreateZone);
        EXPECT_EQ(d.Rows(I::kZones), std::vector<std::string>{"1-3, 5,7,8\tWide\tEnabled"});
        EXPECT_TRUE(d.IsEnabled(I::kModifyZone));
        d.PickText(I::kDefaultStyle, "Wide");
        d.Click(I::kTrappingEnabled);
        d.Click(platform::kIdOk);
    });
    CreateStyles({"Wide"});
    CreateZone("1-3, 5,7,8", "Wide");
    ASSERT_EQ(host.host.Command(1), 0);
    EXPECT_EQ(host.LastClosed(I::kDialogId).result, platform::kIdOk);

    std::vector<std::string> rows;
    std::string defaultStyle;
    bool enabled = false;
    host.Then([&](PortableDialog& d) {
        rows = d.Rows(I::kZones);
        defaultStyle = d.RowText(I::kDefaultStyle, d.Selection(I::kDefaultStyle));
        enabled = d.IsChecked(I::kTrappingEnabled);
        d.Click(I::kModifyZone);
    });
    host.Then([&](PortableDialog& zone) {
        EXPECT_EQ(zone.caption, "Modify Trap Zone");
        EXPECT_EQ(zone.Text(Z::kPages, -1), "1-3,5,7-8");
        EXPECT_EQ(zone.RowText(Z::kStyle, zone.Selection(Z::kStyle)), "Wide");
    });
    ASSERT_EQ(host.host.Command(1), 0);
    EXPECT_EQ(rows, std::vector<std::string>{"1-3,5,7-8\tWide\tEnabled"});
    EXPECT_EQ(defaultStyle, "Wide");
    EXPECT_TRUE(enabled);
}

TEST_F(InfoDialogTest, AModifiedZoneThatChangesStyleUpdatesBothStylesInUseFlags)
{
    const std::string R = ReservedStyleName();
    struct Case {
        const char* what;
        std::vector<std::string> zoneStyles;  // zone 0 is modified
        std::string newStyle;
        std::vector<std::string> inUse;  // of A and B, after the change
    };
    const std::vector<Case> cases = {
        {"A to B", {"A"}, "B", {"B"}},
        {"A to B while another zone keeps A", {"A", "A"}, "B", {"A", "B"}},
        {"A to B while another zone has B", {"A", "B"}, "B", {"B"}},
        {"A to the reserved name", {"A"}, R, {}},
        {"the reserved name to B", {R}, "B", {"B"}},
        {"A to A", {"A"}, "A", {"A"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.host.publication.records.clear();
        platform::Portable().messageBoxes.clear();
        // A and B in the preferences file; the zones in the publication.
        Module().currentStyleList = std::make_unique<TrapStyleList>();
        for (const char* name : {"A", "B"}) {
            auto style = TrapStyle::WithDefaults();
            style->name = name;
            Module().currentStyleList->AddStyle(std::move(style));
        }
        ASSERT_EQ(SavePreferences(), 1);
        std::vector<test::StoredZone> zones;
        for (std::size_t i = 0; i < c.zoneStyles.size(); ++i) zones.push_back({c.zoneStyles[i], 1, {static_cast<int>(i) + 1}});
        test::StoreSettings(host.host, 1, 0, R, zones, {});

        std::vector<std::string> refused;
        host.Then([&](PortableDialog& d) {
            ASSERT_TRUE(d.Pick(I::kZones, 0));
            ASSERT_TRUE(d.Click(I::kModifyZone));
            d.Click(I::kStyles);
        });
        host.Then([&](PortableDialog& zone) {
            ASSERT_TRUE(zone.PickText(Z::kStyle, c.newStyle));
            zone.Click(platform::kIdOk);
        });
        // The styles dialog refuses to remove a style in use.
        host.Then([&](PortableDialog& s) {
            for (const char* name : {"A", "B"}) {
                const std::size_t before = platform::Portable().messageBoxes.size();
                ASSERT_TRUE(s.PickText(TrapStylesDialog::kStyles, name));
                s.Click(TrapStylesDialog::kRemove);
                if (platform::Portable().messageBoxes.size() > before) refused.push_back(name);
            }
            s.Click(platform::kIdCancel);
        });
        ASSERT_EQ(host.host.Command(1), 0);
        EXPECT_EQ(refused, c.inUse);
        for (const auto& box : platform::Portable().messageBoxes)
            EXPECT_EQ(box.text.substr(0, 49), "This style is assigned to at least one trap zone.");
    }
}

TEST_F(InfoDialogTest, NewZonesAreNumberedOnFromTheHighestLoadedNumber)
{
    struct Case {
        std::vector<std::int32_t> stored;
        std::vector<std::int32_t> created;  // the numbers of three new zones
    };
    const std::vector<Case> cases = {
        {{}, {1, 2, 3}},
        {{5}, {5, 6, 7}},  // the counter starts at the highest number, not past it
        {{7, 3}, {7, 8, 9}},
        {{-4}, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.size());
        test::Bytes record;
        record.Byte('w').I16(0).I16(0).Text("PDS").I16(static_cast<int>(c.stored.size()));
        for (std::int32_t id : c.stored) record.I32(id).Text("PDS").I16(1).I16(1).I32(host.host.publication.pages[0].key).I16(1);
        host.host.publication.records.clear();
        host.host.publication.records[{"AAA", "ORVT"}] = record.Get();
        host.Then([&](PortableDialog& d) {
            for (int i = 0; i < 3; ++i) d.Click(I::kCreateZone);
            d.Click(platform::kIdOk);
        });
        for (const char* pages : {"2", "3", "4"}) CreateZone(pages, ReservedStyleName());
        ASSERT_EQ(host.host.Command(1), 0);

        TrapZoneList saved;
        LoadDocumentRecord(saved);
        std::vector<std::int32_t> ids;
        for (const auto& zone : saved.Zones()) ids.push_back(zone->id);
        std::vector<std::int32_t> expected = c.stored;
        expected.insert(expected.end(), c.created.begin(), c.created.end());
        EXPECT_EQ(ids, expected);
    }
}

TEST_F(InfoDialogTest, CancelLeavesThePublicationUntouched)
{
    const auto before = host.host.publication.records;
    host.Then([&](PortableDialog& d) {
        d.Click(I::kCreateZone);
        d.Click(I::kTrapAllPages);
        d.Click(platform::kIdCancel);
    });
    CreateZone("2", ReservedStyleName());
    ASSERT_EQ(host.host.Command(1), 0);
    EXPECT_EQ(host.host.publication.records, before);
    EXPECT_EQ(Module().currentStyleList, nullptr);
}

TEST_F(InfoDialogTest, RemovingZonesSelectsTheRowBeforeAndDisablesButtons)
{
    host.Then([&](PortableDialog& d) {
        d.Click(I::kCreateZone);
        d.Click(I::kCreateZone);
        d.Pick(I::kZones, 1);
        d.Click(I::kRemoveZone);
        EXPECT_EQ(d.Selection(I::kZones), 0);
        EXPECT_TRUE(d.IsEnabled(I::kRemoveZone));
        d.Click(I::kRemoveZone);
        EXPECT_EQ(d.RowCount(I::kZones), 0);
        EXPECT_FALSE(d.IsEnabled(I::kRemoveZone));
        EXPECT_FALSE(d.IsEnabled(I::kModifyZone));
        EXPECT_FALSE(d.Click(I::kRemoveZone));
    });
    CreateZone("1", ReservedStyleName());
    CreateZone("2", ReservedStyleName());
    ASSERT_EQ(host.host.Command(1), 0);
}

TEST_F(InfoDialogTest, AStyleAZoneUsesCanBeRemovedOnlyAfterTheZone)
{
    host.Then([&](PortableDialog& d) {
        d.Click(I::kStyles);
        d.Click(I::kCreateZone);
        d.Click(I::kStyles);  // refused while the zone names it
        d.Click(I::kRemoveZone);
        d.Click(I::kStyles);  // now accepted
        EXPECT_EQ(d.Rows(I::kDefaultStyle), std::vector<std::string>{ReservedStyleName()});
    });
    CreateStyles({"A"});
    CreateZone("4", "A");
    auto removeA = [](PortableDialog& s) {
        s.Pick(TrapStylesDialog::kStyles, 1);
        s.Click(TrapStylesDialog::kRemove);
        s.Click(platform::kIdOk);
    };
    host.Then(removeA);
    host.Then(removeA);
    ASSERT_EQ(host.host.Command(1), 0);
    ASSERT_EQ(host.MessageTexts().size(), 1u);
    EXPECT_EQ(host.MessageTexts()[0].substr(0, 49), "This style is assigned to at least one trap zone.");
}

TEST_F(InfoDialogTest, DefaultStyleStaysSelectedWhenAnotherStyleIsRemoved)
{
    host.Then([&](PortableDialog& d) {
        d.Click(I::kStyles);
        d.PickText(I::kDefaultStyle, "C");
        d.Click(I::kStyles);
        EXPECT_EQ(d.Rows(I::kDefaultStyle), (std::vector<std::string>{ReservedStyleName(), "B", "C"}));
        EXPECT_EQ(d.RowText(I::kDefaultStyle, d.Selection(I::kDefaultStyle)), "C");
    });
    CreateStyles({"A", "B", "C"});
    host.Then([](PortableDialog& s) {
        s.Pick(TrapStylesDialog::kStyles, 1);
        s.Click(TrapStylesDialog::kRemove);
        s.Click(platform::kIdOk);
    });
    ASSERT_EQ(host.host.Command(1), 0);
    EXPECT_TRUE(host.MessageTexts().empty());
}

TEST_F(InfoDialogTest, WithoutAPublicationOnlyStylesOkAndCancelWork)
{
    host.host.publication.state = 1;
    const auto before = host.host.publication.records;
    host.Then([&](PortableDialog& d) {
        for (int id : {I::kCreateZone, I::kModifyZone, I::kRemoveZone, I::kInks, I::kTrapAllPages,
                       I::kTrappingEnabled, I::kDefaultStyle})
            EXPECT_FALSE(d.IsEnabled(id)) << id;
        EXPECT_TRUE(d.IsEnabled(I::kStyles));
        d.Click(platform::kIdOk);
    });
    ASSERT_EQ(host.host.Command(1), 0);
    EXPECT_EQ(host.host.publication.records, before);
}

TEST_F(InfoDialogTest, ZonePageChecks)
{
    host.Then([&](PortableDialog& d) {
        d.Click(I::kCreateZone);
        EXPECT_EQ(d.RowCount(I::kZones), 1);
        d.Click(platform::kIdCancel);
    });
    host.Then([&](PortableDialog& zone) {
        EXPECT_EQ(zone.caption, "New Trap Zone");
        EXPECT_EQ(zone.Selection(Z::kStyle), 0);
        EXPECT_TRUE(zone.IsChecked(Z::kEnabled));
        EXPECT_EQ(zone.focus, Z::kPages);
        zone.focus = 0;
        zone.Click(platform::kIdOk);  // empty
        EXPECT_EQ(zone.focus, 0);
        zone.Type(Z::kPages, "7-9");  // page 9 does not exist
        zone.Click(platform::kIdOk);
        EXPECT_EQ(zone.focus, Z::kPages);
        EXPECT_EQ(zone.Control(Z::kPages).selectTo, -1);
        EXPECT_FALSE(zone.ended);
        zone.Type(Z::kPages, std::string(300, '1'));  // long text: refused, nothing overflows
        zone.Click(platform::kIdOk);
        EXPECT_FALSE(zone.ended);
        zone.Type(Z::kPages, "1,2,3,4,5,6,7,8");
        zone.Click(Z::kEnabled);
        zone.Click(platform::kIdOk);
        EXPECT_TRUE(zone.ended);
    });
    ASSERT_EQ(host.host.Command(1), 0);
    const auto& boxes = platform::Portable().messageBoxes;
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].caption, "Incomplete Information");
    EXPECT_EQ(boxes[1].caption, "Bad page Information");
    EXPECT_EQ(boxes[1].text, "A valid page range must be given for this zone.");
    EXPECT_EQ(boxes[2].caption, "Bad page Information");
    EXPECT_EQ(host.LastClosed(I::kDialogId).controls.at(I::kZones).rows,
              // 6 pixels a character, base unit 8: 99 dialog units hold 33 characters.
              std::vector<std::string>{("1,2,3,4,5,6,7,8\t" + ReservedStyleName()).substr(0, 33) + "\tDisabled"});
}

TEST_F(InfoDialogTest, ModifiedZoneGetsExactlyTheNewPages)
{
    TrapZoneDialog dialog(nullptr);
    dialog.Zone().AddPage(host.host.publication.pages[0].key, 1);
    dialog.Zone().AddPage(host.host.publication.pages[1].key, 2);
    host.Then([](PortableDialog& zone) {
        EXPECT_EQ(zone.Text(Z::kPages, -1), "1-2");
        zone.Type(Z::kPages, "2, 4-5");
        zone.Click(platform::kIdOk);
    });
    ASSERT_EQ(dialog.Run(), platform::kIdOk);
    std::vector<int> numbers;
    for (const auto& page : dialog.Zone().pages) {
        numbers.push_back(page->pageNumber);
        EXPECT_EQ(page->pageKey, host.host.publication.pages[static_cast<std::size_t>(page->pageNumber - 1)].key);
    }
    EXPECT_EQ(numbers, (std::vector<int>{2, 4, 5}));
    EXPECT_EQ(dialog.PageText(), "2, 4-5");
    EXPECT_EQ(dialog.Zone().styleName, ReservedStyleName());
}

TEST_F(InfoDialogTest, AHostFailureInsideADialogEndsTheDialogsAndReachesMain)
{
    host.host.failRequests[3503] = {1234, 0, -1};
    host.Then([](PortableDialog& d) { d.Click(I::kCreateZone); });
    host.Then([](PortableDialog& zone) {
        zone.Type(Z::kPages, "1");
        zone.Click(platform::kIdOk);
    });
    EXPECT_EQ(host.host.Command(1), 1234);
    EXPECT_EQ(host.host.reportedErrors, std::vector<std::int16_t>{1234});
    EXPECT_EQ(host.host.OutstandingInterfaces(), 0);
}

TEST_F(InfoDialogTest, MenuCommandsOpenTheirDialogs)
{
    ASSERT_EQ(host.host.Command(2), 0);
    ASSERT_EQ(platform::PortableDialogs().opened, std::vector<int>{Z::kDialogId});
    EXPECT_EQ(platform::PortableDialogs().closed[0].owner, nullptr);
    ASSERT_EQ(host.host.Command(3), 0);
    EXPECT_EQ(platform::PortableDialogs().opened.size(), 1u);
}

}  // namespace
}  // namespace orvane
