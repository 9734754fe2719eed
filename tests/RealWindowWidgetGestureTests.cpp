// The working screens' widgets driven through the real window with the real
// mouse through the fixture's checked gestures, against the simulated amplifier: slide switches, knobs
// after a type change, catalogue cells, effect pictures dragged off, and the
// slots of a new program file. Widgets are found in the layout the
// application writes; results are read from what the amplifier received.
#include "GUI/Editor/RSFileProgButton.h"
#include "GUI/HMQ/HMQFileProgButton.h"
#include "ParamTable/DWQ/sEditBuf.h"
#include "ParamTable/HMQ/HMQParamEditTable.h"
#include "support/RealWindowFixture.h"

#include <gtest/gtest.h>

using testing_support::SimulatedAmplifierApp;

namespace
{
struct RealWindowGesturesOfWidgets : testing_support::RealWindowFixture
{
    // Clicks until n parameter changes came from line `from` on.
    bool clickUntilSent(juce::Point<int> where, int from, size_t n)
    {
        return clickUntil(where, [&] { return changesSince(from).size() >= n; });
    }

    // Waits until exactly n changes came from line `from` on and nothing more
    // came for a while, so that one too many would show.
    Changes waitForChanges(int from, size_t n) const
    {
        waitForSettled([&] { return changesSince(from).size() == n; }, 400);
        return changesSince(from);
    }

    std::optional<SimulatedAmplifierApp::Widget> param(int id,
                                                       std::function<bool(const SimulatedAmplifierApp::Widget&)> test = {})
    {
        return app->waitForParam(id, waitMs, std::move(test));
    }
};
} // namespace

// The Orva KX's slide switches step on a click, as the Orva PW's do: one
// change per click, wrapping from on to off; the switch shows the value sent.
TEST_F(RealWindowGesturesOfWidgets, OrvaKXSlideSwitchesStepOnAClick)
{
    startConnected(2, { "18=0" }); // DELUXE CL VIBRATO: all three switches
    int tried = 0;
    for (const int id : { 0x407, 0x408, 0x409 })
    {
        const auto slide = app->findWidgets("param", juce::String::toHexString(id));
        if (slide.empty() || slide.back().maximum != "1")
            continue; // not on this amp type
        ++tried;
        const auto centre = slide.back().bounds.getCentre();
        const int was = slide.back().value.getIntValue();
        const int from = app->getReceived().size();
        ASSERT_TRUE(clickUntilSent(centre, from, 1));
        EXPECT_EQ(waitForChanges(from, 1), (Changes { { id, 1 - was } })) << receivedText();
        EXPECT_TRUE(param(id, [&](auto& w) { return w.value.getIntValue() == 1 - was; }));
        ASSERT_TRUE(clickUntilSent(centre, from, 2));
        EXPECT_EQ(waitForChanges(from, 2), (Changes { { id, 1 - was }, { id, was } })) << receivedText();
        EXPECT_TRUE(param(id, [&](auto& w) { return w.value.getIntValue() == was; }));
    }
    SimulatedAmplifierApp::screenshot("widgets-orvakx-slide-switches");
    EXPECT_EQ(tried, 3) << home.getChildFile("screen-layout.txt").loadFileAsString();
}

