// The HMQ custom amp and effect pages against a simulated HMQ: drops written
// into the custom slots after the confirmation (one custom dump each), presses
// copied back into the current program (one current-program dump each), the
// slot highlight following the section events, and the layout of the slots.

#include "Application/StateHolder.h"
#include "Core/MyMessage.h"
#include "GUI/Editor/AmpFXModelModuleDragItem.h"
#include "GUI/Editor/WriteConfirmation.h"
#include "GUI/HMQ/HMQCustomAmpComponent.h"
#include "GUI/HMQ/HMQCustomFXSectionComponent.h"
#include "GUI/HMQ/HMQCustomPedal1Component.h"
#include "GUI/HMQ/HMQCustomPedal2Component.h"
#include "GUI/HMQ/HMQCustomReverbComponent.h"
#include "GUI/HMQ/HMQFXLabel.h"
#include "GUI/HMQ/HMQGuiSupport.h"
#include "GUI/HMQ/RSHMQAmpImage.h"
#include "GUI/HMQ/RSHMQPedal1Image.h"
#include "GUI/HMQ/RSHMQRevImage.h"
#include "GUI/Widgets/RSToggleButton.h"
#include "HMQ/HMQDataCenter.h"
#include "HMQ/HMQTypeNames.h"
#include "support/BootedHostFixture.h"

#include <deque>
#include <thread>

using Bytes = SimulatedAmplifier::Bytes;
using testing_support::bytes;
using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
juce::MouseEvent pressOn(juce::Component& c)
{
    const juce::Point<float> pos(2.0f, 2.0f);
    return juce::MouseEvent(juce::Desktop::getInstance().getMainMouseSource(), pos, juce::ModifierKeys::leftButtonModifier, 1.0f,
                            0.0f, 0.0f, 0.0f, 0.0f, &c, &c, juce::Time::getCurrentTime(), pos, juce::Time::getCurrentTime(), 1,
                            false);
}

juce::DragAndDropTarget::SourceDetails moduleDrag(int module)
{
    return { AmpFXModelModuleDragItem(AmpFXModelModuleDragID, module), nullptr, {} };
}

MyMessage* sectionEvent(int kind, int a = 0, int b = 0)
{
    return MyMessage::create(kind, a, b);
}

struct HMQCustomPageFixture : testing_support::BootedHostFixture
{
    void SetUp() override
    {
        dc = boot<HMQDataCenter>();
        ASSERT_NE(dc, nullptr);
        // The start-up settles before the buffers are filled.
        pumpFor(300);
        WriteConfirmation::setPrompt([this](const juce::String& message, const juce::String& toggleText, bool&) {
            questions.add(message + (toggleText.isNotEmpty() ? " +toggle" : ""));
            if (answers.empty())
                return false;
            const bool a = answers.front();
            answers.pop_front();
            return a;
        });
        // Known contents: slot s filled with 0x10 * (s + 1) + byte index
        // (low 7 bits); the edit buffer with 0x40 + index.
        for (int s = 0; s < 4; ++s)
        {
            unsigned char rec[62];
            for (int i = 0; i < 62; ++i)
                rec[i] = (unsigned char) ((0x10 * (s + 1) + i) & 0x7F);
            rec[17] = 0;
            rec[18] = (unsigned char) (s == 1 ? 6 : 2); // USER B: amp type 6 (ZUL QT50)
            dc->setCustomBuf(rec, s);
        }
        unsigned char edit[62];
        for (int i = 0; i < 62; ++i)
            edit[i] = (unsigned char) ((0x40 + i) & 0x7F);
        edit[18] = 9; // amp type
        edit[31] = 4; // pedal-1 type: an overdrive
        edit[39] = 2; // pedal-2 type: a phaser
        edit[55] = 2; // reverb type: HALL
        dc->UpdateEditBuf(edit);
        pumpFor(20);
        ASSERT_TRUE(settle());
        amp->clearRecords();
    }

    void TearDown() override { WriteConfirmation::setPrompt({}); }

