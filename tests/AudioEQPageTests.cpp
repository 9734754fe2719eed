// The audio-EQ page of the Orva models against a simulated amplifier, driven
// through its real widgets with the mouse: the knobs and the switch, the
// response curve against an independent computation, the slot choice, the
// drags onto the slots with their question, and the warning on leaving.
#include "Core/MyMessage.h"
#include "DataCenter/OrvaDataCenter.h"
#include "EQ/CAudioEQManager.h"
#include "GUI/AudioEQ/AudioEQDataDragItem.h"
#include "GUI/AudioEQ/AudioEQEditComponent.h"
#include "GUI/AudioEQ/OKXAudioEQEditComponent.h"
#include "GUI/AudioEQ/RSAudioEQFunctionButton.h"
#include "GUI/AudioEQ/RSDraggableFRCurveComponent.h"
#include "GUI/AudioEQ/RSFrequencyResponseAxisComponent.h"
#include "GUI/Shell/OverlayComponentHolder.h"
#include "GUI/Shell/USBRoutingSelectComponent.h"
#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSLabel.h"
#include "GUI/Widgets/RSReadOnlyTextEditor.h"
#include "OrvaKX/OKXDataCenter.h"
#include "OrvaPW/OPWDataCenter.h"
#include "ParamTable/COrvaAudioEQSectionBase.h"
#include "ParamTable/COrvaGlobalSectionBase.h"
#include "ParamTable/IStringConverter.h"
#include "support/DisplayEvents.h"
#include "support/OrvaOverlayFixture.h"
#include "support/PaintRecorder.h"

#include <algorithm>
#include <cmath>
#include <complex>

using Bytes = SimulatedAmplifier::Bytes;
using testing_support::AlertAnswerer;
using testing_support::bytes;
using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
struct Band
{
    int hz, gain, q;
};

// An 18-byte EQ block: trim, switch, four bands of frequency (16 bits, low
// byte first), gain (half decibels from 24) and Q (tenths).
Bytes eqBlock(int trim, int on, const std::array<Band, 4>& bands)
{
    Bytes b { (juce::uint8) trim, (juce::uint8) on };
    for (const auto& band : bands)
    {
        b.push_back((juce::uint8)(band.hz & 0xFF));
        b.push_back((juce::uint8)(band.hz >> 8));
        b.push_back((juce::uint8) band.gain);
        b.push_back((juce::uint8) band.q);
    }
    return b;
}

const Bytes flat = eqBlock(120, 1, { { { 100, 24, 7 }, { 500, 24, 7 }, { 1000, 24, 7 }, { 5000, 24, 7 } } });
const Bytes shaped = eqBlock(130, 1, { { { 120, 40, 7 }, { 400, 10, 20 }, { 2500, 44, 12 }, { 8000, 6, 5 } } });
const Bytes slotA = eqBlock(110, 1, { { { 200, 30, 6 }, { 700, 20, 9 }, { 3000, 28, 15 }, { 6000, 18, 8 } } });
const Bytes slotB = eqBlock(125, 0, { { { 60, 12, 4 }, { 300, 36, 30 }, { 1500, 16, 40 }, { 9000, 36, 10 } } });

// The response in dB of a block at f, from the cookbook biquads evaluated
// in double precision on the unit circle.
double cookbookResponseDb(const Bytes& block, double f)
{
    constexpr double fs = 44100.0, pi = 3.14159265358979323846;
    const std::complex<double> z1 = std::polar(1.0, -2.0 * pi * f / fs);
    const std::complex<double> z2 = z1 * z1;
    std::complex<double> h = 1.0;
    for (int b = 0; b < 4; ++b)
    {
        const double fc = block[(size_t) (2 + 4 * b)] | (block[(size_t) (3 + 4 * b)] << 8);
        const double dB = (block[(size_t) (4 + 4 * b)] - 24) * 0.5;
        const double q = block[(size_t) (5 + 4 * b)] * 0.1;
        const double A = std::pow(10.0, dB / 40.0);
        const double w0 = 2.0 * pi * fc / fs;
        const double cs = std::cos(w0), alpha = std::sin(w0) / (2.0 * q), rootA = std::sqrt(A);
        double b0, b1, b2, a0, a1, a2;
        if (b == 0)
        {
            b0 = A * ((A + 1) - (A - 1) * cs + 2 * rootA * alpha);
            b1 = 2 * A * ((A - 1) - (A + 1) * cs);
            b2 = A * ((A + 1) - (A - 1) * cs - 2 * rootA * alpha);
            a0 = (A + 1) + (A - 1) * cs + 2 * rootA * alpha;
            a1 = -2 * ((A - 1) + (A + 1) * cs);
            a2 = (A + 1) + (A - 1) * cs - 2 * rootA * alpha;
        }
        else if (b == 3)
        {
            b0 = A * ((A + 1) + (A - 1) * cs + 2 * rootA * alpha);
            b1 = -2 * A * ((A - 1) + (A + 1) * cs);
            b2 = A * ((A + 1) + (A - 1) * cs - 2 * rootA * alpha);
            a0 = (A + 1) - (A - 1) * cs + 2 * rootA * alpha;
            a1 = 2 * ((A - 1) - (A + 1) * cs);
            a2 = (A + 1) - (A - 1) * cs - 2 * rootA * alpha;
        }
        else
        {
            b0 = 1 + alpha * A;
            b1 = -2 * cs;
            b2 = 1 - alpha * A;
            a0 = 1 + alpha / A;
            a1 = -2 * cs;
            a2 = 1 - alpha / A;
        }
        h *= (b0 + b1 * z1 + b2 * z2) / (a0 + a1 * z1 + a2 * z2);
    }
    return 20.0 * std::log10(std::abs(h)) + (block[0] - 120) * 0.1;
}