// A click on the amp pane's marked cell, after a click on the GAIN knob,
// writes nothing and gives the pane the keyboard focus: the right arrow key
// then steps the catalogue to the next amp, and the knob stays as it was.
TEST_F(RealWindowGesturesOfWidgets, ClickOnTheMarkedCatalogueCellGivesThePaneTheKeys)
{
    struct Case
    {
        int model;
        int gainId;
        const char *markedCell, *pane;
    };
    // The amplifiers' current programs' amps.
    const Case cases[] = { { 1, 0x400, "DELUXE CL VIBRATO", "CHMQCatalogAmpPane" },
                           { 0, 0x301, "DELUXE CL", "CDWQCatalogAmpPane" },
                           { 3, 0x400, "CLASSIC BRIGHT", "COPWCatalogAmpPane" } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.model);
        startConnected(c.model);
        const auto gain = param(c.gainId);
        ASSERT_TRUE(gain);
        ASSERT_TRUE(clickUntil(*gain, shows("focus", "RSKnob"))) << layoutText();
        const auto cell = app->waitForWidget("name", c.markedCell, waitMs, [](auto& w) { return w.value == "1"; });
        ASSERT_TRUE(cell) << layoutText();
        const int from = app->getReceived().size();
        EXPECT_TRUE(clickUntil(*cell, shows("focus", c.pane))) << layoutText();

        EXPECT_TRUE(keyUntil("Right", [&] { return ! changesSince(from).empty(); })) << receivedText();
        const auto changes = waitForChanges(from, 1);
        ASSERT_EQ(changes.size(), 1u) << receivedText();
        EXPECT_EQ(changes[0].first, 0x300) << "the key went to the knob";
        EXPECT_FALSE(app->waitForWidget("name", c.markedCell, 0, [](auto& w) { return w.value == "1"; }));
        SimulatedAmplifierApp::screenshot("widgets-marked-cell-keys-" + juce::String(c.model));
        EXPECT_EQ(app->closeAndWaitForExit(waitMs), 0);
        app.reset();
    }
}

// After the Orva PW's pedal 1 changes from COMP to T.WAH, the LEVEL knob
// stands at the program's LEVEL (57), and the first wheel step moves on from
// there.
TEST_F(RealWindowGesturesOfWidgets, OrvaPWKnobFollowsItsValueAfterATypeChange)
{
    // Pedal 1 COMP; the byte of T.WAH's LEVEL holds 57.
    startConnected(3, { "31=0", "37=57" });
    const auto pedal = param(0x301);
    ASSERT_TRUE(pedal);
    ASSERT_TRUE(clickUntil(*pedal, shows("name", "T.WAH")));
    const auto cell = app->waitForWidget("name", "T.WAH", waitMs);
    ASSERT_TRUE(cell) << receivedText();
    const int from = app->getReceived().size();
    ASSERT_TRUE(clickUntilSent(cell->bounds.getCentre(), from, 1));
    EXPECT_EQ(waitForChanges(from, 1), (Changes { { 0x301, 1 } })) << receivedText();

    const auto level = param(0x505, [](auto& w) { return w.maximum == "100"; });
    ASSERT_TRUE(level);
    SimulatedAmplifierApp::screenshot("widgets-orvapw-knob-after-type-change");
    EXPECT_EQ(level->value, "57");
    const int wheelFrom = app->getReceived().size();
    EXPECT_TRUE(wheelUntil(level->bounds.getCentre(), [&] { return ! changesSince(wheelFrom).empty(); }));
    const auto changes = waitForChanges(wheelFrom, 1);
    ASSERT_EQ(changes.size(), 1u) << receivedText();
    EXPECT_EQ(changes[0].first, 0x505);
    EXPECT_GT(changes[0].second, 57);
    EXPECT_LE(changes[0].second, 62) << "the wheel jumped from elsewhere";
}

// After the HMQ's pedal 1 changes from COMP to TUBE OD, TREBLE, MIDDLE and
// BASS stand at the program's values, though COMP's rows of the same ids
// had ranges of 0-2 and 0-0; nothing is sent for them.
TEST_F(RealWindowGesturesOfWidgets, HMQKnobsFollowTheirValuesAfterATypeChange)
{
    // Pedal 1 COMP; TUBE OD's TREBLE, MIDDLE and BASS bytes hold 57, 44, 33.
    startConnected(1, { "31=0", "36=57", "37=44", "38=33" });
    const auto pedal = param(0x301);
    ASSERT_TRUE(pedal);
    ASSERT_TRUE(clickUntil(*pedal, shows("name", "TUBE OD")));
    const auto cell = app->waitForWidget("name", "TUBE OD", waitMs);
    ASSERT_TRUE(cell) << receivedText();
    const int from = app->getReceived().size();
    ASSERT_TRUE(clickUntilSent(cell->bounds.getCentre(), from, 1));
    EXPECT_EQ(waitForChanges(from, 1), (Changes { { 0x301, 2 } })) << receivedText();
    for (const auto& [id, value] : Changes { { 0x503, 57 }, { 0x504, 44 }, { 0x505, 33 } })
    {
        const auto knob = param(id, [](auto& w) { return w.maximum == "100"; });
        ASSERT_TRUE(knob) << id;
        EXPECT_EQ(knob->value, juce::String(value)) << id;
    }
    SimulatedAmplifierApp::screenshot("widgets-hmq-knobs-after-type-change");
}

