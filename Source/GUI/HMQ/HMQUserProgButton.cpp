#include "GUI/HMQ/HMQUserProgButton.h"

#include "Action/MidiManager.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Editor/AnotherComponentListner.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/LibrarianAccess.h"
#include "GUI/Editor/ProgramNameText.h"
#include "GUI/Editor/ProgramRecordCopy.h"
#include "GUI/Editor/WriteConfirmation.h"
#include "GUI/HMQ/HMQGuiSupport.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "HMQ/HMQDataCenter.h"

namespace
{
constexpr int firstUser = 60;
constexpr int lastProgram = 100;
} // namespace

HMQUserProgButton::HMQUserProgButton(juce::Component* parent, int groupId, int ampType, int program, const juce::String& name)
    : HMQProgSelectButton(parent, groupId, ampType, program, name), m_UserIndex(program - firstUser)
{
    setAmpType(ampType);
}

void HMQUserProgButton::mouseDown(const juce::MouseEvent& e)
{
    juce::ImageButton::mouseDown(e);
    if (auto* listener = dynamic_cast<AnotherComponentListner*>(getParentComponent()))
        listener->mouseDownByOtherComponent(this);
}

void HMQUserProgButton::mouseUp(const juce::MouseEvent& e)
{
    const bool dragged = m_DragStarted;
    juce::ImageButton::mouseUp(e);
    m_DragStarted = false;
    updateBackground();
    if (auto* listener = dynamic_cast<AnotherComponentListner*>(getParentComponent()))
        listener->mouseUpByOtherComponent(this, dragged);
}

void HMQUserProgButton::updateBackground()
{
    if (LibrarianAccess::getCurrentView() != nullptr)
        LibrarianAccess::repaintCurrentView();
    else
        repaint();
}

void HMQUserProgButton::paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown)
{
    const unsigned char* record = nullptr;
    if (auto* dataCenter = LibrarianAccess::getDataCenter())
        record = dataCenter->getRAMProgPtr(m_UserIndex);
    const int type = ampTypeOf(record);
    const bool knownAmp = type >= 0 && type < kNumAmpTypes;
    if (knownAmp)
    {
        setAmpType(type);
        if (type != m_ImageType)
        {
            m_ImageType = type;
            setAmpImages(RSWidgetSupport::getImage(getPNGName(type)), 1.0f);
        }
    }

    const bool selected = isButtonDown || getToggleState();
    const auto r = juce::Rectangle<int>(1, 1, getWidth() - 2, getHeight() - 2).toFloat();
    g.setColour(selected ? juce::Colour(0x2BF97B00) : juce::Colour(0xFF4F4F4F).withAlpha(0.5f));
    g.fillRect(r);
    if (m_DragOver)
        drawFrame(g, r.reduced(1.0f), juce::Colours::red, 6.0f);
    else if (selected)
        drawFrame(g, r, juce::Colour(0xFFD7891B), 2.0f);

    paintImages(g, isMouseOver, isButtonDown);

    g.setFont(HMQGuiSupport::getFont("ProgramNameButton"));
    const auto label = getButtonText();
    const auto name = ProgramNameText::fromRecord(record);
    const auto ampName = knownAmp ? ProgramNameText::printable(getAmpName(type)) : juce::String();
    auto text = [&](const juce::String& s, int x, int y, int w) {
        if (s.isEmpty())
            return;
        const auto glyphs = layOutWholeText(g.getCurrentFont(), s, textBox(x, y, w));
        // The texts lie over the amp picture: a dark backing keeps them readable.
        g.setColour(juce::Colour(textBacking));
        g.fillRoundedRectangle(glyphs.getBoundingBox(0, -1, true).expanded(3.0f, 2.0f), 3.0f);
        g.setColour(juce::Colours::white);
        glyphs.draw(g);
    };
    if (getHeight() - 2 < 56)
    {
        text(label, 4, 4, 24);
        text(name, 26, 4, getWidth() - 8);
        if (knownAmp && getHeight() - 2 >= 27)
        {
            g.setFont(HMQGuiSupport::getFont("AmpTypeButtonMini"));
            text(ampName, 4, 20, 200);
        }
    }
    else
    {
        text(label, 4, 4, 200);
        text(name, 4, 24, getWidth() - 8);
        if (knownAmp)
        {
            g.setFont(HMQGuiSupport::getFont("AmpTypeButton"));
            text(ampName, 4, 44, 200);
        }
    }
}

juce::Rectangle<int> HMQUserProgButton::textBox(int x, int y, int w) const
{
    return { x, y, juce::jlimit(0, w, getWidth() - 4 - x), 20 };
}

void HMQUserProgButton::itemDropped(const SourceDetails& details)
{
    m_DragOver = false;
    updateBackground();
    LibrarianAccess::settleProgramDrop();
    if (! WriteConfirmation::confirm("Write to HM's User Program ?"))
        return;
    auto dragId = DragAndDropDefinitions::getDragId(details.description);
    afterDropExecute(m_ProgramNumber, DragAndDropDefinitions::getDragValue(details.description), dragId);
}

void HMQUserProgButton::afterDropExecute(int dest, int src, juce::String& dragId)
{
    auto* dataCenter = HMQGuiSupport::getDataCenter();
    if (dest < firstUser || dest >= firstUser + 8 || dataCenter == nullptr)
        return;
    const int slot = dest - firstUser;
    const bool fromEditBuffer = dragId == CurrentProgramDataDragID;
    if ((fromEditBuffer || (src >= 0 && src <= lastProgram))
        && ProgramRecordCopy::intoUserSlot(*dataCenter, slot, src, fromEditBuffer))
    {
        if (auto* midi = HMQGuiSupport::getMidiManager())
            midi->sendProgDumpOut(dest);
    }
    LibrarianAccess::selectUserSlot(slot);
}