const int bandIds[13] = {
    0x6000, 0x6200, 0x6201, 0x6202, 0x6300, 0x6301, 0x6302, 0x6400, 0x6401, 0x6402, 0x6500, 0x6501, 0x6502
};

// A warning box draws its icon whole, inside the box and left of the text.
void expectIconInsideTheBox(juce::AlertWindow& box, const juce::String& screenshot)
{
    juce::Image image;
    const auto drawn = testing_support::recordPainting(box, image);
    const auto isIcon = [](const testing_support::PaintRecorder::Shape& s) { return s.colour == juce::Colour(0x55FF5555); };
    const auto icon = std::find_if(drawn->shapes.begin(), drawn->shapes.end(), isIcon);
    ASSERT_NE(icon, drawn->shapes.end());
    EXPECT_TRUE(box.getLocalBounds().toFloat().reduced(2.0f).contains(icon->bounds)) << icon->bounds.toString();
    EXPECT_GE(icon->bounds.getHeight(), 32.0f);
    for (const auto& glyph : drawn->glyphs)
        if (glyph.colour == box.findColour(juce::AlertWindow::textColourId))
            EXPECT_FALSE(glyph.ink.intersects(icon->bounds)) << glyph.ink.toString();
    testing_support::saveScreenshot(box, screenshot);
}

// A box is answered only once the display has given its native window a size
// (on a busy machine the window manager takes its time, and a box answered
// before would leave no size to check).
void answerOnceSized(testing_support::NativeWindowSizes& windows, AlertAnswerer& answer)
{
    answer.readyToAnswer = [&windows](juce::AlertWindow& box) {
        return ! windows.of((juce::pointer_sized_uint) box.getWindowHandle()).empty();
    };
}

// Each box answered came on the screen whole: its native window never stood at
// a size other than the one it has with its buttons.
void expectEachBoxMadeWhole(testing_support::NativeWindowSizes& windows, const AlertAnswerer& answer)
{
    ASSERT_TRUE(windows.isWatching());
    for (const auto& [window, bounds] : answer.answeredWindows)
    {
        const auto sizes = windows.of(window);
        ASSERT_FALSE(sizes.empty());
        for (const auto& r : sizes)
            EXPECT_EQ(r.withZeroOrigin(), bounds.withZeroOrigin()) << r.toString();
    }
}

struct AudioEQPage : testing_support::OrvaOverlayFixture
{
    template <typename DC>
    AudioEQEditComponent* open(int model, const Bytes& current)
    {
        dc = start<DC>(model);
        if (dc == nullptr)
            return nullptr;
        dc->UpdateCurAudioEQBuf(current.data());
        dc->BackupCurAudioEQBuf();
        dc->setAudioEQBuf(const_cast<juce::uint8*>(slotA.data()), 0);
        dc->setAudioEQBuf(const_cast<juce::uint8*>(slotB.data()), 1);
        // The amplifier holds the same slots.
        host->getMidiManager()->sendAudioEQDump(0);
        host->getMidiManager()->sendAudioEQDump(1);
        amp->waitForReceived(2);
        manager->showAudioEQEdit();
        pumpFor(30);
        if (! settle())
            return nullptr;
        amp->clearRecords();
        page = dynamic_cast<AudioEQEditComponent*>(manager->getAudioEQEdit());
        return page;
    }

    RSKnob& knob(int id) { return *dynamic_cast<RSKnob*>(page->findWidgetByParamId(id)); }
    int value(int id) const { return dc->getAudioEQSection().GetParamI(id); }
    juce::String formatted(int id, int v) const
    {
        SParamDesc desc {};
        dc->getAudioEQSection().GetParamDesc(id, &desc);
        return juce::String(desc.converter->Format(v));
    }
    Bytes current() const { return bytes(dc->getCurAudioEQBuf(), 18); }