// A DWQR program whose modulation type byte is none of the types (83) reads
// as the list's first entry, OFF, and the pane keeps its mark on CHORUS. A click on the marked cell sends CHORUS once, as the byte
// is none of the types; then the program holds CHORUS and a second click on
// it writes nothing, while FLANGER is sent.
TEST_F(RealWindowGesturesOfWidgets, DWQRTypeByteOutsideTheListReadsAsOffAndTheMarkedCellSendsOnce)
{
    startConnected(0, { "23=83" });
    const auto picture = param(0x400);
    ASSERT_TRUE(picture);
    ASSERT_TRUE(clickUntil(*picture, shows("name", "CHORUS")));
    const auto marked = [&](const juce::String& cell) {
        return app->waitForWidget("name", cell, waitMs, [](auto& w) { return w.value == "1"; }).has_value();
    };
    EXPECT_TRUE(marked("CHORUS"));
    EXPECT_EQ(app->findWidgets("name", "TWIN TREM").back().value, "0");
    SimulatedAmplifierApp::screenshot("widgets-dwqr-type-byte-outside-the-list");

    int from = app->getReceived().size();
    ASSERT_TRUE(clickUntilSent(app->findWidgets("name", "CHORUS").back().bounds.getCentre(), from, 1));
    EXPECT_EQ(waitForChanges(from, 1), (Changes { { 0x400, 1 } })) << receivedText();
    EXPECT_TRUE(param(0x401, [](auto& w) { return w.minimum == "300" && w.maximum == "7000"; }));
    from = app->getReceived().size();
    ASSERT_TRUE(clickUntil(app->findWidgets("name", "CHORUS").back()));
    ASSERT_TRUE(clickUntilSent(app->findWidgets("name", "FLANGER").back().bounds.getCentre(), from, 1));
    EXPECT_EQ(waitForChanges(from, 1), (Changes { { 0x400, 2 } })) << receivedText();
    EXPECT_TRUE(marked("FLANGER"));
}

// The HMQ's amp type byte 154 (bits 0-6 give 26, none of the twenty types)
// reads as the first amp, DELUXE CL VIBRATO, which the amp pane marks; a
// click on it sends type 0 once, a second click nothing.
TEST_F(RealWindowGesturesOfWidgets, HMQAmpByteOutsideTheListReadsAsTheFirstAmp)
{
    startConnected(1, { "18=154" });
    ASSERT_TRUE(app->waitForWidget("name", "DELUXE CL VIBRATO", waitMs, [](auto& w) { return w.value == "1"; }))
        << home.getChildFile("screen-layout.txt").loadFileAsString();
    EXPECT_EQ(app->findWidgets("name", "ORIGINAL CL").back().value, "0");
    SimulatedAmplifierApp::screenshot("widgets-hmq-amp-byte-outside-the-list");

    int from = app->getReceived().size();
    ASSERT_TRUE(clickUntilSent(app->findWidgets("name", "DELUXE CL VIBRATO").back().bounds.getCentre(), from, 1));
    EXPECT_EQ(waitForChanges(from, 1), (Changes { { 0x300, 0 } })) << receivedText();
    from = app->getReceived().size();
    ASSERT_TRUE(clickUntil(app->findWidgets("name", "DELUXE CL VIBRATO").back()));
    ASSERT_TRUE(clickUntilSent(app->findWidgets("name", "DELUXE CL NORMAL").back().bounds.getCentre(), from, 1));
    EXPECT_EQ(waitForChanges(from, 1), (Changes { { 0x300, 1 } })) << receivedText();
}

