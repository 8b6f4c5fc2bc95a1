#include <gtest/gtest.h>

#include "model/Ink.h"
#include "model/TrapStyle.h"
#include "model/TrapZone.h"
#include "postscript/PageZones.h"
#include "postscript/Template.h"
#include "postscript/TrapSetupWriter.h"
#include "tests/TestHost.h"

namespace orvane {
namespace {

std::unique_ptr<InkEntry> Ink(const std::string& name, const std::string& process, const std::string& density,
                              std::int16_t type = kInkNormal)
{
    auto entry = std::make_unique<InkEntry>();
    entry->name = name;
    entry->processName = process;
    entry->densityText = density;
    entry->type = type;
    return entry;
}

class TrapSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings().trappingEnabled = 1;
        Settings().defaultStyleName = "Default";
        Module().currentStyleList = std::make_unique<TrapStyleList>();
        ASSERT_NE(Module().inkList, nullptr) << "the plug-in did not load";
        Module().inkList->Append(Ink("Process Cyan", "Cyan", "0.6100"));
        Module().inkList->Append(Ink("Gold", "", "0.2500", kInkOpaque));
    }
    TrapStyle& AddStyle(const std::string& name, std::int32_t inUse)
    {
        auto style = TrapStyle::WithDefaults();
        style->name = name;
        style->inUse = inUse;
        TrapStyle& ref = *style;
        Module().currentStyleList->AddStyle(std::move(style));
        return ref;
    }
    std::string Written() const { return t.host.job; }

    test::TestHost t;
};

TEST_F(TrapSetupTest, StyleOfTheDefaultParametersIsWrittenExactly)
{
    AddStyle("Default", 0);
    WriteTrapDefinitions();
    const std::string expected =
        "(Default) cvn [\n"
        "\t\t/BlackColorLimit\t\t1.0000\n"
        "\t\t/BlackDensityLimit\t\t 1.6000\n"
        "\t\t/BlackWidth\t\t\t\t2.0000\n"
        "\t\t/Enabled\t\t\t\ttrue\n"
        "\t\t/HalftoneName\t\t\tnull\n"
        "\t\t/ImageInternalTrapping\tfalse\n"
        "\t\t/ImageToObjectTrapping\ttrue\n"
        "\t\t/ImageResolution\t\t2400\n"
        "\t\t/ImageTrapPlacement\t\t/Center\n"
        "\t\t/SlidingTrapLimit\t\t0.7000\n"
        "\t\t/StepLimit\t\t\t\t0.1000\n"
        "\t\t/TrapColorScaling\t\t1.0000\n"
        "\t\t/TrapSetName\t\t\t(Default)\n"
        "\t\t/TrapWidth\t\t\t\t0.25\n"
        "\t] cvdict /TrapParams defineresource pop\n";
    EXPECT_NE(Written().find(expected), std::string::npos) << Written();
}

TEST_F(TrapSetupTest, DefinitionsInOrderWithInksAndTheDeviceParameters)
{
    WriteTrapDefinitions();
    std::string expected = TemplateText(kTemplateDeviceTest) + TemplateText(kTemplateTestOpen) +
                           TemplateText(kTemplateCvdict) + TemplateText(kTemplateLocalMemory) +
                           "\t/SomeInks [\n"
                           "\t\t(Cyan)cvn [\n\t\t\t/NeutralDensity\t0.6100\n\t\t\t/ColorantType\t/Normal \n\t\t] cvdict\n"
                           "\t\t(Gold)cvn [\n\t\t\t/NeutralDensity\t0.2500\n\t\t\t/ColorantType\t/Opaque \n\t\t] cvdict\n"
                           "\t] cvdict\n\t/InkParams defineresource pop\n"
                           "(\\133Printer\\040Default\\040Settings\\135)cvn /Trapping /ProcSet findresource begin "
                           "currenttrapparams dup length dict copy dup /Enabled true put /TrapParams defineresource "
                           "pop end\n"
                           "setglobal\n} if\t\t%Trap1001?\n";
    EXPECT_EQ(Written(), expected);
    EXPECT_EQ(t.host.outputControls, 1);
    EXPECT_EQ(t.host.OutstandingInterfaces(), 0);
}

