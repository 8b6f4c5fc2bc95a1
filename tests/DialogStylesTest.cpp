#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "dialogs/TrapStyleEditor.h"
#include "dialogs/TrapStylesDialog.h"
#include "state/ModuleState.h"
#include "tests/DialogTestSupport.h"

namespace orvane {
namespace {

using platform::PortableDialog;
using E = TrapStyleEditor;

constexpr int kStylesList = TrapStylesDialog::kStyles;

std::map<int, std::string> ValidFields()
{
    return {{E::kName, "Tight"},          {E::kTrapWidth, "0.3"},       {E::kBlackWidth, "0.6"},
            {E::kStepLimit, "20"},        {E::kBlackColorLimit, "90"},  {E::kBlackDensityLimit, "1.5"},
            {E::kSlidingTrapLimit, "80"}, {E::kResolution, "1200"},     {E::kColorScaling, "50"}};
}

class StyleEditorTest : public ::testing::Test {
protected:
    // Runs a new-style editor over `names`, types the fields and presses OK once.
    int RunEditor(const std::map<int, std::string>& fields)
    {
        TrapStyleEditor editor(nullptr, names);
        host.Then([&](PortableDialog& d) {
            for (const auto& [id, text] : fields) d.Type(id, text);
            d.focus = 0;
            d.Click(platform::kIdOk);
            focus = d.focus;
        });
        int result = editor.Run();
        style = std::make_unique<TrapStyle>(editor.Style());
        return result;
    }

    std::vector<std::string> Messages() const { return host.MessageTexts(); }