    void turn(juce::Component& c, int dy)
    {
        const auto centre = c.getLocalBounds().getCentre();
        mouse.move(c, centre);
        mouse.press(c, centre);
        mouse.drag(c, centre.translated(0, -dy));
        mouse.release(c, centre.translated(0, -dy));
    }

    OrvaDataCenter* dc = nullptr;
    AudioEQEditComponent* page = nullptr;
};
} // namespace

TEST_F(AudioEQPage, KnobsAndSwitchSendTheirParameterOnceAndAmplifierChangesMoveOnlyTheirKnob)
{
    ASSERT_NE(open<OKXDataCenter>(2, flat), nullptr);
    EXPECT_EQ(page->getBounds().getCentre(), main->getLocalBounds().getCentre());
    EXPECT_EQ(page->getWidth(), 640);
    EXPECT_EQ(page->getHeight(), 530);
    EXPECT_EQ(page->getAxisPane()->getBounds(), juce::Rectangle<int>(10, 54, 620, 200));
    EXPECT_EQ(page->getCurve()->getBounds(), juce::Rectangle<int>(0, 0, 620, 200));
    EXPECT_EQ(page->getOkButton()->getBounds(), juce::Rectangle<int>(530, 475, 100, 36));
    ASSERT_EQ(page->getNumSlotButtons(), 5);
    for (int slot = -1; slot < 4; ++slot)
    {
        auto* button = page->getSlotButton(slot);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->getBounds(), juce::Rectangle<int>(90 + 110 * (slot + 1), 10, 100, 36));
        EXPECT_EQ(button->getRadioGroupId(), 4100);
    }

    // Every knob is built at its place, linked to its value display, and
    // shows the data centre's value.
    for (int id : bandIds)
    {
        auto& k = knob(id);
        auto* display = dynamic_cast<RSReadOnlyTextEditor*>(k.getValueDisplay());
        ASSERT_NE(display, nullptr) << std::hex << id;
        EXPECT_EQ(display->getLinkedKnob(), &k);
        EXPECT_EQ(k.getCurrentValue(), value(id));
        EXPECT_EQ(display->getText(), formatted(id, value(id)));
    }
    EXPECT_EQ(dynamic_cast<RSLabel*>(knob(0x6000).getNameLabel())->getText(), "TRIM");
    // Opening the page sent nothing.
    pumpFor(50);
    ASSERT_TRUE(settle());
    EXPECT_EQ(amp->getNumReceived(), 0);

    // A drag on each knob writes exactly its parameter, once, with the value
    // the knob now shows.
    for (int id : bandIds)
    {
        amp->clearRecords();
        const int before = value(id);
        turn(knob(id), 60);
        const int after = value(id);
        ASSERT_NE(after, before) << std::hex << id;
        EXPECT_EQ(receivedAfter(1), (std::vector<std::vector<int>> { paramChange(id, after) })) << std::hex << id;
        EXPECT_EQ(amp->getParam(id), after);
        EXPECT_EQ(knob(id).getCurrentValue(), after);
        EXPECT_EQ(dynamic_cast<juce::Label*>(knob(id).getValueDisplay())->getText(), formatted(id, after));
    }

    // The same parameter changed by another view of the EQ: the knob
    // follows, and only that view's own message goes out.
    amp->clearRecords();
    dc->getAudioEQSection().PutParamI(0x6201, 30);
    EXPECT_EQ(receivedAfter(1), (std::vector<std::vector<int>> { paramChange(0x6201, 30) }));
    EXPECT_TRUE(pumpUntil([&] { return knob(0x6201).getCurrentValue() == 30; }));
    pumpFor(50);
    ASSERT_TRUE(settle());
    EXPECT_EQ(amp->getNumReceived(), 1);

    // The EQ switch.
    auto* eqSwitch = dynamic_cast<juce::Button*>(page->findWidgetByParamId(0x6100));
    ASSERT_NE(eqSwitch, nullptr);
    amp->clearRecords();
    mouse.click(*eqSwitch, eqSwitch->getLocalBounds().getCentre());
    EXPECT_EQ(receivedAfter(1), (std::vector<std::vector<int>> { paramChange(0x6100, 0) }));
    EXPECT_FALSE(eqSwitch->getToggleState());
    EXPECT_EQ(value(0x6100), 0);

    // A knob turned on the amplifier moves that knob and writes nothing back.
    amp->clearRecords();
    amp->sendParamChange(0x63, 0x01, 44);
    ASSERT_TRUE(pumpUntil([&] { return knob(0x6301).getCurrentValue() == 44; }));
    EXPECT_EQ(dynamic_cast<juce::Label*>(knob(0x6301).getValueDisplay())->getText(), formatted(0x6301, 44));
    amp->sendParamChange(0x61, 0x00, 1);
    ASSERT_TRUE(pumpUntil([&] { return eqSwitch->getToggleState(); }));
    pumpFor(50);
    ASSERT_TRUE(settle());
    EXPECT_EQ(amp->getNumReceived(), 0);
}

