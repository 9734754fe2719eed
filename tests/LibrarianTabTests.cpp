// The tab bases and the Orva tab column: the remembered tab indexes, the
// slide request of a program drag over the column (and of no other drag),
// and tab pages whose content was never made.
#include "Application/Host.h"
#include "Core/DeviceInfo.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/ProgramDataDragItem.h"
#include "GUI/Editor/RSLibROMSubTabBase.h"
#include "GUI/Editor/RSUserSubTabBase.h"
#include "GUI/Orva/OPWTabbedComponent.h"
#include "ParamTable/CSectionEventPoster.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace
{
struct Recorder : juce::MessageListener
{
    Recorder() { CSectionEventPoster::setTargetOverride(this); }
    ~Recorder() override { CSectionEventPoster::setTargetOverride(nullptr); }
    void handleMessage(const juce::Message& m) override
    {
        if (auto* my = dynamic_cast<const MyMessage*>(&m))
            if (my->getId() == MessageId::ROMSubTabMove)
                moves.add(my->getRecord()->a);
    }
    juce::Array<int> moves;
};

juce::DragAndDropTarget::SourceDetails drag(const juce::String& id, int value)
{
    return { ProgramDataDragItem(id, value), nullptr, {} };
}
} // namespace

TEST(LibrarianTabs, TabPanelRemembersItsLastTwoTabs)
{
    OPWTabbedComponent tabs;
    EXPECT_EQ(tabs.m_CurrentTabIndex, -1);
    EXPECT_EQ(tabs.m_PreviousTabIndex, -1);
    EXPECT_FALSE(tabs.m_TabChanged);
    EXPECT_FALSE(tabs.m_FirstTabFixed);
    for (int i = 0; i < 3; ++i)
        tabs.addTab("file " + juce::String(i), juce::Colours::grey, new juce::Component(), true);
    tabs.setCurrentTabIndex(0);
    tabs.m_TabChanged = false;
    tabs.setCurrentTabIndex(2);
    EXPECT_EQ(tabs.m_PreviousTabIndex, 0);
    EXPECT_EQ(tabs.m_CurrentTabIndex, 2);
    EXPECT_TRUE(tabs.m_TabChanged);
    tabs.currentTabChanged(2, {});
    EXPECT_EQ(tabs.m_PreviousTabIndex, 2);
    EXPECT_EQ(tabs.m_CurrentTabIndex, 2);
}

TEST(LibrarianTabs, OnlyProgramDragsOverTheColumnAskForTheSlide)
{
    auto* host = Host::createInstance();
    host->changeDeviceEnvironment(DeviceInfo(kProductModelOPW, true, 0, "in", 0, "out", 1, 0, 0, kMediaTypeUSB));
    {
        Recorder recorder;
        OPWTabbedComponent tabs;

        // No tab yet: entering asks nothing; leaving still folds.
        tabs.itemDragEnter(drag(ProgramDataDragID, 3));
        testing_support::pumpFor(20);
        EXPECT_TRUE(recorder.moves.isEmpty());

        tabs.addTab("file", juce::Colours::grey, new juce::Component(), true);
        tabs.addTab("file 2", juce::Colours::grey, new juce::Component(), true);
        tabs.setCurrentTabIndex(0);
        for (const auto& id : { AmpFXModelModuleDragID, AudioEQDataDragID, CurrentAudioEQDataDragID })
        {
            EXPECT_FALSE(tabs.isInterestedInDragSource(drag(id, 0)));
            tabs.itemDragEnter(drag(id, 0));
            tabs.itemDragExit(drag(id, 0));
        }
        EXPECT_TRUE(tabs.isInterestedInDragSource(drag(ProgramDataDragID, 3)));
        EXPECT_TRUE(tabs.isInterestedInDragSource(drag(CurrentProgramDataDragID, -1)));
        tabs.itemDragEnter(drag(ProgramDataDragID, 3));
        tabs.itemDragExit(drag(ProgramDataDragID, 3));
        tabs.itemDragEnter(drag(CurrentProgramDataDragID, -1));
        testing_support::pumpUntil([&] { return recorder.moves.size() >= 3; });
        EXPECT_EQ(recorder.moves, juce::Array<int>({ 1, 0, 1 }));
        EXPECT_EQ(tabs.getCurrentTabIndex(), 0); // the first tab is not fixed: it stays
    }
    Host::destroyInstance();
}

TEST(LibrarianTabs, PagesWithoutContentDestroyOnlyThemselves)
{
    struct ROMTab : RSLibROMSubTabBase
    {
        void initialise() override {}
    };
    struct UserTab : RSUserSubTabBase
    {
        void initialise() override {}
    };
    auto rom = std::make_unique<ROMTab>();
    auto user = std::make_unique<UserTab>();
    EXPECT_EQ(rom->getContentComponent(), nullptr);
    rom.reset();
    user.reset();
    SUCCEED();
}