    test::DialogTestHost host;
    TrapStyleList names;
    std::unique_ptr<TrapStyle> style;
    int focus = 0;
};

TEST_F(StyleEditorTest, ValidFieldsCloseWithOkAndAreStored)
{
    auto fields = ValidFields();
    fields[E::kResolution] = "+0600";
    ASSERT_EQ(RunEditor(fields), platform::kIdOk);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(style->name, "Tight");
    EXPECT_EQ(style->trapWidth, "0.3");
    EXPECT_EQ(style->blackDensityLimit, "1.5");
    EXPECT_EQ(style->imageResolution, "+0600");  // stored as typed
    EXPECT_EQ(style->trapColorScaling, "50");
}

TEST_F(StyleEditorTest, ChecksStopAtTheFirstFailureInOrder)
{
    struct Case {
        std::map<int, std::string> changes;
        std::string message;
        int focused;
    };
    const std::vector<Case> cases = {
        {{{E::kName, ""}, {E::kTrapWidth, ""}}, "A trap style name must be specified.", 0},
        {{{E::kTrapWidth, ""}, {E::kBlackWidth, ""}}, "The default trap width must be specified.", 0},
        {{{E::kTrapWidth, "-1"}, {E::kBlackWidth, ""}}, "Please enter a positive number.", E::kTrapWidth},
        {{{E::kBlackWidth, ""}}, "The black width must be specified.", 0},
        {{{E::kStepLimit, "-5"}}, "Please enter a positive number.", E::kStepLimit},
        {{{E::kStepLimit, "150"}}, "Please enter a valid percentage.", E::kStepLimit},
        {{{E::kBlackColorLimit, "-1"}}, "Please enter a valid percentage.", E::kBlackColorLimit},
        {{{E::kBlackDensityLimit, ""}}, "The black density limit must be specified.", 0},
        {{{E::kBlackDensityLimit, "12.5"}}, "The maximum Black Density Limit is 12.", E::kBlackDensityLimit},
        {{{E::kSlidingTrapLimit, "101"}}, "Please enter a valid percentage.", E::kSlidingTrapLimit},
        {{{E::kResolution, ""}}, "The image resolution must be specified.", 0},
        {{{E::kResolution, "2400.5"}}, "Please enter a positive whole number less than 2,000,000,000.",
         E::kResolution},
        {{{E::kColorScaling, ""}}, "The color scaling must be specified.", 0},
        {{{E::kColorScaling, "100.5"}}, "Please enter a valid percentage.", E::kColorScaling},
    };
    for (const Case& c : cases) {
        platform::Portable().messageBoxes.clear();
        auto fields = ValidFields();
        for (const auto& [id, text] : c.changes) fields[id] = text;
        EXPECT_EQ(RunEditor(fields), platform::kIdCancel) << c.message;
        ASSERT_EQ(Messages().size(), 1u) << c.message;
        EXPECT_EQ(Messages()[0], c.message);
        EXPECT_EQ(focus, c.focused) << c.message;
    }
}

TEST_F(StyleEditorTest, EveryRangeCheckAtItsLimitAndOneStepPast)
{
    struct Case {
        int field;
        const char* typed;
        const char* refusal;  // empty when accepted
    };
    const char* const positive = "Please enter a positive number.";
    const char* const percentage = "Please enter a valid percentage.";
    const std::vector<Case> cases = {
        {E::kTrapWidth, "0", ""},
        {E::kTrapWidth, "-0.01", positive},
        {E::kBlackWidth, "0", ""},
        {E::kBlackWidth, "-0.01", positive},
        {E::kStepLimit, "0", ""},
        {E::kStepLimit, "-0.01", positive},
        {E::kStepLimit, "100", ""},
        {E::kStepLimit, "100.01", percentage},
        {E::kBlackColorLimit, "0", ""},
        {E::kBlackColorLimit, "-0.01", percentage},
        {E::kBlackColorLimit, "100", ""},
        {E::kBlackColorLimit, "100.01", percentage},
        {E::kBlackDensityLimit, "0", ""},
        {E::kBlackDensityLimit, "-0.01", positive},
        {E::kBlackDensityLimit, "12", ""},
        {E::kBlackDensityLimit, "12.0000001", ""},  // 12 in single precision
        {E::kBlackDensityLimit, "12.000001", "The maximum Black Density Limit is 12."},
        {E::kBlackDensityLimit, "12.01", "The maximum Black Density Limit is 12."},
        {E::kSlidingTrapLimit, "0", ""},
        {E::kSlidingTrapLimit, "-0.01", percentage},
        {E::kSlidingTrapLimit, "100", ""},
        {E::kSlidingTrapLimit, "100.01", percentage},
        {E::kResolution, "0", ""},
        {E::kResolution, "2147483647", ""},
        {E::kResolution, "2147483648", "Please enter a positive whole number less than 2,000,000,000."},
        {E::kColorScaling, "0", ""},
        {E::kColorScaling, "-0.01", percentage},
        {E::kColorScaling, "100", ""},
        {E::kColorScaling, "100.01", percentage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.field) + " " + c.typed);
        platform::Portable().messageBoxes.clear();
        auto fields = ValidFields();
        fields[c.field] = c.typed;
        const bool accepted = std::string(c.refusal).empty();
        EXPECT_EQ(RunEditor(fields), accepted ? platform::kIdOk : platform::kIdCancel);
        if (accepted) {
            EXPECT_TRUE(Messages().empty());
        } else {
            ASSERT_EQ(Messages().size(), 1u);
            EXPECT_EQ(Messages()[0], c.refusal);
            EXPECT_EQ(focus, c.field);
        }
    }
}

TEST_F(StyleEditorTest, NameRules)
{
    names.AddStyle(std::make_unique<TrapStyle>(*TrapStyle::WithDefaults()));
    names.StyleAt(0)->name = "Tight";
    auto fields = ValidFields();
    EXPECT_EQ(RunEditor(fields), platform::kIdCancel);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(platform::Portable().messageBoxes[0].caption, "Duplicate Information");

    fields[E::kName] = "TIGHT";
    EXPECT_EQ(RunEditor(fields), platform::kIdOk);
    fields[E::kName] = " ";
    EXPECT_EQ(RunEditor(fields), platform::kIdOk);

    platform::Portable().messageBoxes.clear();
    fields[E::kName] = ReservedStyleName();
    ASSERT_FALSE(ReservedStyleName().empty());
    EXPECT_EQ(RunEditor(fields), platform::kIdCancel);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "The style name you have entered is reserved.  Please enter another name.");
}