TEST_F(AudioEQPage, CurveMatchesTheCookbookBiquadsWithinAPixel)
{
    ASSERT_NE(open<OKXDataCenter>(2, shaped), nullptr);
    auto* curve = page->getCurve();
    const auto points = curve->computePoints(host->getAudioEQManager());
    constexpr double log10Nyquist = 4.343408593803857; // log10(22050)
    for (int i : { 0, 4, 9, 15, 22, 27, 32, 38, 44, 50, 55, 58 })
    {
        const double f = RSFrequencyResponseCurveComponent::prot_freq_table[i];
        const double dB = cookbookResponseDb(shaped, f);
        const int y = 100 - (int) (200.0 * dB / 48.0);
        const int x = (int) (620.0 * (std::log10(f) - 1.0) / (log10Nyquist - 1.0));
        ASSERT_TRUE(points[(size_t) i].valid) << f;
        EXPECT_EQ(points[(size_t) i].x, x) << f;
        EXPECT_LE(std::abs(points[(size_t) i].y - y), 1) << f << " Hz: " << dB << " dB";
    }
    testing_support::saveScreenshot(*page, "audio-eq-page-okx-shaped");

    // Turning a gain knob redraws from the new coefficients at once.
    turn(knob(0x6401), 30);
    receivedAfter(1);
    auto expected = shaped;
    expected[12] = (juce::uint8) value(0x6401);
    const auto after = curve->computePoints(host->getAudioEQManager());
    const double dB = cookbookResponseDb(expected, 2500.0);
    EXPECT_LE(std::abs(after[45].y - (100 - (int) (200.0 * dB / 48.0))), 1);

    // Flat: a straight line on the 0 dB row from 10 Hz to the x of 20 kHz;
    // trim alone shifts it; the EQ switch changes nothing.
    dc->UpdateCurAudioEQBuf(flat.data());
    auto line = curve->computePoints(host->getAudioEQManager());
    for (const auto& p : line)
        EXPECT_EQ(p.y, 100);
    EXPECT_EQ(line.front().x, 0);
    EXPECT_EQ(line.back().x, 612);
    auto trimmed = flat;
    trimmed[0] = 240; // +12 dB
    trimmed[1] = 0;
    dc->UpdateCurAudioEQBuf(trimmed.data());
    line = curve->computePoints(host->getAudioEQManager());
    for (const auto& p : line)
        EXPECT_EQ(p.y, 50);
}

TEST(FrequencyResponseCurve, BrokenCoefficientsAndScalesDrawNothingAndNeverOverflow)
{
    struct Curve : RSFrequencyResponseCurveComponent
    {
        using RSFrequencyResponseCurveComponent::RSFrequencyResponseCurveComponent;
        void updateBackground() override {}
    };
    auto countValid = [](const auto& points) {
        int n = 0;
        for (const auto& p : points)
            n += p.valid ? 1 : 0;
        return n;
    };

    CAudioEQManager manager;
    Curve curve(44100.0, -24.0, 24.0);
    curve.setSize(620, 200);
    // Bands at rest have zero numerators: no level anywhere, nothing drawn.
    EXPECT_EQ(countValid(curve.computePoints(&manager)), 0);
    EXPECT_EQ(countValid(curve.computePoints(nullptr)), 0);

    for (int band = 1; band <= 4; ++band)
        manager.getBand(band)->setParam(1000.0, 0.0, 0.7);
    EXPECT_EQ(countValid(curve.computePoints(&manager)), 59);

    // A broken band (frequency not a number) leaves those points out.
    manager.getBand(2)->setFc(std::nan(""));
    EXPECT_EQ(countValid(curve.computePoints(&manager)), 0);
    manager.getBand(2)->setFc(1000.0);

    // Gains far outside the scale are held one pixel beyond the pane.
    manager.setTrim(1.0e300);
    for (const auto& p : curve.computePoints(&manager))
        EXPECT_EQ(p.y, -1);
    manager.setTrim(-1.0e300);
    for (const auto& p : curve.computePoints(&manager))
        EXPECT_EQ(p.y, 201);
    manager.setTrim(0.0);

    // Scales that cannot place a point: no height, no frequency range above
    // 10 Hz, no gain range.
    Curve noRange(20.0, -24.0, 24.0), noGain(44100.0, 6.0, 6.0);
    noRange.setSize(620, 200);
    noGain.setSize(620, 200);
    curve.setSize(620, 0);
    for (auto* c : { (Curve*) &curve, &noRange, &noGain })
        EXPECT_EQ(countValid(c->computePoints(&manager)), 0);
    RSFrequencyResponseAxisComponent axis(20.0, 6.0, 6.0, true, true, true, true, juce::Colours::black, juce::Colours::grey,
                                          juce::Colours::darkgrey);
    axis.setSize(100, 0);
    juce::Image image(juce::Image::ARGB, 100, 10, true);
    juce::Graphics g(image);
    axis.paint(g);
    noRange.paint(g);
}

