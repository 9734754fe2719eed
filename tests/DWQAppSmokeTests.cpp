// The DWQR's screen in the real binary with a simulated DWQR attached: a
// knob dragged with the mouse and a preset dragged onto a user slot reach
// the amplifier.
#include "support/SimulatedAmplifierApp.h"

#include <gtest/gtest.h>

using testing_support::AppProcess;
using testing_support::SimulatedAmplifierApp;

TEST(DWQRInTheRealBinary, AKnobDragAndAPresetDragReachTheAmplifier)
{
    if (! AppProcess::ensureWindowManager())
        GTEST_SKIP() << "needs an X display with wmctrl and openbox";
    if (! SimulatedAmplifierApp::haveXdotool())
        GTEST_SKIP() << "needs xdotool";
    auto home = juce::File::createTempFile("rigsmith-dwq");
    home.createDirectory();
    // Drops on user slots write without the question.
    const auto prefs = home.getChildFile(".config/Preferences/Rig Smith/PreferencesData.xml");
    prefs.getParentDirectory().createDirectory();
    ASSERT_TRUE(prefs.replaceWithText("<PreferencesData><UserProgWriteConfirm Value=\"0\"/></PreferencesData>"));

    {
        SimulatedAmplifierApp app(home, 0);
        ASSERT_TRUE(app.start());
        ASSERT_NE(app.waitForMainWindow(20000), 0) << app.getProcess().getOutput();
        ASSERT_GE(app.waitForReceived(app.editorFrame(0x10) + " F7", 20000), 0) << app.getReceived().joinIntoString("\n");
        for (int i = 0; i < 50 && ! app.getWindowTitle().startsWith("Rig Smith [connected]"); ++i)
            juce::Thread::sleep(100);
        juce::Thread::sleep(500);

        // Points in window coordinates; each lies inside its widget whether
        // the window's origin is its frame or its content. GAIN, dragged
        // downwards: one parameter change of 0x301 at least.
        const int before = app.getReceived().size();
        ASSERT_TRUE(app.drag({ 629, 490 }, { 629, 560 }));
        EXPECT_GE(app.waitForReceived(app.editorFrame(0x41, { 0x03, 0x01 }), 10000, before), before)
            << app.getReceived().joinIntoString("\n");

        // Preset 1 onto user slot A1: the program dump, then the slot's
        // selection.
        const int afterKnob = app.getReceived().size();
        ASSERT_TRUE(app.drag({ 170, 120 }, { 372, 650 }, 60));
        const int dump = app.waitForReceived(app.editorFrame(0x4C), 10000, afterKnob);
        EXPECT_GE(dump, afterKnob) << app.getReceived().joinIntoString("\n");
        EXPECT_EQ(app.countReceived(app.editorFrame(0x4C)), 1);

        EXPECT_EQ(app.closeAndWaitForExit(20000), 0) << app.getProcess().getOutput();
    }
    home.deleteRecursively();
}
