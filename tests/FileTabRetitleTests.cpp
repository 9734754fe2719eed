// Save File As retitles its tab on every model's screen, and the add-file
// button follows: 5 pixels right of the last tab button, on the tab-bar line,
// whether the saved tab grew, shrank or stands before another one.
#include "Action/ActionManager.h"
#include "GUI/DWQ/CDWQEditorLibrarianComponent.h"
#include "GUI/HMQ/CHMQEditorLibrarianComponent.h"
#include "GUI/Orva/COrvaEditorLibrarianComponent.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "support/FileTabTestSupport.h"

using testing_support::pumpFor;

namespace
{
struct SaveAsRetitle : testing_support::FileTabFixture,
                       ::testing::WithParamInterface<int>
{
    MainComponent* main() const { return host->getMasterGuiManager()->getMainWindow()->getMainComponent(); }
    CEditorLibrarianComponent* screen() const { return main()->getView(); }
    FileTabView* tabs() const { return dynamic_cast<FileTabView*>(screen()); }
    juce::TabbedButtonBar& bar() const
    {
        return dynamic_cast<juce::TabbedComponent*>(screen()->getTabbedComponent())->getTabbedButtonBar();
    }
    juce::Button* addFileButton() const
    {
        if (auto* dwq = dynamic_cast<CDWQEditorLibrarianComponent*>(screen()))
            return dwq->getNewFileButton();
        if (auto* hmq = dynamic_cast<CHMQEditorLibrarianComponent*>(screen()))
            return hmq->getNewFileButton();
        if (auto* orva = dynamic_cast<COrvaEditorLibrarianComponent*>(screen()))
            return orva->getNewFileButton();
        return nullptr;
    }
    juce::String ext() const { return format().getExtension(); }
    void run(int command)
    {
        actions().invokeDirectly(command, false);
        pumpFor(20);
    }
    void saveCurrentAs(const juce::String& name)
    {
        prompts->files.push_back(folder.getChildFile(name + ext()));
        run(ActionManager::cmdFileSaveFile);
    }

    // Where the add-file button belongs now, in the tabbed component.
    juce::Rectangle<int> expectedPlace() const
    {
        auto* last = bar().getTabButton(bar().getNumTabs() - 1);
        return { bar().getX() + last->getRight() + 5, bar().getBottom() - 20, 20, 20 };
    }
    // The button stands where it belongs, at the height it had at the
    // first open, inside the panel (the names here fit the tab bar).
    void expectPlaced(const juce::Button& plus, juce::Rectangle<int> atOpen) const
    {
        EXPECT_EQ(plus.getBounds(), expectedPlace())
            << "model " << model << ": " << plus.getBounds().toString() << " for " << expectedPlace().toString();
        EXPECT_EQ(plus.getY(), atOpen.getY());
        EXPECT_LE(expectedPlace().getRight(), screen()->getTabbedComponent()->getWidth());
    }
};
} // namespace

TEST_P(SaveAsRetitle, TheTabTakesTheNewNameAndTheAddFileButtonFollowsTheLastTab)
{
    startScreenOf(GetParam());
    ASSERT_NE(tabs(), nullptr);
    auto* plus = addFileButton();
    ASSERT_NE(plus, nullptr);
    ASSERT_EQ(plus->getParentComponent(), screen()->getTabbedComponent());
    const int lead = tabs()->hasLeadingTab() ? 1 : 0;

    for (const auto* name : { "ab", "cd" })
    {
        prompts->files.push_back(makeFile(juce::String(name) + ext(), 8));
        run(ActionManager::cmdFileOpen);
    }
    ASSERT_EQ(tabs()->getNumTabs(), lead + 2);
    const auto atOpen = plus->getBounds();
    EXPECT_EQ(atOpen, expectedPlace());

    // The first file, before the other tab, grows: the last tab moves right.
    tabs()->setCurrentTabIndex(lead);
    const int lastRight = bar().getTabButton(lead + 1)->getRight();
    saveCurrentAs("ab new");
    EXPECT_EQ(tabs()->getTabTitle(lead), "ab new");
    EXPECT_GT(bar().getTabButton(lead + 1)->getRight(), lastRight);
    expectPlaced(*plus, atOpen);

    // The last file grows, then shrinks back below its first width.
    tabs()->setCurrentTabIndex(lead + 1);
    saveCurrentAs("cd newer");
    EXPECT_EQ(tabs()->getTabTitle(lead + 1), "cd newer");
    expectPlaced(*plus, atOpen);
    EXPECT_GT(plus->getX(), atOpen.getX());
    testing_support::saveScreenshot(*main(), "save_as_retitle_model_" + juce::String(model));
    saveCurrentAs("c");
    EXPECT_EQ(tabs()->getTabTitle(lead + 1), "c");
    expectPlaced(*plus, atOpen);
    EXPECT_EQ(dc()->getFileName(1), "c");
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, SaveAsRetitle, ::testing::Values(0, 1, 2, 3));