// Each grid has its own flag, the labels are always drawn, and the grids are
// drawn over the axis lines where they cross them; the left edge line is the
// pane's first column.
TEST(FrequencyResponseAxis, EachGridByItsFlagOverTheAxisLines)
{
    const auto background = juce::Colours::black, axisColour = juce::Colours::red, gridColour = juce::Colours::lime;
    RSFrequencyResponseAxisComponent gainOnly(44100.0, -24.0, 24.0, true, true, true, false, background, axisColour, gridColour);
    RSFrequencyResponseAxisComponent frequencyOnly(44100.0, -24.0, 24.0, true, true, false, true, background, axisColour,
                                                   gridColour);
    for (auto* pane : { &gainOnly, &frequencyOnly })
        pane->setSize(620, 200);
    // The 0 dB row 100, the +12 and -12 dB rows 50 and 150; 2 kHz has a grid
    // line and no label, and no grid line stands at x 300.
    const int x2k = gainOnly.xOfFrequency(2000.0), quiet = 25;
    ASSERT_EQ(gainOnly.getZeroDbRow(), 100);
    ASSERT_EQ(gainOnly.yOfGain(-12.0), 150);

    juce::Image gainImage, frequencyImage;
    const auto gainDrawn = testing_support::recordPainting(gainOnly, gainImage);
    const auto frequencyDrawn = testing_support::recordPainting(frequencyOnly, frequencyImage);
    // "100", "1K", "10K", "+24", "+12", "-12", "-24" on both panes.
    EXPECT_EQ(gainDrawn->glyphs.size(), 20u);
    EXPECT_EQ(frequencyDrawn->glyphs.size(), 20u);

    // Only the gain grid: rows 50 and 150, no vertical lines.
    EXPECT_EQ(gainImage.getPixelAt(300, 50), gridColour);
    EXPECT_EQ(gainImage.getPixelAt(300, 150), gridColour);
    EXPECT_EQ(gainImage.getPixelAt(x2k, quiet), background);
    // The left edge line is column 0 only; the -12 dB line crosses it.
    EXPECT_EQ(gainImage.getPixelAt(0, quiet), axisColour);
    EXPECT_EQ(gainImage.getPixelAt(1, quiet), background);
    EXPECT_EQ(gainImage.getPixelAt(0, 150), gridColour);
    EXPECT_EQ(gainImage.getPixelAt(300, 100), axisColour);

    // Only the frequency grid: vertical lines, no gain rows; the 2 kHz line
    // crosses the 0 dB line.
    EXPECT_EQ(frequencyImage.getPixelAt(x2k, quiet), gridColour);
    EXPECT_EQ(frequencyImage.getPixelAt(300, 50), background);
    EXPECT_EQ(frequencyImage.getPixelAt(0, 150), axisColour);
    EXPECT_EQ(frequencyImage.getPixelAt(300, 100), axisColour);
    EXPECT_EQ(frequencyImage.getPixelAt(x2k, 100), gridColour);
}

TEST(FrequencyResponseCurve, SineAndCosineTablesAreTheRoundedValuesOfTheirFrequencies)
{
    // The frequencies rise, start at 10 Hz and end at 20 kHz, and the tables
    // hold cos and sin of 2 pi f / 44100 to nine decimal places.
    const auto* f = RSFrequencyResponseCurveComponent::prot_freq_table;
    EXPECT_EQ(f[0], 10);
    EXPECT_EQ(f[58], 20000);
    for (int i = 0; i < 59; ++i)
    {
        if (i > 0)
            EXPECT_GT(f[i], f[i - 1]);
        const double w = 2.0 * 3.14159265358979323846 * f[i] / 44100.0;
        EXPECT_NEAR(RSFrequencyResponseCurveComponent::cos_wT_table[i], std::cos(w), 5.0e-10) << f[i];
        EXPECT_NEAR(RSFrequencyResponseCurveComponent::sin_wT_table[i], std::sin(w), 5.0e-10) << f[i];
    }
    EXPECT_EQ(RSFrequencyResponseCurveComponent::cos_wT_table[32], 0.989867473);
    EXPECT_EQ(RSFrequencyResponseCurveComponent::sin_wT_table[58], 0.28794045);
}