TEST_F(StyleEditorTest, ShowsAndReadsTheUsersNotation)
{
    Module().decimalSeparator = ',';
    Module().thousandsSeparator = '.';
    TrapStyleEditor editor(nullptr, names);
    host.Then([&](PortableDialog& d) {
        EXPECT_EQ(d.Text(E::kTrapWidth, -1), "0,25");
        EXPECT_EQ(d.Text(E::kResolution, -1), "2400");
        EXPECT_EQ(d.Rows(E::kPlacement), (std::vector<std::string>{"Center", "Choke", "Normal", "Spread"}));
        EXPECT_TRUE(d.IsChecked(E::kImageToObject));
        d.Type(E::kName, "Comma");
        d.Type(E::kBlackWidth, "0,75");
        d.Pick(E::kPlacement, 3);
        d.Click(E::kImageInternal);
        d.Click(E::kImageToObject);
        d.Click(platform::kIdOk);
    });
    ASSERT_EQ(editor.Run(), platform::kIdOk);
    EXPECT_EQ(editor.Style().blackWidth, "0.75");
    EXPECT_EQ(editor.Style().trapWidth, "0.25");
    EXPECT_EQ(editor.Style().imageTrapPlacement, 3);
    EXPECT_EQ(editor.Style().imageInternalTrapping, 1);
    EXPECT_EQ(editor.Style().imageToObjectTrapping, 0);
}

class StylesDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Module().currentStyleList = std::make_unique<TrapStyleList>();
        for (const char* name : {"A", "B", "C"}) {
            auto style = std::make_unique<TrapStyle>(*TrapStyle::WithDefaults());
            style->name = name;
            style->trapWidth = std::string("0.") + static_cast<char>('1' + (name[0] - 'A'));
            Module().currentStyleList->AddStyle(std::move(style));
        }
    }
    void TearDown() override { Module().currentStyleList.reset(); }

    test::DialogTestHost host;
};

TEST_F(StylesDialogTest, CreateStartsFromTheSelectedStyle)
{
    TrapStylesDialog dialog(nullptr);
    host.Then([&](PortableDialog& d) {
        EXPECT_EQ(d.Rows(kStylesList), (std::vector<std::string>{ReservedStyleName(), "A", "B", "C"}));
        EXPECT_FALSE(d.IsEnabled(TrapStylesDialog::kModify));
        d.Pick(kStylesList, 2);
        EXPECT_TRUE(d.IsEnabled(TrapStylesDialog::kRemove));
        d.Click(TrapStylesDialog::kCreate);
        d.Pick(kStylesList, 0);
        EXPECT_FALSE(d.IsEnabled(TrapStylesDialog::kRemove));
        d.Click(TrapStylesDialog::kCreate);
        d.Click(platform::kIdOk);
    });
    host.Then([&](PortableDialog& editor) {
        EXPECT_EQ(editor.caption, "New Trap Style");
        EXPECT_EQ(editor.Text(E::kName, -1), "");
        EXPECT_EQ(editor.Text(E::kTrapWidth, -1), "0.2");
        editor.Type(E::kTrapWidth, "0.4");
        editor.Type(E::kName, "D");
        editor.Click(platform::kIdOk);
    });
    host.Then([&](PortableDialog& editor) { EXPECT_EQ(editor.Text(E::kTrapWidth, -1), "0.25"); });
    ASSERT_EQ(dialog.Run(), platform::kIdOk);
    const TrapStyleList& current = *Module().currentStyleList;
    ASSERT_EQ(current.Count(), 4);
    EXPECT_EQ(current.StyleAt(3)->name, "D");
    EXPECT_EQ(current.StyleAt(3)->trapWidth, "0.4");
}

TEST_F(StylesDialogTest, ModifyAndRemoveAreEnabledOnStyleRowsOnly)
{
    // Row 0 is the reserved name; rows 1 to 3 the styles A, B, C.
    const std::vector<std::pair<int, bool>> cases = {{0, false}, {1, true}, {2, true}, {3, true}, {0, false}};
    TrapStylesDialog dialog(nullptr);
    host.Then([&](PortableDialog& d) {
        EXPECT_FALSE(d.IsEnabled(TrapStylesDialog::kModify));
        EXPECT_FALSE(d.IsEnabled(TrapStylesDialog::kRemove));
        for (const auto& [row, enabled] : cases) {
            SCOPED_TRACE(row);
            ASSERT_TRUE(d.Pick(kStylesList, row));
            EXPECT_EQ(d.Selection(kStylesList), row);
            EXPECT_EQ(d.IsEnabled(TrapStylesDialog::kModify), enabled);
            EXPECT_EQ(d.IsEnabled(TrapStylesDialog::kRemove), enabled);
        }
        // Removing the last style selects the row before it; the buttons stay on
        // while a style row is selected and go off with the last style.
        for (int row : {3, 2, 1}) {
            d.Pick(kStylesList, row);
            d.Click(TrapStylesDialog::kRemove);
            EXPECT_EQ(d.Selection(kStylesList), row - 1);
            EXPECT_EQ(d.IsEnabled(TrapStylesDialog::kRemove), row > 1);
        }
        d.Click(platform::kIdCancel);
    });
    dialog.Run();
}