TEST_F(TrapSetupTest, OnlyStylesInUseOrNamedAsDefaultAreDefined)
{
    AddStyle("Unused", 0);
    AddStyle("Zoned", 1);
    AddStyle("Default", 0);
    TrapStyle& awkward = AddStyle("Sp ace\\(x", 1);
    awkward.stepLimit = "0";
    awkward.slidingTrapLimit = "0";
    awkward.trapWidth = "0";
    WriteTrapDefinitions();
    const std::string out = Written();
    EXPECT_EQ(out.find("(Unused) cvn"), std::string::npos);
    EXPECT_NE(out.find("(Zoned) cvn"), std::string::npos);
    EXPECT_NE(out.find("(Default) cvn"), std::string::npos);
    EXPECT_LT(out.find("(Zoned) cvn"), out.find("(Default) cvn"));
    const std::size_t at = out.find("(Sp\\040ace\\\\\\(x) cvn");
    ASSERT_NE(at, std::string::npos) << out;
    const std::string style = out.substr(at);
    EXPECT_NE(style.find("/StepLimit\t\t\t\t0.0001\n"), std::string::npos);
    EXPECT_NE(style.find("/SlidingTrapLimit\t\t0.0000\n"), std::string::npos);
    EXPECT_NE(style.find("/BlackWidth\t\t\t\t1.0000\n"), std::string::npos);
    EXPECT_NE(style.find("/TrapSetName\t\t\t(Sp ace\\\\\\(x)\n"), std::string::npos);
    EXPECT_NE(style.find("/TrapWidth\t\t\t\t0\n"), std::string::npos);
}

TEST_F(TrapSetupTest, CodesAreWrittenAsTheirNamesAndUnknownCodesAsTheFirstName)
{
    struct Code {
        std::int32_t code;
        const char* placement;
        const char* inkType;
    };
    const Code codes[] = {{0, "Center", "Normal"}, {1, "Choke", "Transparent"}, {2, "Normal", "Opaque"},
                          {3, "Spread", "OpaqueIgnore"}, {4, "Center", "Normal"}, {-1, "Center", "Normal"}};
    for (const Code& c : codes) {
        TrapStyle& style = AddStyle("S" + std::to_string(c.code), 1);
        style.imageTrapPlacement = c.code;
        style.imageInternalTrapping = c.code;
        style.imageToObjectTrapping = c.code == 0 ? 1 : 0;
        Module().inkList->Append(Ink("I" + std::to_string(c.code), "", "0.1000", static_cast<std::int16_t>(c.code)));
    }
    WriteTrapDefinitions();
    const std::string out = Written();
    for (const Code& c : codes) {
        SCOPED_TRACE(c.code);
        const std::string name = std::to_string(c.code);
        const std::size_t style = out.find("(S" + name + ") cvn [");
        ASSERT_NE(style, std::string::npos);
        const std::string definition = out.substr(style, out.find("] cvdict", style) - style);
        EXPECT_NE(definition.find(std::string("\t\t/ImageTrapPlacement\t\t/") + c.placement + "\n"), std::string::npos)
            << definition;
        const char* internal = c.code != 0 ? "true" : "false";
        const char* toObject = c.code == 0 ? "true" : "false";
        EXPECT_NE(definition.find(std::string("\t\t/ImageInternalTrapping\t") + internal + "\n"), std::string::npos);
        EXPECT_NE(definition.find(std::string("\t\t/ImageToObjectTrapping\t") + toObject + "\n"), std::string::npos);
        EXPECT_NE(out.find("(I" + name + ")cvn [\n\t\t\t/NeutralDensity\t0.1000\n\t\t\t/ColorantType\t/" + c.inkType +
                           " \n"),
                  std::string::npos);
    }
}

