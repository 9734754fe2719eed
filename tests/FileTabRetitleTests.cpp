// Save File As retitles its tab on every model's screen, and the add-file
// button follows: 5 pixels right of the last tab button, on the tab-bar line,
// whether the saved tab grew, shrank or stands before another one.
#include "Action/ActionManager.h"
#include "GUI/Editor/CEditorLibrarianComponent.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "support/FileTabTestSupport.h"

namespace
{
struct SaveAsRetitle : testing_support::FileTabFixture,
                       ::testing::WithParamInterface<int>
{
    MainComponent* main() const { return host->getMasterGuiManager()->getMainWindow()->getMainComponent(); }
    FileTabView* tabs() const { return dynamic_cast<FileTabView*>(main()->getView()); }
    juce::TabbedComponent* panel() const { return dynamic_cast<juce::TabbedComponent*>(main()->getView()->getTabbedComponent()); }
    // The add-file button: the one image button the tab panel holds.
    juce::Button* plus() const
    {
        for (auto* child : panel()->getChildren())
            if (auto* button = dynamic_cast<juce::ImageButton*>(child))
                return button;
        return nullptr;
    }
    void runWithFile(int command, const juce::String& name)
    {
        prompts->files.push_back(folder.getChildFile(name + format().getExtension()));
        actions().invokeDirectly(command, false);
        testing_support::pumpFor(20);
    }
    // The button stands 5 pixels right of the last tab button, its top 20
    // pixels above the tab bar's lower edge, inside the panel (the names
    // here fit the bar).
    void expectPlaced() const
    {
        auto& bar = panel()->getTabbedButtonBar();
        const juce::Rectangle<int> place(bar.getX() + bar.getTabButton(bar.getNumTabs() - 1)->getRight() + 5,
                                         bar.getBottom() - 20, 20, 20);
        EXPECT_EQ(plus()->getBounds(), place) << "model " << model << ": " << plus()->getBounds().toString();
        EXPECT_LE(place.getRight(), panel()->getWidth());
    }
};
} // namespace

TEST_P(SaveAsRetitle, TheTabTakesTheNewNameAndTheAddFileButtonFollowsTheLastTab)
{
    startScreenOf(GetParam());
    ASSERT_NE(tabs(), nullptr);
    ASSERT_NE(plus(), nullptr);
    const int lead = tabs()->hasLeadingTab() ? 1 : 0;
    for (const auto* name : { "ab", "cd" })
    {
        makeFile(juce::String(name) + format().getExtension(), 8);
        runWithFile(ActionManager::cmdFileOpen, name);
    }
    ASSERT_EQ(tabs()->getNumTabs(), lead + 2);
    expectPlaced();
    const int atOpen = plus()->getX();

    // The first file, before the other tab, grows: the last tab moves right.
    tabs()->setCurrentTabIndex(lead);
    runWithFile(ActionManager::cmdFileSaveFile, "ab new");
    EXPECT_EQ(tabs()->getTabTitle(lead), "ab new");
    expectPlaced();
    EXPECT_GT(plus()->getX(), atOpen);

    // The last file grows, then shrinks below its first width.
    tabs()->setCurrentTabIndex(lead + 1);
    runWithFile(ActionManager::cmdFileSaveFile, "cd newer");
    EXPECT_EQ(tabs()->getTabTitle(lead + 1), "cd newer");
    expectPlaced();
    testing_support::saveScreenshot(*main(), "save_as_retitle_model_" + juce::String(model));
    runWithFile(ActionManager::cmdFileSaveFile, "c");
    EXPECT_EQ(tabs()->getTabTitle(lead + 1), "c");
    EXPECT_EQ(dc()->getFileName(1), "c");
    expectPlaced();
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, SaveAsRetitle, ::testing::Values(0, 1, 2, 3));