// An effect picture on the chain line dragged straight up from its centre,
// ending above the line but inside its old place, switches the effect off:
// the HMQ's reverb after 36 pixels, the DWQR's modulation after 50, the Orva
// PW's pedal 2 after 20.
TEST_F(RealWindowGesturesOfWidgets, EffectPictureDraggedUpAShortWaySwitchesOff)
{
    struct Case
    {
        int model;
        juce::StringArray editBytes;
        int pictureId, pixels;
        Change sent;
    };
    const Case cases[] = {
        { 1, {}, 0x304, 36, { 0x204, 0 } },         // the reverb is on
        { 0, { "23=1" }, 0x400, 50, { 0x400, 0 } }, // CHORUS, on
        { 3, { "17=6" }, 0x302, 20, { 0x202, 0 } }, // both pedals on
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.model);
        startConnected(c.model, c.editBytes);
        const auto picture = param(c.pictureId);
        ASSERT_TRUE(picture);
        const auto centre = picture->bounds.getCentre();
        const int from = app->getReceived().size();
        ASSERT_TRUE(
            dragUntil(centre, centre.translated(0, -c.pixels), [&] { return ! changesSince(from).empty(); }, { 12, 200 }));
        EXPECT_EQ(waitForChanges(from, 1), (Changes { c.sent })) << receivedText();
        SimulatedAmplifierApp::screenshot("widgets-picture-dragged-off-" + juce::String(c.model));
        EXPECT_EQ(app->closeAndWaitForExit(waitMs), 0);
        app.reset();
    }
}

// A new program file's slots show the amp of their record (the initial
// program's) from the start, not the picture of amp type 0.
TEST_F(RealWindowGesturesOfWidgets, NewFileSlotsShowTheirRecordsAmp)
{
    struct Case
    {
        int model;
        juce::String tab;
        juce::String picture, pictureOfType0;
        int slots;
    };
    HMQFileProgButton hmq(nullptr, 0, 0, 68, ":1");
    RSFileProgButton dwq(nullptr, 0, 0, 19, ":1");
    const Case cases[] = {
        { 1, "PRESET", hmq.getPNGName(HMQ::m_InitProgData[18]), hmq.getPNGName(0), 11 },
        { 0, "Preset", dwq.getPNGName(DWQ::m_InitProgData[18]), dwq.getPNGName(0), 11 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.model);
        ASSERT_NE(c.picture, c.pictureOfType0);
        startConnected(c.model);
        // The new-file button sits just right of the last tab.
        const auto tab = app->waitForWidget("name", c.tab, waitMs);
        ASSERT_TRUE(tab);
        ASSERT_TRUE(clickUntil({ tab->bounds.getRight() + 15, tab->bounds.getBottom() - 10 }, shows("name", "NEW FILE")));
        ASSERT_TRUE(app->waitForWidget("name", "NEW FILE", waitMs)) << home.getChildFile("screen-layout.txt").loadFileAsString();
        ASSERT_TRUE(app->waitUntilQuiet(300, waitMs));
        SimulatedAmplifierApp::screenshot("widgets-new-file-slots-" + juce::String(c.model));
        for (int k = 1; k <= c.slots; ++k)
        {
            const auto shown = app->findWidgets("picture", ":" + juce::String(k));
            ASSERT_FALSE(shown.empty()) << k;
            EXPECT_EQ(shown.back().value, c.picture) << "slot " << k;
        }
        EXPECT_EQ(app->closeAndWaitForExit(waitMs), 0);
        app.reset();
    }
}