TEST_F(TrapSetupTest, BrokenStoredNumbersNeverLeaveAnEmptyValue)
{
    TrapStyle& style = AddStyle("Default", 0);
    style.trapWidth = "";
    style.blackDensityLimit = "x";
    style.imageResolution = "";
    Module().inkList->EntryAt(0)->densityText = "";
    WriteTrapDefinitions();
    const std::string out = Written();
    EXPECT_NE(out.find("/TrapWidth\t\t\t\t0.0000\n"), std::string::npos);
    EXPECT_NE(out.find("/BlackDensityLimit\t\t 0.0001\n"), std::string::npos);
    EXPECT_NE(out.find("/ImageResolution\t\t1\n"), std::string::npos);
    EXPECT_NE(out.find("/NeutralDensity\t0.0000\n"), std::string::npos);
}

TEST_F(TrapSetupTest, TrappingOffWritesNothing)
{
    AddStyle("Default", 1);
    Settings().trappingEnabled = 0;
    WriteTrapDefinitions();
    WritePageDeviceSetup();
    EXPECT_EQ(Written(), "");
    EXPECT_TRUE(t.host.requests.empty());
    EXPECT_EQ(t.host.outputControls, 0);
    EXPECT_EQ(t.host.log.size(), 0u);
}

TEST_F(TrapSetupTest, PageDeviceSetupBetweenTheComments)
{
    WritePageDeviceSetup();
    std::string expected = "\n\n%%HLCStartTrapSetup\n\n" + TemplateText(kTemplateDeviceTest) +
                           TemplateText(kTemplateCvdict) + TemplateText(kTemplateTestOpen) +
                           "\t[\n\t\t/Trapping true\n\t\t/TrappingDetails [\n"
                           "\t\t\t/TrappingOrder [(Cyan)cvn (Gold)cvn ]\n" +
                           TemplateText(kTemplatePageDeviceEnd) + "} if\t\t%Trap1001?\n" +
                           "\n\n%%HLCEndTrapSetup\n\n";
    EXPECT_EQ(Written(), expected);
    EXPECT_EQ(t.host.outputControls, 2);
    EXPECT_EQ(t.host.OutstandingInterfaces(), 0);
}

TEST_F(TrapSetupTest, EmptyInkListDefinesNoInksButSetupStillNamesThem)
{
    Module().inkList->Clear();
    WriteTrapDefinitions();
    EXPECT_EQ(Written().find("SomeInks"), std::string::npos);
    WritePageDeviceSetup();
    EXPECT_NE(Written().find("/TrappingOrder []\n"), std::string::npos);
    EXPECT_NE(Written().find("/ColorantDetails /SomeInks"), std::string::npos);
}

TEST_F(TrapSetupTest, AwkwardInkNamesStayValidStrings)
{
    Module().inkList->Clear();
    Module().inkList->Append(Ink("Back\\slash ) ink", "", "0.1000"));
    WriteTrapDefinitions();
    WritePageDeviceSetup();
    EXPECT_NE(Written().find("\t\t(Back\\\\slash \\) ink)cvn [\n"), std::string::npos);
    EXPECT_NE(Written().find("/TrappingOrder [(Back\\\\slash \\) ink)cvn ]"), std::string::npos);
}

TEST_F(TrapSetupTest, FailedWriteReachesMainAndTheStreamIsGivenBack)
{
    AddStyle("Default", 1);
    t.host.FailWrites({-47, 3, 1});
    EXPECT_EQ(t.host.Notify(105), -47);
    EXPECT_EQ(t.host.reportedErrors, std::vector<std::int16_t>{-47});
    EXPECT_EQ(t.host.OutstandingInterfaces(), 0);
    // The three texts before the failure stay sent; nothing follows.
    EXPECT_EQ(t.host.streams[105], TemplateText(kTemplateDeviceTest) + TemplateText(kTemplateTestOpen) +
                                        TemplateText(kTemplateCvdict));
}

class PageZoneTest : public TrapSetupTest {
protected:
    void SetUp() override
    {
        TrapSetupTest::SetUp();
        t.Attach();
        ComputePageRectangle(rectangle);
        sequence.entries = {1, 2, 3, 4};
        sequence.copies = 1;
        sequence.position = 0;
    }
    void AddZone(const std::string& style, std::int32_t enabled, std::initializer_list<std::int16_t> pages)
    {
        auto zone = std::make_unique<TrapZone>();
        zone->styleName = style;
        zone->enabled = enabled;
        for (std::int16_t page : pages) zone->AddPage(1000 + page, page);
        Module().zoneList->AppendZone(std::move(zone));
    }
    std::string PageText()
    {
        t.host.job.clear();
        WritePageZones(sequence, rectangle);
        return t.host.job;
    }
    PageRectangle rectangle;
    PrintedPageSequence sequence;
};