TEST_F(AudioEQPage, SlotChoiceLoadsTheSlotAndLeavingWarnsOnlyAboutUnstoredEdits)
{
    ASSERT_NE(open<OKXDataCenter>(2, flat), nullptr);
    auto& eq2 = *page->getSlotButton(1);

    // A press on "EQ 2" selects it on the amplifier and loads slot 1.
    // The amplifier is then asked for its current EQ, which is that slot.
    mouse.click(eq2, { 50, 18 });
    EXPECT_EQ(receivedAfter(2), (std::vector<std::vector<int>> { paramChange(0x4400, 2), { 0x19 } }));
    EXPECT_TRUE(eq2.getToggleState());
    EXPECT_EQ(current(), slotB);
    ASSERT_TRUE(pumpUntil([&] { return knob(0x6300).getCurrentValue() == 300; }));
    EXPECT_TRUE(page->verify_curAudioEQBuf());

    // An edit marks the page modified; leaving asks, and "No" keeps it open.
    turn(knob(0x6201), 20);
    EXPECT_FALSE(page->verify_curAudioEQBuf());
    {
        testing_support::NativeWindowSizes windows;
        AlertAnswerer answer("  No  ", [](juce::AlertWindow& box) { expectIconInsideTheBox(box, "eq_modified_warning"); });
        answerOnceSized(windows, answer);
        mouse.click(*page->getOkButton(), { 10, 10 });
        pumpFor(50);
        EXPECT_EQ(answer.seen, 1);
        EXPECT_EQ(answer.titles[0], "EQ is Modified.");
        expectEachBoxMadeWhole(windows, answer);
    }
    EXPECT_TRUE(manager->isAudioEQEditShowing());

    // "OFF" loads the default block and writes 0; the mark is gone.
    amp->clearRecords();
    mouse.click(*page->getSlotButton(-1), { 50, 18 });
    EXPECT_EQ(receivedAfter(2), (std::vector<std::vector<int>> { paramChange(0x4400, 0), { 0x19 } }));
    pumpFor(50);
    EXPECT_EQ(current(), bytes(dc->getInitAudioEQData(), 18));
    EXPECT_TRUE(page->verify_curAudioEQBuf());

    // The amplifier's choice of EQ 3 moves the slots; the editor's own
    // write of the same parameter does not.
    amp->sendParamChange(0x44, 0x00, 3);
    ASSERT_TRUE(pumpUntil([&] { return page->getSlotButton(2)->getToggleState(); }));
    dc->getGlobalSection().PutParamIEx(0x4400, 1, 0x1, CHGSRC_CONTROL);
    pumpFor(50);
    EXPECT_TRUE(page->getSlotButton(2)->getToggleState());

    // An edit, then "Yes": the page closes and the amplifier keeps the edit.
    turn(knob(0x6000), 20);
    const auto edited = current();
    {
        AlertAnswerer answer(" Yes ");
        mouse.click(*page->getOkButton(), { 10, 10 });
        ASSERT_TRUE(pumpUntil([&] { return ! manager->isAudioEQEditShowing(); }));
        EXPECT_EQ(answer.seen, 1);
    }
    EXPECT_EQ(current(), edited);

    // Opened and closed untouched: no question.
    manager->showAudioEQEdit();
    page = dynamic_cast<AudioEQEditComponent*>(manager->getAudioEQEdit());
    ASSERT_NE(page, nullptr);
    AlertAnswerer answer("  No  ");
    mouse.click(*page->getOkButton(), { 10, 10 });
    ASSERT_TRUE(pumpUntil([&] { return ! manager->isAudioEQEditShowing(); }));
    EXPECT_EQ(answer.seen, 0);
}

