// The file choosers of the File commands in the real window: the choosers
// take a typed name at once, and a chooser that closes on a chosen
// file leaves nothing of itself on the main window.
#include "support/RealWindowFixture.h"

#include <gtest/gtest.h>

using testing_support::SimulatedAmplifierApp;

namespace
{
struct RealWindowFileChoosers : testing_support::RealWindowFixture
{
    void SetUp() override
    {
        RealWindowFixture::SetUp();
        // The choosers open in the application's working folder: the test's own.
        previousFolder = juce::File::getCurrentWorkingDirectory();
        home.setAsCurrentWorkingDirectory();
    }

    void TearDown() override
    {
        previousFolder.setAsCurrentWorkingDirectory();
        RealWindowFixture::TearDown();
    }

    // A screenshot of the whole screen, or an invalid image.
    static juce::Image screenshot(const juce::String& name)
    {
        if (! SimulatedAmplifierApp::screenshot(name))
            return {};
        return juce::ImageFileFormat::loadFrom(juce::File(RIGSMITH_SCREENSHOT_DIR).getChildFile(name + ".png"));
    }

    // The light, grey-free pixels inside the area: the chooser's face (its
    // background, path box and list) is made of them, the dark editor only
    // has its white lettering.
    static int lightPixels(const juce::Image& image, juce::Rectangle<int> area)
    {
        int count = 0;
        const auto inside = area.getIntersection(image.getBounds());
        for (int y = inside.getY(); y < inside.getBottom(); ++y)
            for (int x = inside.getX(); x < inside.getRight(); ++x)
            {
                const auto c = image.getPixelAt(x, y);
                const int low = juce::jmin(c.getRed(), c.getGreen(), c.getBlue());
                const int high = juce::jmax(c.getRed(), c.getGreen(), c.getBlue());
                count += low >= 0xC8 && high - low <= 16 ? 1 : 0;
            }
        return count;
    }

    // The user panel's load and save buttons stand above the right end of
    // the slots (they carry no text, so the layout does not list them).
    juce::Point<int> userPanelButton(bool save) const
    {
        const auto a1 = app->waitForWidget("name", "A1", waitMs);
        const auto a4 = app->waitForWidget("name", "A4", waitMs);
        EXPECT_TRUE(a1 && a4) << layoutText();
        if (! a1 || ! a4)
            return {};
        return { a4->bounds.getRight() + (save ? 7 : -33), a1->bounds.getY() - 21 };
    }

    // Opens the chooser with the click and returns its window.
    std::optional<SimulatedAmplifierApp::Widget> openChooser(juce::Point<int> at, const juce::String& title)
    {
        EXPECT_TRUE(clickUntil(at, shows("window", title))) << "no chooser \"" << title << "\"\n" << layoutText();
        return app->waitForWidget("window", title, waitMs);
    }

    std::optional<SimulatedAmplifierApp::Widget> openChooserFromMenu(const juce::String& item, const juce::String& title)
    {
        const auto menuButton = app->waitForWidget("name", "Menu", waitMs);
        EXPECT_TRUE(menuButton) << layoutText();
        if (! menuButton)
            return std::nullopt;
        EXPECT_TRUE(clickUntil(*menuButton, shows("name", item))) << layoutText();
        const auto entry = app->waitForWidget("name", item, waitMs);
        if (! entry)
            return std::nullopt;
        return openChooser(entry->bounds.getCentre(), title);
    }

    // Types the name (all of the field's text replaced) and Return, after a
    // click into the file-name field (below the path box) when asked; true
    // once the chooser has gone and the effect shows.
    bool typeNameAndReturn(const juce::String& title, const juce::String& name, bool clickField,
                           const std::function<bool()>& effect)
    {
        const auto path = app->waitForWidget("name", "path", waitMs);
        if (! path)
            return false;
        const juce::Point<int> field { path->bounds.getCentreX(), path->bounds.getBottom() + 15 };
        if (clickField && ! clickUntil(field))
            return false;
        // Each key goes once to the window with the focus; the Return's
        // effect shows whether they all arrived where they should.
        const auto sent = [] { return true; };
        bool typed = keyUntil("ctrl+a", sent);
        for (auto c : name)
            typed = keyUntil(c == '.' ? juce::String("period") : juce::String::charToString(c), sent) && typed;
        return keyUntil("Return", [&] { return app->findWidgets("window", title).empty() && effect(); }) && typed;
    }

    // Waits until the area where the chooser stood shows the main window
    // again: no more of the chooser's light face than before it opened.
    void expectChooserGone(juce::Rectangle<int> area, const juce::String& screenshotName)
    {
        ASSERT_TRUE(before.isValid());
        const int allowed = lightPixels(before, area) + area.getWidth() * area.getHeight() / 50;
        int light = -1;
        waitFor([&] {
            if (const auto now = screenshot(screenshotName); now.isValid())
                light = lightPixels(now, area);
            return light >= 0 && light <= allowed;
        });
        EXPECT_LE(light, allowed) << "the chooser's picture stays on the main window (" << screenshotName << ")";
    }

