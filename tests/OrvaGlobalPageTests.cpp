// The Orva global page against a simulated amplifier: the layout of its
// three buttons, a click on "WIDE" sending exactly one change, a change from
// the amplifier moving exactly the switch, the section events it follows and
// the ones its tab holds back.
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Orva/OrvaGlobalComponent.h"
#include "GUI/Orva/OrvaGlobalMiniComponent.h"
#include "GUI/Orva/OrvaGlobalSubTab.h"
#include "GUI/Widgets/RSValDispButton.h"
#include "GUI/Widgets/RSWideSwitch.h"
#include "ParamTable/COrvaGlobalSectionBase.h"
#include "ParamTable/CSectionEventPoster.h"
#include "support/LibrarianTestSupport.h"

using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
// Catches the section events and hands them to the page, as the router does.
struct EventTap : juce::MessageListener
{
    explicit EventTap(OrvaGlobalComponent& p) : page(p) { CSectionEventPoster::setTargetOverride(this); }
    ~EventTap() override { CSectionEventPoster::setTargetOverride(nullptr); }
    void handleMessage(const juce::Message& m) override
    {
        if (auto* my = dynamic_cast<const MyMessage*>(&m))
            ids.add(my->getId());
        page.handleMessageSub(m);
    }
    OrvaGlobalComponent& page;
    juce::Array<int> ids;
};

struct OrvaGlobal : testing_support::LibrarianFixture
{};
} // namespace

TEST_F(OrvaGlobal, WideSwitchWritesOnceAndFollowsTheAmplifier)
{
    SimulatedAmplifier amp(ports, 2);
    auto* dc = bootSynchronised(amp);
    ASSERT_NE(dc, nullptr);

    OrvaGlobalMiniComponent page(256, 195, 256, 195);
    page.initialise();
    page.setBounds(0, 0, 256, 195);
    EventTap tap(page);

    // bw = 256 - 16, bh = (195 - 40) / 3; Orva KX gold captions.
    auto* wide = page.getWideSwitch();
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(wide->getBounds(), juce::Rectangle<int>(8, 10, 240, 51));
    EXPECT_EQ(page.getUSBRoutingButton()->getBounds(), juce::Rectangle<int>(8, 71, 240, 51));
    EXPECT_EQ(page.getAudioEQButton()->getBounds(), juce::Rectangle<int>(8, 132, 240, 51));
    EXPECT_EQ(wide->findColour(juce::TextButton::textColourOffId), juce::Colour(0xFFCEA939));
    EXPECT_EQ((int) wide->getProperties()["PARAMID"], 0x4200);
    EXPECT_EQ((int) page.getAudioEQButton()->getProperties()["PARAMID"], 0x4400);

    // A click turns the amplifier's value over: one change, the switch follows.
    const int before = dc->getGlobalSection().GetParamI(0x4200);
    wide->triggerClick();
    ASSERT_TRUE(pumpUntil([&] { return amp.getNumReceived() >= 1; }));
    pumpFor(50);
    EXPECT_EQ(amp.getNumReceived(), 1);
    EXPECT_EQ(amp.getParam(0x4200), before == 0 ? 1 : 0);
    EXPECT_EQ(wide->getToggleState(), before == 0);

    // The amplifier switches it back: the switch moves, nothing is sent back.
    amp.clearRecords();
    amp.sendParamChange(0x42, 0x00, before);
    ASSERT_TRUE(pumpUntil([&] { return wide->getToggleState() == (before != 0); }));
    EXPECT_TRUE(tap.ids.contains(MessageId::SectionValueChanged));
    pumpFor(50);
    EXPECT_EQ(amp.getNumReceived(), 0);

    // A reinitialised section shows and enables the control of the id again.
    wide->setVisible(false);
    wide->setEnabled(false);
    std::unique_ptr<MyMessage> reinitialised(MyMessage::create(MessageId::SectionReinitialized, 0x4200));
    page.handleMessageSub(*reinitialised);
    EXPECT_TRUE(wide->isVisible());
    EXPECT_TRUE(wide->isEnabled());

    // The tab hands on only the routing and EQ events: a value event stops.
    OrvaGlobalSubTab tab(0, 36, 256, 505, 32);
    tab.initialise();
    auto* full = tab.getGlobalComponent();
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(tab.getContentComponent(), full);
    EXPECT_EQ(full->getBounds(), juce::Rectangle<int>(0, 0, 256, 505));
    const bool shown = full->getWideSwitch()->getToggleState();
    dc->getGlobalSection().PutParamIEx(0x4200, shown ? 0 : 1, 1, CHGSRC_CONTROL);
    std::unique_ptr<MyMessage> value(MyMessage::create(MessageId::SectionValueChanged, 0x4200));
    tab.handleMessageSub(*value);
    EXPECT_EQ(full->getWideSwitch()->getToggleState(), shown);
    full->handleMessageSub(*value);
    EXPECT_NE(full->getWideSwitch()->getToggleState(), shown);

    testing_support::saveScreenshot(page, "orva_global_mini_okx");
}