TEST_F(AudioEQPage, DraggedCurveAndSlotsAreStoredAfterTheQuestion)
{
    ASSERT_NE(open<OKXDataCenter>(2, flat), nullptr);
    auto& curve = *page->getCurve();
    auto& eq1 = *page->getSlotButton(0);
    auto& eq3 = *page->getSlotButton(2);
    auto* prefs = host->getPreferencesData();
    auto slotDump = [](int slot, const Bytes& block) {
        auto m = SimulatedAmplifier::makeFrame(0x41, 0x4D, { 0x00, (juce::uint8)(slot + 1) }, block);
        return testing_support::request(m);
    };

    // A move of less than 5 pixels from where the pointer entered starts nothing.
    mouse.move(*page->getOkButton(), { 5, 5 });
    mouse.move(curve, { 100, 100 });
    mouse.press(curve, { 100, 100 });
    mouse.drag(curve, { 102, 102 });
    EXPECT_FALSE(page->isDragAndDropActive());
    EXPECT_FALSE(curve.isDragStarted());
    mouse.drag(curve, { 103, 102 });
    EXPECT_TRUE(page->isDragAndDropActive());
    EXPECT_TRUE(curve.isDragStarted());
    const auto description = page->getCurrentDragDescription();
    EXPECT_EQ(description[0].toString(), CurrentAudioEQDataDragID);
    EXPECT_EQ((int) description[1], -1);
    mouse.release(curve, { 103, 102 });
    EXPECT_TRUE(pumpUntil([&] { return ! page->isDragAndDropActive(); }));

    // "OFF" takes nothing; a slot does not take itself.
    juce::DragAndDropTarget::SourceDetails current(AudioEQDataDragItem(CurrentAudioEQDataDragID, -1), page->getAxisPane(), {});
    juce::DragAndDropTarget::SourceDetails fromEQ3(AudioEQDataDragItem(AudioEQDataDragID, 2), &eq3, {});
    juce::DragAndDropTarget::SourceDetails fromOff(AudioEQDataDragItem(AudioEQDataDragID, -1), page->getSlotButton(-1), {});
    EXPECT_FALSE(page->getSlotButton(-1)->isInterestedInDragSource(current));
    EXPECT_FALSE(eq3.isInterestedInDragSource(fromEQ3));
    EXPECT_FALSE(eq1.isInterestedInDragSource(fromOff));
    EXPECT_TRUE(eq1.isInterestedInDragSource(current));
    EXPECT_TRUE(eq1.isInterestedInDragSource(fromEQ3));

    // An edited curve dropped on "EQ 1": asked (ticked), "Cancel" writes
    // nothing and keeps the preference unset.
    turn(knob(0x6501), 20);
    const auto edited = this->current();
    amp->clearRecords();
    {
        testing_support::NativeWindowSizes windows;
        AlertAnswerer answer("Cancel", [](juce::AlertWindow& box) {
            auto* toggle = AlertAnswerer::findToggle(box);
            ASSERT_NE(toggle, nullptr);
            EXPECT_TRUE(toggle->getToggleState());
            EXPECT_EQ(toggle->getButtonText(), "Always pop-up and confirm when writing EQ");
            EXPECT_EQ(box.findColour(juce::AlertWindow::backgroundColourId), juce::Colour(0xFF4F4F4F));
            // The toggle's text is written once, by the toggle: nothing
            // stands in the row above it.
            juce::Image image;
            const auto drawn = testing_support::recordPainting(box, image);
            const juce::Rectangle<float> rowAbove(0.0f, (float) toggle->getY() - 14.0f, (float) box.getWidth(), 14.0f);
            for (const auto& glyph : drawn->glyphs)
                EXPECT_FALSE(glyph.ink.intersects(rowAbove)) << glyph.ink.toString();
            EXPECT_GT(drawn->glyphs.size(), 0u);
            testing_support::saveScreenshot(box, "eq_write_question");
        });
        answerOnceSized(windows, answer);
        mouse.dragFromTo(curve, { 200, 120 }, eq1, { 50, 18 });
        EXPECT_TRUE(pumpUntil([&] { return ! page->isDragAndDropActive(); }));
        EXPECT_EQ(answer.seen, 1);
        expectEachBoxMadeWhole(windows, answer);
    }
    EXPECT_EQ(amp->getNumReceived(), 0);
    EXPECT_EQ(bytes(dc->getAudioEQBuf(0), 18), slotA);
    EXPECT_EQ(prefs->getIntValue(DWQ::PreferencesUserEQWriteComfirm, -7), -1);
    EXPECT_FALSE(page->verify_curAudioEQBuf());

    // The same with the box unticked and "OK": slot 0 takes the edited EQ, it
    // goes out as slot number 1, the page is no longer modified, and the
    // choice is stored.
    {
        AlertAnswerer answer("OK", [](juce::AlertWindow& box) {
            AlertAnswerer::findToggle(box)->setToggleState(false, juce::dontSendNotification);
        });
        mouse.dragFromTo(curve, { 200, 120 }, eq1, { 50, 18 });
        EXPECT_TRUE(pumpUntil([&] { return ! page->isDragAndDropActive(); }));
        EXPECT_EQ(answer.seen, 1);
    }
    EXPECT_EQ(receivedAfter(1), (std::vector<std::vector<int>> { slotDump(0, edited) }));
    EXPECT_EQ(amp->getEQSlot(0), edited);
    EXPECT_EQ(bytes(dc->getAudioEQBuf(0), 18), edited);
    EXPECT_TRUE(page->verify_curAudioEQBuf());
    EXPECT_EQ(prefs->getIntValue(DWQ::PreferencesUserEQWriteComfirm, -7), 0);

    // "EQ 2" dragged onto "EQ 3" (no question now): the press selects slot 1,
    // the drop copies it into slot 2, sent as slot number 3.
    amp->clearRecords();
    {
        AlertAnswerer answer("OK");
        mouse.dragFromTo(*page->getSlotButton(1), { 50, 18 }, eq3, { 50, 18 });
        EXPECT_TRUE(pumpUntil([&] { return ! page->isDragAndDropActive(); }));
        EXPECT_EQ(answer.seen, 0);
    }
    EXPECT_EQ(receivedAfter(3), (std::vector<std::vector<int>> { paramChange(0x4400, 2), { 0x19 }, slotDump(2, slotB) }));
    EXPECT_EQ(bytes(dc->getAudioEQBuf(2), 18), slotB);
    EXPECT_EQ(amp->getEQSlot(2), slotB);

    // A slot-to-slot copy stores nothing of the EQ being edited: an unstored
    // edit stays marked as modified.
    turn(knob(0x6000), 20);
    EXPECT_FALSE(page->verify_curAudioEQBuf());
    eq3.afterDropExecute(3, 0, AudioEQDataDragID);
    EXPECT_EQ(bytes(dc->getAudioEQBuf(3), 18), edited);
    EXPECT_FALSE(page->verify_curAudioEQBuf());
    prefs->setValue(DWQ::PreferencesUserEQWriteComfirm, -1);
}