    // The 16-character names of a program file's records.
    static juce::StringArray recordNames(const juce::File& file)
    {
        juce::MemoryBlock data;
        file.loadFileAsData(data);
        juce::StringArray names;
        for (size_t at = 32; at + 62 <= data.getSize(); at += 62)
            names.add(juce::String(static_cast<const char*>(data.getData()) + at, 16));
        return names;
    }

    juce::File previousFolder;
    juce::Image before; // the screen before the first chooser opened
};
} // namespace

// On the Orva KX: every chooser opens with the focus in its file-name field.
// Save USER PROGRAMS As from the user panel and Save File As from the menu
// take a name typed straight away; Load USER PROGRAMS From and Open File
// read the files back, their names typed straight away too. After each chosen file the main window
// shows itself again where the chooser stood, with the pointer left alone.
TEST_F(RealWindowFileChoosers, ChoosersTakeTypingAndEveryChosenFileLeavesNoPicture)
{
    startConnected(2);
    before = screenshot("choosers-before");
    ASSERT_TRUE(before.isValid());

    const juce::String saveUser = "Save USER PROGRAMS As...";
    auto chooser = openChooser(userPanelButton(true), saveUser);
    ASSERT_TRUE(chooser);
    SimulatedAmplifierApp::screenshot("choosers-save-user-open");
    const auto userFile = home.getChildFile("kept.okxprog");
    ASSERT_TRUE(typeNameAndReturn(saveUser, "kept", false, [&] { return userFile.getSize() == 528; }))
        << "the typed name did not save the user programs\n"
        << layoutText();
    expectChooserGone(chooser->bounds, "choosers-save-user-closed");
    juce::MemoryBlock userData;
    userFile.loadFileAsData(userData);
    EXPECT_EQ(juce::String(static_cast<const char*>(userData.getData()), 12), "OKXPROG1000 ");
    const auto userNames = recordNames(userFile);
    ASSERT_EQ(userNames.size(), 8);
    EXPECT_EQ(userNames[0], "DELUXE CL VIBRAT");
    EXPECT_EQ(userNames[7], "TEXAS LEAD      ");

    const juce::String saveTab = "Save Current File Programs...";
    chooser = openChooserFromMenu("Save File As...", saveTab);
    ASSERT_TRUE(chooser);
    const auto tabFile = home.getChildFile("tab.okxprog");
    ASSERT_TRUE(typeNameAndReturn(saveTab, "tab", false, [&] { return tabFile.getSize() == 528; }))
        << "the typed name did not save the file tab\n"
        << layoutText();
    expectChooserGone(chooser->bounds, "choosers-save-tab-closed");
    const auto tabNames = recordNames(tabFile);
    ASSERT_EQ(tabNames.size(), 8);
    EXPECT_EQ(tabNames[0], "NO NAME 1       ");
    EXPECT_EQ(tabNames[7], "NO NAME 8       ");

    // The user programs from the tab's file go to the amplifier, the name
    // typed at once as well. The progress dialog of the transfer hands the
    // focus to the window when it closes.
    const juce::String loadUser = "Load USER PROGRAMS From...";
    chooser = openChooser(userPanelButton(false), loadUser);
    ASSERT_TRUE(chooser);
    EXPECT_TRUE(app->waitForWidget("focus", "juce::TextEditor", waitMs)) << "the file-name field has no focus\n" << layoutText();
    const int sentFrom = app->getReceived().size();
    ASSERT_TRUE(typeNameAndReturn(loadUser, "tab.okxprog", false, [&] {
        return app->waitForReceived(app->editorFrame(0x4C, { 0x00, 0x07 }), 0, sentFrom) >= 0;
    })) << receivedText();
    expectChooserGone(chooser->bounds, "choosers-load-user-closed");
    const auto hasFocus = [](auto& w) { return w.minimum == "1"; }; // and its window the system's
    EXPECT_TRUE(app->waitForWidget("focus", "MainComponent", waitMs, hasFocus)) << layoutText();

    // Escape cancels an open chooser with the focus in its file-name field.
    const juce::String open = "Open okxprog file...";
    chooser = openChooserFromMenu("Open File...", open);
    ASSERT_TRUE(chooser);
    EXPECT_TRUE(app->waitForWidget("focus", "juce::TextEditor", waitMs)) << layoutText();
    EXPECT_TRUE(keyUntil("Escape", gone("window", open))) << layoutText();
    EXPECT_TRUE(waitForSettled(gone("window", open)));
    EXPECT_TRUE(app->findWidgets("name", "kept").empty());

    chooser = openChooserFromMenu("Open File...", open);
    ASSERT_TRUE(chooser);
    ASSERT_TRUE(typeNameAndReturn(open, "kept.okxprog", false, [&] { return ! app->findWidgets("name", "kept").empty(); }))
        << layoutText();
    expectChooserGone(chooser->bounds, "choosers-open-closed");
}