    // The messages the amplifier received, once `expected` of them arrived
    // (a busy machine can take a while to carry them across) and nothing
    // more is on its way.
    std::vector<juce::MidiMessage> received(int expected)
    {
        amp->waitForReceived(expected, testing_support::patienceMs);
        pumpFor(30);
        EXPECT_TRUE(settle());
        return amp->getReceived();
    }

    std::unique_ptr<SimulatedAmplifier> amp = std::make_unique<SimulatedAmplifier>(ports, 1);
    HMQDataCenter* dc = nullptr;
    std::deque<bool> answers;
    juce::StringArray questions;
};

Bytes customOf(HMQDataCenter& dc, int slot)
{
    return bytes(dc.getCustomBuf(slot), 62);
}
} // namespace

TEST_F(HMQCustomPageFixture, AmpSlotsWriteConfirmedDropsAndCopyBackOnPress)
{
    HMQCustomAmpComponent page(742, 208);
    page.setBounds(0, 0, 742, 208);
    page.initialise();

    // Title 30 high: slots of (742 - 16) / 3 = 242 x 170 at x 4, 250, 496.
    ASSERT_EQ(page.getTitleHeight(), 30);
    EXPECT_EQ(page.getSlot(0)->getBounds(), juce::Rectangle<int>(4, 34, 242, 170));
    EXPECT_EQ(page.getSlot(2)->getBounds(), juce::Rectangle<int>(496, 34, 242, 170));

    // USER B holds amp type 6: row 2 reads "TONE", no BRIGHT CAP for it.
    auto& userB = *page.getSlot(1);
    auto labelWith = [](juce::Component& slot, int id, int index) -> juce::Label* {
        for (auto* c : slot.getChildren())
            if ((int) c->getProperties()["ID"] == id && (int) c->getProperties()["INDEX"] == index)
                return dynamic_cast<juce::Label*>(c);
        return nullptr;
    };
    ASSERT_NE(labelWith(userB, 1028, 2), nullptr);
    EXPECT_TRUE(labelWith(userB, 1028, 2)->getText().startsWith("TONE: "));
    EXPECT_TRUE(labelWith(userB, 1028, 4)->isVisible());
    EXPECT_EQ(labelWith(userB, 1028, 5)->getBounds(), juce::Rectangle<int>(130, 170 - 62, 70, 14));
    EXPECT_EQ(labelWith(userB, 1025, 7)->getBounds(), juce::Rectangle<int>(195, 170 - 62 + 30, 40, 14));

    // Only amp drags (module or program part 0) are taken.
    EXPECT_TRUE(userB.isInterestedInDragSource(moduleDrag(0)));
    EXPECT_FALSE(userB.isInterestedInDragSource(moduleDrag(1)));
    EXPECT_FALSE(userB.isInterestedInDragSource(moduleDrag(2)));
    juce::var partial;
    partial.append("ProgramPartialSectionDataDragItem");
    partial.append(0);
    EXPECT_TRUE(userB.isInterestedInDragSource({ partial, nullptr, {} }));
    ASSERT_EQ(dc->getEditBuf()[18], 9);

    // Cancel: nothing written, nothing sent.
    const auto before = customOf(*dc, 1);
    answers = { false };
    userB.itemDropped(moduleDrag(0));
    EXPECT_EQ(questions, juce::StringArray { "Write to HM's Custom AMP Setting ?" });
    EXPECT_EQ(customOf(*dc, 1), before);
    EXPECT_TRUE(received(0).empty());

    // OK: bytes 16, 18, 24-30 from the program, 19-23 cleared, bit 0x01 in
    // byte 17; one custom dump of slot 1, which the amplifier now holds.
    answers = { true };
    userB.itemDropped(moduleDrag(0));
    auto expected = before;
    const auto edit = bytes(dc->getEditBuf(), 62);
    expected[16] = edit[16];
    expected[18] = edit[18];
    for (int i = 19; i <= 23; ++i)
        expected[(size_t) i] = 0;
    for (int i = 24; i <= 30; ++i)
        expected[(size_t) i] = edit[(size_t) i];
    expected[17] = (juce::uint8)(before[17] | 0x01);
    EXPECT_EQ(customOf(*dc, 1), expected);
    auto got = received(1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(testing_support::bytesOf(got[0]),
              testing_support::bytesOf(SimulatedAmplifier::makeFrame(0x34, 0x65, { 0x00, 0x01 }, expected)));
    EXPECT_EQ(amp->getCustom(1), expected);

    // The refresh follows the slot's new amp type (9 has no bright switch).
    page.changeListenerCallback(nullptr);
    auto* picture = dynamic_cast<RSHMQAmpImage*>(userB.getChildComponent(0));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->m_Type, 9);
    EXPECT_EQ(labelWith(userB, 1028, 2)->getText(), "PRESENCE");
    EXPECT_FALSE(labelWith(userB, 1028, 4)->isVisible());
    EXPECT_FALSE(labelWith(userB, 1025, 4)->isVisible());

    // A press on USER C (on one of its labels): its amp part goes into the
    // program, one current-program dump, USER C highlighted.
    amp->clearRecords();
    const auto slotC = customOf(*dc, 2);
    labelWith(*page.getSlot(2), 1025, 3)->mouseDown(pressOn(*labelWith(*page.getSlot(2), 1025, 3)));
    const auto program = bytes(dc->getEditBuf(), 62);
    for (int i : { 16, 18, 24, 25 })
        EXPECT_EQ(program[(size_t) i], slotC[(size_t) i]) << i;
    EXPECT_EQ(program[26], slotC[26] & 1);
    EXPECT_EQ(program[29], slotC[29] & 3);
    EXPECT_EQ(program[17], edit[17]);
    got = received(1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(testing_support::bytesOf(got[0]), testing_support::bytesOf(SimulatedAmplifier::makeFrame(0x34, 0x40, {}, program)));
    EXPECT_EQ(page.m_Value, HMQCustomAmpSectionComponent::USER_C);
    EXPECT_TRUE(page.m_Flag);

    // The highlight ends with an amp-type change of the program, or a module
    // selection; event 13 sets it again.
    std::unique_ptr<MyMessage> m(sectionEvent(3, 0x301, 0));
    page.handleMessageSub(*m);
    EXPECT_TRUE(page.m_Flag);
    m.reset(sectionEvent(3, 768, 0));
    page.handleMessageSub(*m);
    EXPECT_FALSE(page.m_Flag);
    m.reset(sectionEvent(13, 1));
    page.handleMessageSub(*m);
    EXPECT_TRUE(page.m_Flag);
    m.reset(sectionEvent(7, 2));
    page.handleMessageSub(*m);
    EXPECT_FALSE(page.m_Flag);
}

TEST_F(HMQCustomPageFixture, AmpSlotsOfSmallPagesShowOnlyPictureAndModel)
{
    HMQCustomAmpComponent page(742, 108);
    page.initialise();
    EXPECT_EQ(page.getTitleHeight(), 0);
    EXPECT_EQ(page.getSlot(0)->getNumChildComponents(), 2); // 100 high: picture and model line
    HMQCustomAmpComponent tall(742, 150);
    tall.initialise();
    EXPECT_EQ(tall.getTitleHeight(), 0);
    EXPECT_EQ(tall.getSlot(0)->getNumChildComponents(), 18);
}

TEST_F(HMQCustomPageFixture, AmpSlotNamesEndBeforeTheirValuesAndStayWhole)
{
    HMQCustomAmpComponent page(742, 208);
    page.setBounds(0, 0, 742, 208);
    page.initialise();

    // Every row's name, as first written ("NAME: ") and as the refresh writes
    // it, is laid out whole in its label and ends before its value box.
    const auto checkRows = [&page](const char* when) {
        int rows = 0;
        for (int slot = 0; slot < 3; ++slot)
            for (int index = 1; index <= 8; ++index)
            {
                juce::Label *name = nullptr, *value = nullptr;
                for (auto* c : page.getSlot(slot)->getChildren())
                    if ((int) c->getProperties()["INDEX"] == index)
                        ((int) c->getProperties()["ID"] == 1028 ? name : value) = dynamic_cast<juce::Label*>(c);
                ASSERT_NE(name, nullptr);
                ASSERT_NE(value, nullptr);
                if (name->getText().isEmpty())
                    continue;
                EXPECT_LE(name->getRight(), value->getX()) << when << " " << name->getText();
                const auto area = name->getBorderSize().subtractedFrom(name->getLocalBounds());
                juce::GlyphArrangement glyphs;
                glyphs.addFittedText(name->getFont(), name->getText(), (float) area.getX(), (float) area.getY(),
                                     (float) area.getWidth(), (float) area.getHeight(), name->getJustificationType(), 1,
                                     name->getMinimumHorizontalScale());
                juce::String laidOut;
                for (const auto& glyph : glyphs)
                    laidOut += juce::String::charToString(glyph.getCharacter());
                EXPECT_EQ(laidOut.removeCharacters(" "), name->getText().removeCharacters(" ")) << when;
                EXPECT_LE(name->getX() + glyphs.getBoundingBox(0, -1, true).getRight(), (float) value->getX())
                    << when << " " << name->getText();
                ++rows;
            }
        EXPECT_GE(rows, 21) << when;
    };
    checkRows("built");
    page.changeListenerCallback(nullptr);
    checkRows("refreshed");
    testing_support::saveScreenshot(page, "hmq_custom_amp_page");
}

TEST_F(HMQCustomPageFixture, EffectSlotsTakeOnlyTheMatchingVariationAndCopyBack)
{
    juce::Component holder;
    holder.setSize(742, 208);
    HMQCustomPedal1Component pedal1(742, 208);
    HMQCustomPedal2Component pedal2(742, 208);
    HMQCustomReverbComponent reverb(742, 208);
    for (auto* p : { (HMQCustomFXComponent*) &pedal1, (HMQCustomFXComponent*) &pedal2, (HMQCustomFXComponent*) &reverb })
    {
        p->setBounds(0, 0, 742, 208);
        holder.addChildComponent(p);
        p->initialise();
        p->changeListenerCallback(nullptr);
    }

    // Value labels per variation: COMP 4, PHASER 4, TREMOLO 5, other pedals 6, reverbs 5.
    const int labels[12] = { 4, 6, 6, 6, 6, 4, 5, 6, 5, 5, 5, 5 };
    for (int k = 0; k < 12; ++k)
    {
        auto* page =
            k < 4 ? (HMQCustomFXComponent*) &pedal1 : (k < 8 ? (HMQCustomFXComponent*) &pedal2 : (HMQCustomFXComponent*) &reverb);
        auto* slot = page->getSlot(k % 4);
        EXPECT_EQ(slot->getKind(), k);
        EXPECT_EQ(slot->getNumValueLabels(), labels[k]) << "kind " << k;
        // Every value id is a row of the custom section.
        for (int i = 0; i < slot->getNumValueLabels(); ++i)
        {
            SParamDesc desc {};
            EXPECT_TRUE(dc->getCustomSection().GetParamDesc((int) slot->getValueLabel(i)->getProperties()["PARAMID"], &desc));
        }
    }

    // Pedal-1 type 4 uses OVERDRIVE, pedal-2 type 2 PHASER, reverb 2 HALL:
    // their toggles are ticked and only their slots take a drag of the module.
    EXPECT_TRUE(pedal1.getToggle(2)->getToggleState());
    EXPECT_TRUE(pedal2.getToggle(1)->getToggleState());
    EXPECT_TRUE(reverb.getToggle(2)->getToggleState());
    EXPECT_EQ(pedal2.getSlot(1)->getValueLabel(0)->findColour(juce::Label::textColourId), juce::Colours::white);
    EXPECT_EQ(pedal2.getSlot(0)->getValueLabel(0)->findColour(juce::Label::textColourId), juce::Colours::darkgrey);
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(pedal1.getSlot(i)->isInterestedInDragSource(moduleDrag(1)), i == 2) << i;
        EXPECT_EQ(pedal2.getSlot(i)->isInterestedInDragSource(moduleDrag(3)), i == 1) << i;
        EXPECT_EQ(reverb.getSlot(i)->isInterestedInDragSource(moduleDrag(2)), i == 2) << i;
        EXPECT_FALSE(pedal1.getSlot(i)->isInterestedInDragSource(moduleDrag(0)));
        EXPECT_FALSE(reverb.getSlot(i)->isInterestedInDragSource(moduleDrag(3)));
    }
    dc->getUserEditSection().PutParamIEx(769, 9, 1, CHGSRC_CONTROL);
    EXPECT_TRUE(pedal1.getSlot(3)->isInterestedInDragSource(moduleDrag(1)));
    EXPECT_FALSE(pedal1.getSlot(2)->isInterestedInDragSource(moduleDrag(1)));
    pumpFor(20);
    ASSERT_TRUE(settle());
    amp->clearRecords();

    // A confirmed drop on HALL: bytes 55-61 and bit 0x10 of custom slot 2,
    // one custom dump of slot 2.
    const auto before = customOf(*dc, 2);
    const auto edit = bytes(dc->getEditBuf(), 62);
    answers = { true };
    reverb.getSlot(2)->itemDropped(moduleDrag(2));
    EXPECT_EQ(questions, juce::StringArray { "Write to HM's Custom FX Setting ?" });
    auto expected = before;
    for (int i = 55; i <= 61; ++i)
        expected[(size_t) i] = edit[(size_t) i];
    expected[17] = (juce::uint8)(before[17] | 0x10);
    EXPECT_EQ(customOf(*dc, 2), expected);
    auto got = received(1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(testing_support::bytesOf(got[0]),
              testing_support::bytesOf(SimulatedAmplifier::makeFrame(0x34, 0x65, { 0x00, 0x02 }, expected)));

    // Cancel on a pedal-2 drop: nothing.
    amp->clearRecords();
    answers = { false };
    pedal2.getSlot(1)->itemDropped(moduleDrag(3));
    EXPECT_EQ(customOf(*dc, 1)[17] & 0x04, 0);
    EXPECT_TRUE(received(0).empty());

    // The TREMOLO toggle copies custom slot 2's pedal-2 part (39-46) into the
    // program: one current-program dump.
    amp->clearRecords();
    auto* tremolo = pedal2.getToggle(2);
    tremolo->mouseDown(pressOn(*tremolo));
    static_cast<juce::Component*>(tremolo)->mouseUp(pressOn(*tremolo));
    const auto program = bytes(dc->getEditBuf(), 62);
    for (int i = 39; i <= 46; ++i)
        EXPECT_EQ(program[(size_t) i], customOf(*dc, 2)[(size_t) i]) << i;
    got = received(1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(testing_support::bytesOf(got[0]), testing_support::bytesOf(SimulatedAmplifier::makeFrame(0x34, 0x40, {}, program)));
    EXPECT_EQ(pedal2.m_Value, 2);
    EXPECT_TRUE(pedal2.m_Flag);

    // A type change from the amplifier highlights; from the editor it keeps
    // the toggle but drops the highlight.
    dc->getUserEditSection().PutParamIEx(772, 3, 1, CHGSRC_DEVICE);
    std::unique_ptr<MyMessage> m(sectionEvent(3, 772, 2));
    reverb.handleMessageSub(*m);
    EXPECT_TRUE(reverb.m_Flag);
    EXPECT_EQ(reverb.m_Value, 3);
    EXPECT_TRUE(reverb.getToggle(3)->getToggleState());
    m.reset(sectionEvent(3, 772, 0));
    reverb.handleMessageSub(*m);
    EXPECT_FALSE(reverb.m_Flag);
    EXPECT_TRUE(reverb.getToggle(3)->getToggleState());
}

TEST_F(HMQCustomPageFixture, EffectPageLayoutFollowsItsHeight)
{
    struct Case
    {
        int height, title, firstToggleY, step;
    };
    for (const auto& c : { Case { 150, 0, 50, 15 }, Case { 151, 25, 75, 20 }, Case { 130, 0, 20, 15 } })
    {
        HMQCustomPedal1Component page(742, c.height);
        page.initialise();
        EXPECT_EQ(page.getTitleHeight(), c.title) << c.height;
        EXPECT_EQ(page.getToggle(0)->getY(), c.firstToggleY) << c.height;
        EXPECT_EQ(page.getToggle(1)->getY() - page.getToggle(0)->getY(), c.step) << c.height;
        const int sh = (c.height - 25 - c.title) / 4;
        EXPECT_EQ(page.getSlot(1)->getBounds(), juce::Rectangle<int>(140, c.title + 5 + sh + 5, 742 - 145, sh)) << c.height;
    }
}

TEST_F(HMQCustomPageFixture, PartCopiesWaitForTheBufferLock)
{
    // A reader of the data centre's buffers holds the lock on another thread:
    // the copy into the custom slot must wait for it.
    juce::WaitableEvent locked, release;
    std::thread reader([&] {
        const juce::ScopedReadLock lock(dc->getFileTabLock());
        locked.signal();
        release.wait(2000);
    });
    locked.wait(2000);
    std::atomic<bool> copied { false };
    std::thread writer([&] {
        dc->storeEditPartInCustomSlot(HMQDataCenter::customPedal1, 0);
        copied = true;
    });
    juce::Thread::sleep(50);
    EXPECT_FALSE(copied.load());
    release.signal();
    writer.join();
    reader.join();
    EXPECT_TRUE(copied.load());
    EXPECT_EQ(dc->getCustomBuf(0)[17] & 0x02, 0x02);
    EXPECT_FALSE(dc->storeEditPartInCustomSlot(4, 0));
    EXPECT_FALSE(dc->loadCustomPartIntoEditBuf(-1, 0));
}

TEST(HMQCustomPages, WithoutADataCentreDoNothing)
{
    ASSERT_EQ(HMQGuiSupport::getDataCenter(), nullptr);
    int asked = 0;
    WriteConfirmation::setPrompt([&](const juce::String&, const juce::String&, bool&) { return ++asked > 0; });
    HMQCustomAmpComponent page(742, 208);
    page.initialise();
    HMQCustomReverbComponent reverb(742, 208);
    reverb.initialise();
    page.getSlot(0)->itemDropped(moduleDrag(0));
    reverb.getSlot(0)->itemDropped(moduleDrag(2));
    page.mouseDownByOtherComponent(page.getSlot(1));
    reverb.changeListenerCallback(nullptr);
    page.changeListenerCallback(nullptr);
    EXPECT_FALSE(reverb.getSlot(0)->isInterestedInDragSource(moduleDrag(2)));
    EXPECT_EQ(asked, 2);
    WriteConfirmation::setPrompt({});
}

TEST_F(HMQCustomPageFixture, SlotPicturesClampTheTypeDrawFittedAndPassPressesUp)
{
    RSHMQRevImage rev;
    EXPECT_EQ(rev.getPngName(-1), "Reverb_Room_bust");
    EXPECT_EQ(rev.getPngName(9), "Reverb_Plate_bust");
    RSHMQAmpImage ampImage;
    EXPECT_EQ(ampImage.getPngName(4), "AmpType_OverdriveSpecial_178x91");
    EXPECT_EQ(ampImage.getPngName(12), "AmpType_SmoothLead_178x91");
    EXPECT_EQ(ampImage.getPngName(40), "AmpType_OrigCL_179x90");

    auto drawnPixels = [](RSImage& image) {
        image.setSize(70, 60);
        const auto snapshot = image.createComponentSnapshot(image.getLocalBounds());
        int n = 0;
        for (int y = 0; y < snapshot.getHeight(); ++y)
            for (int x = 0; x < snapshot.getWidth(); ++x)
                n += snapshot.getPixelAt(x, y).getAlpha() > 0 ? 1 : 0;
        return n;
    };
    rev.m_Type = 2;
    EXPECT_GT(drawnPixels(rev), 0);
    struct Missing : RSHMQPedal1Image
    {
        juce::String getPngName(int) override { return "NoSuchPicture"; }
    } missing;
    EXPECT_EQ(drawnPixels(missing), 0); // no picture, no badge either

    struct Parent : juce::Component,
                    AnotherComponentListner
    {
        void mouseDownByOtherComponent(juce::Component* c) override { pressed = c; }
        juce::Component* pressed = nullptr;
    } parent;
    parent.addAndMakeVisible(rev);
    rev.mouseDown(pressOn(rev));
    EXPECT_EQ(parent.pressed, &rev);
    parent.removeChildComponent(&rev);
}