TEST_F(PageZoneTest, LetterPageOnLetterPaper)
{
    EXPECT_EQ(rectangle.x, -9);
    EXPECT_EQ(rectangle.y, -9);
    EXPECT_EQ(rectangle.width, 630);
    EXPECT_EQ(rectangle.height, 810);
    EXPECT_EQ(rectangle.flag, 0);
    t.host.publication.paperWidth = 12240 + 2 * 20 * 36;  // half an inch more on each side
    t.host.publication.paperHeight = 15840 + 20 * 11;
    ComputePageRectangle(rectangle);
    EXPECT_EQ(rectangle.x, 27);
    EXPECT_EQ(rectangle.y, -3);  // (803 - 810) / 2 truncates toward zero
}

TEST_F(PageZoneTest, EnabledAndDisabledZonesInListOrder)
{
    AddZone("Fine Lines", 1, {1, 2});
    AddZone("[Printer Default Settings]", 0, {1});
    const std::string page1 = PageText();
    const std::string first =
        "Trap1001? {\n\t/Trapping /ProcSet findresource begin\n"
        "\t(Fine\\040Lines) cvn /TrapParams findresource dup length dict copy   settrapparams\n"
        "gsave newpath -9 -9 moveto 630 0 rlineto 0 810 rlineto -630 0  rlineto closepath \n"
        "\tsettrapzone grestore\nend\n} if\n";
    const std::string second =
        "Trap1001? {\n\t/Trapping /ProcSet findresource begin\n"
        "\t(\\133Printer\\040Default\\040Settings\\135) cvn /TrapParams findresource dup length dict copy  dup "
        "/Enabled false put  settrapparams\n"
        "gsave newpath -9 -9 moveto 630 0 rlineto 0 810 rlineto -630 0  rlineto closepath \n"
        "\tsettrapzone grestore\nend\n} if\n";
    EXPECT_EQ(page1, first + second);
    EXPECT_EQ(PageText(), first);  // page 2: only the first zone
    EXPECT_EQ(t.host.OutstandingInterfaces(), 0);
}

TEST_F(PageZoneTest, DefaultStyleOnlyForPagesOutsideEveryZone)
{
    Settings().trapAllPages = 1;
    AddZone("Z", 0, {2});
    const std::string page1 = PageText();
    EXPECT_NE(page1.find("(Default) cvn"), std::string::npos);
    const std::string page2 = PageText();
    EXPECT_EQ(page2.find("(Default) cvn"), std::string::npos);
    EXPECT_NE(page2.find("(Z) cvn"), std::string::npos);

    Settings().defaultStyleName.clear();
    EXPECT_EQ(PageText(), "");  // page 3
    Settings().defaultStyleName = "Default";
    Settings().trapAllPages = 0;
    EXPECT_EQ(PageText(), "");  // page 4
}

TEST_F(PageZoneTest, TrappingOffDoesNotMoveTheSequence)
{
    AddZone("Z", 1, {1});
    Settings().trappingEnabled = 0;
    EXPECT_EQ(PageText(), "");
    EXPECT_EQ(sequence.position, 0);
    Settings().trappingEnabled = 1;
    EXPECT_NE(PageText().find("(Z) cvn"), std::string::npos);
}

TEST_F(PageZoneTest, FailedWriteStopsThePage)
{
    AddZone("A", 1, {1});
    AddZone("B", 1, {1});
    t.host.FailWrites({9, 1, 1});
    try {
        WritePageZones(sequence, rectangle);
        FAIL() << "no error";
    } catch (const HostError& e) {
        EXPECT_EQ(e.status(), 9);
    }
    EXPECT_NE(t.host.job.find("(A) cvn"), std::string::npos);
    EXPECT_EQ(t.host.job.find("(B) cvn"), std::string::npos);
    EXPECT_EQ(t.host.OutstandingInterfaces(), 0);
}

}  // namespace
}  // namespace orvane