TEST_F(AudioEQPage, OrvaPWPageUsesItsOwnArtworkColoursAndDataCentre)
{
    ASSERT_NE(open<OPWDataCenter>(3, shaped), nullptr);
    EXPECT_NE(dynamic_cast<OPWDataCenter*>(dc), nullptr);
    EXPECT_EQ(page->getSlotButton(0)->getFrameColour(), juce::Colour(0xFFE2E2E2));
    EXPECT_EQ(page->getSlotButton(0)->getFillColour(), juce::Colours::grey);
    turn(knob(0x6401), 20);
    EXPECT_EQ(receivedAfter(1), (std::vector<std::vector<int>> { paramChange(0x6401, value(0x6401)) }));
    testing_support::saveScreenshot(*page, "audio-eq-page-opw-shaped");
}

TEST(OrvaOverlayPagesWithoutDevice, BuildAndTakeEveryMessageWithoutEffect)
{
    // No host, no device environment, no data centre: nothing to read or
    // send, and nothing is dereferenced.
    OKXAudioEQEditComponent eq;
    eq.initialize();
    EXPECT_EQ(eq.getWidth(), 640);
    EXPECT_EQ(eq.getNumSlotButtons(), 5);
    USBRoutingSelectComponent usb;
    usb.initialize();
    EXPECT_EQ(usb.getHeight(), 274);
    for (int id : { 1, 2, 3, 4, 18, 19, 47 })
    {
        std::unique_ptr<MyMessage> m(MyMessage::create(id, 0x4400, 2));
        eq.handleMessage(*m);
        usb.handleMessage(*m);
    }
    eq.changeListenerCallback(nullptr);
    usb.changeListenerCallback(nullptr);
    for (int slot = -1; slot < 4; ++slot)
        eq.buttonClicked(eq.getSlotButton(slot));
    eq.getSlotButton(0)->afterDropExecute(0, 1, AudioEQDataDragID);
    EXPECT_FALSE(eq.verify_curAudioEQBuf());
    juce::Image image(juce::Image::ARGB, 640, 530, true);
    juce::Graphics g(image);
    eq.paintEntireComponent(g, false);
    usb.paintEntireComponent(g, false);
}

TEST_F(AudioEQPage, AxisLabelsStandOnTheirLines)
{
    ASSERT_NE(open<OKXDataCenter>(2, flat), nullptr);
    auto& axis = *page->getAxisPane();
    const int w = axis.getWidth(), h = axis.getHeight();
    ASSERT_EQ(h, 200);
    const int zero = 100;
    const auto x = [w](double hz) { return (int) (w * (std::log10(hz) - 1.0) / (std::log10(22050.0) - 1.0)); };
    const auto y = [zero, h](double dB) { return zero - (int) (h * dB / 48.0); };

    juce::Image image;
    const auto drawn = testing_support::recordPainting(axis, image);
    // Each label: the first glyph's baseline starts where the label is placed.
    const auto startsAt = [&drawn](float lx, float ly) {
        const auto line = drawn->glyphsOnBaseline(ly, 0.01f);
        return std::any_of(line.begin(), line.end(), [lx](const auto& g) { return std::abs(g.origin.x - lx) < 0.01f; });
    };
    // The frequencies on the 0 dB line, just right of their grid lines.
    for (double hz : { 100.0, 1000.0, 10000.0 })
        EXPECT_TRUE(startsAt((float) x(hz) - 4.0f, (float) zero)) << hz;
    // The gains at the left edge, on their lines.
    EXPECT_TRUE(startsAt(0.0f, (float) y(24) + 6.0f));
    EXPECT_TRUE(startsAt(0.0f, (float) y(12) + 5.0f));
    EXPECT_TRUE(startsAt(0.0f, (float) y(-12)));
    EXPECT_TRUE(startsAt(0.0f, (float) y(-24) - 1.0f));
    // Seven labels, nothing else written on the pane.
    EXPECT_EQ(drawn->glyphs.size(), 3u + 2u + 3u + 3u * 4u);
    testing_support::saveScreenshot(*page, "audio_eq_axis_labels");
}
