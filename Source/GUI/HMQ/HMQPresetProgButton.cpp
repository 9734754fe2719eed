#include "GUI/HMQ/HMQPresetProgButton.h"

#include "DataCenter/DataCenter.h"
#include "GUI/Editor/LibrarianAccess.h"
#include "GUI/Editor/ProgramNameText.h"
#include "GUI/HMQ/HMQGuiSupport.h"
#include "GUI/Widgets/RSWidgetSupport.h"

HMQPresetProgButton::HMQPresetProgButton(juce::Component* parent, int groupId, int ampType, int program, const juce::String& name)
    : HMQProgSelectButton(parent, groupId, ampType, program, name)
{
    setAmpType(ampType);
    const auto image = RSWidgetSupport::getImage(getPNGName(ampType));
    setImages(false, true, true, image, 1.0f, juce::Colours::transparentBlack, image, 1.0f, juce::Colour(0x000000FF), image, 1.0f,
              juce::Colours::transparentBlack);
}

void HMQPresetProgButton::RenewButtonSetting()
{
    if (auto* dataCenter = LibrarianAccess::getDataCenter())
        if (const auto* record = dataCenter->getROMProgPtr(m_ProgramNumber))
            setButtonText(ProgramNameText::fromRecord(record));
}

void HMQPresetProgButton::updateBackground()
{
    if (LibrarianAccess::getCurrentView() != nullptr)
        LibrarianAccess::repaintCurrentView();
    else
        repaint();
}

void HMQPresetProgButton::paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown)
{
    const bool selected = isButtonDown || getToggleState();
    const auto r = juce::Rectangle<int>(1, 1, juce::jmax(getWidth() - 2, 1), juce::jmax(getHeight() - 2, 1)).toFloat();
    g.setColour(selected ? juce::Colour(0x2BF97B00) : juce::Colour(0xFF555555));
    g.fillRect(r);

    paintImages(g, isMouseOver, isButtonDown);

    // The frame of the lit preset goes over the amp picture, which would
    // otherwise hide most of it.
    if (selected)
        drawFrame(g, r, juce::Colour(0xFFD7891B), 2.0f);

    const auto name = getButtonText();
    if (name.isNotEmpty())
    {
        g.setColour(juce::Colours::white);
        g.setFont(HMQGuiSupport::getFont("ProgramNameButton"));
        g.drawText(ProgramNameText::printable(name), 4, 2, 200, 20, juce::Justification::centredLeft, true);
    }
}