TEST_F(StylesDialogTest, ModifyKeepsTheNameAndRowText)
{
    TrapStylesDialog dialog(nullptr);
    host.Then([&](PortableDialog& d) {
        d.Pick(kStylesList, 1);
        d.Click(TrapStylesDialog::kModify);
        EXPECT_EQ(d.RowText(kStylesList, 1), "A");
        d.Click(platform::kIdOk);
    });
    host.Then([&](PortableDialog& editor) {
        EXPECT_EQ(editor.caption, "Modify Trap Style");
        EXPECT_FALSE(editor.IsEnabled(E::kName));
        EXPECT_EQ(editor.Text(E::kName, -1), "A");
        editor.Type(E::kStepLimit, "33");
        editor.Click(platform::kIdOk);  // its own name is no duplicate
    });
    ASSERT_EQ(dialog.Run(), platform::kIdOk);
    EXPECT_TRUE(host.MessageTexts().empty());
    EXPECT_EQ(Module().currentStyleList->StyleAt(0)->stepLimit, "33");
    EXPECT_EQ(Module().currentStyleList->StyleAt(0)->name, "A");
}

TEST_F(StylesDialogTest, RemovalRefusalsAndSelection)
{
    Module().currentStyleList->StyleAt(0)->inUse = 1;
    Settings().defaultStyleName = "A";
    TrapStylesDialog dialog(nullptr);
    host.Then([&](PortableDialog& d) {
        d.Pick(kStylesList, 1);
        d.Click(TrapStylesDialog::kRemove);  // in use and default: the zone message first
        Settings().defaultStyleName = "B";
        d.Pick(kStylesList, 2);
        d.Click(TrapStylesDialog::kRemove);
        EXPECT_EQ(d.RowCount(kStylesList), 4);
        d.Pick(kStylesList, 3);
        d.Click(TrapStylesDialog::kRemove);  // last row: the one before gets selected
        EXPECT_EQ(d.Rows(kStylesList), (std::vector<std::string>{ReservedStyleName(), "A", "B"}));
        EXPECT_EQ(d.Selection(kStylesList), 2);
        d.Click(platform::kIdOk);
    });
    ASSERT_EQ(dialog.Run(), platform::kIdOk);
    ASSERT_EQ(platform::Portable().messageBoxes.size(), 2u);
    EXPECT_EQ(platform::Portable().messageBoxes[0].text.substr(0, 48),
              "This style is assigned to at least one trap zone");
    EXPECT_EQ(platform::Portable().messageBoxes[0].caption, "");
    EXPECT_EQ(platform::Portable().messageBoxes[1].text.substr(0, 49),
              "This style is assigned to document-wide trapping.");
    EXPECT_EQ(Module().currentStyleList->Count(), 2);
    Settings().defaultStyleName.clear();
}

TEST_F(StylesDialogTest, RemovingEveryStyleLeavesTheReservedRowAndCancelKeepsTheList)
{
    TrapStylesDialog dialog(nullptr);
    host.Then([&](PortableDialog& d) {
        for (int i = 0; i < 3; ++i) {
            d.Pick(kStylesList, 1);
            d.Click(TrapStylesDialog::kRemove);
        }
        EXPECT_EQ(d.Rows(kStylesList), std::vector<std::string>{ReservedStyleName()});
        EXPECT_FALSE(d.IsEnabled(TrapStylesDialog::kModify));
        EXPECT_FALSE(d.IsEnabled(TrapStylesDialog::kRemove));
        d.Click(platform::kIdCancel);
    });
    const TrapStyleList* before = Module().currentStyleList.get();
    EXPECT_EQ(dialog.Run(), platform::kIdCancel);
    EXPECT_EQ(Module().currentStyleList.get(), before);
    EXPECT_EQ(Module().currentStyleList->Count(), 3);
}

}  // namespace
}  // namespace orvane
