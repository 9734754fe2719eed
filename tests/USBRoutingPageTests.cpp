// The USB-routing page of the Orva models against a simulated amplifier:
// each mode chosen by the mouse goes out once, the amplifier's own change
// moves the picture and the buttons together, and the page follows change
// messages only outside transfers.
#include "DataCenter/OrvaDataCenter.h"
#include "GUI/Shell/OverlayComponentHolder.h"
#include "GUI/Shell/RSOrvaUSBImage.h"
#include "GUI/Shell/RSUSBSelectButton.h"
#include "GUI/Shell/USBRoutingSelectComponent.h"
#include "OrvaKX/OKXDataCenter.h"
#include "OrvaPW/OPWDataCenter.h"
#include "ParamTable/COrvaGlobalSectionBase.h"
#include "support/OrvaOverlayFixture.h"

using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
struct USBRoutingPage : testing_support::OrvaOverlayFixture
{
    template <typename DC>
    USBRoutingSelectComponent* open(int model)
    {
        dc = start<DC>(model);
        if (dc == nullptr)
            return nullptr;
        manager->showUSBRoutingSelect();
        pumpFor(30);
        if (! settle())
            return nullptr;
        amp->clearRecords();
        page = dynamic_cast<USBRoutingSelectComponent*>(manager->getUSBRoutingSelect());
        return page;
    }

    int onButton() const
    {
        int on = -1, count = 0;
        for (int m = 0; m < 3; ++m)
            if (page->getModeButton(m)->getToggleState())
            {
                on = m;
                ++count;
            }
        return count == 1 ? on : -2;
    }

    OrvaDataCenter* dc = nullptr;
    USBRoutingSelectComponent* page = nullptr;
};
} // namespace

TEST_F(USBRoutingPage, EachModeIsSentOnceAndAmplifierChangesMovePictureAndButtonsTogether)
{
    ASSERT_NE(open<OKXDataCenter>(2), nullptr);
    EXPECT_EQ(page->getWidth(), 425);
    EXPECT_EQ(page->getHeight(), 274);
    EXPECT_EQ(page->getBounds().getCentre(), main->getLocalBounds().getCentre());
    EXPECT_EQ(page->getOkButton()->getBounds(), juce::Rectangle<int>(319, 219, 96, 36));
    ASSERT_NE(page->getRoutingImage(), nullptr);
    EXPECT_EQ(page->getRoutingImage()->getBounds(), juce::Rectangle<int>(10, 55, 405, 155));
    for (int m = 0; m < 3; ++m)
    {
        auto* button = page->getModeButton(m);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->getBounds(), juce::Rectangle<int>(90 + 110 * m, 10, 100, 36));
        EXPECT_EQ(button->getButtonText(), "MODE " + juce::String(m + 1));
        EXPECT_EQ(button->getOutlineColour(), juce::Colours::yellow);
        EXPECT_EQ((int) button->getProperties()["USBID"], m);
    }
    EXPECT_EQ(onButton(), dc->getGlobalSection().GetParamI(0x4300));

    // Each mode by the mouse: written once, its button alone on, the
    // picture showing it.
    for (int m : { 1, 2, 0 })
    {
        amp->clearRecords();
        mouse.click(*page->getModeButton(m), { 50, 18 });
        EXPECT_EQ(receivedAfter(1), (std::vector<std::vector<int>> { paramChange(0x4300, m) })) << m;
        EXPECT_EQ(amp->getParam(0x4300), m);
        EXPECT_EQ(onButton(), m);
        ASSERT_TRUE(pumpUntil([&] { return page->getRoutingImage()->m_Type == m; }));
    }
    testing_support::saveScreenshot(*page, "usb-routing-page-okx");

    // The amplifier switches to MODE 3: picture and buttons follow at once,
    // nothing goes back.
    amp->clearRecords();
    amp->sendParamChange(0x43, 0x00, 2);
    ASSERT_TRUE(pumpUntil([&] { return page->getRoutingImage()->m_Type == 2; }));
    EXPECT_EQ(onButton(), 2);
    pumpFor(50);
    EXPECT_EQ(amp->getNumReceived(), 0);

    // During a transfer a change message does not refresh the page; after
    // it, the next one does. A stored mode outside 0..2 changes nothing.
    auto* midi = host->getMidiManager();
    dc->getGlobalSection().PutParamIEx(0x4300, 1, 0, CHGSRC_CONTROL);
    midi->setBulkReceive(true);
    page->changeListenerCallback(midi);
    EXPECT_EQ(onButton(), 2);
    midi->setBulkReceive(false);
    page->changeListenerCallback(midi);
    EXPECT_EQ(onButton(), 1);
    EXPECT_EQ(page->getRoutingImage()->m_Type, 1);

    // CLOSE closes the page.
    mouse.click(*page->getOkButton(), { 10, 10 });
    ASSERT_TRUE(pumpUntil([&] { return ! manager->isUSBRoutingSelectShowing(); }));
}

TEST_F(USBRoutingPage, OrvaPWButtonsTakeTheirColours)
{
    ASSERT_NE(open<OPWDataCenter>(3), nullptr);
    EXPECT_EQ(page->getModeButton(0)->getOutlineColour(), juce::Colour(0xFFE2E2E2));
    EXPECT_EQ(page->getModeButton(0)->getFillColour(), juce::Colours::grey);
    mouse.click(*page->getModeButton(2), { 50, 18 });
    EXPECT_EQ(receivedAfter(1), (std::vector<std::vector<int>> { paramChange(0x4300, 2) }));
    testing_support::saveScreenshot(*page, "usb-routing-page-opw");
}
