#include "GUI/Editor/RSPresetProgButton.h"

#include "DataCenter/DataCenter.h"
#include "GUI/Editor/LibrarianAccess.h"
#include "GUI/Editor/ProgramNameText.h"
#include "GUI/Widgets/FontLibrary.h"
#include "GUI/Widgets/RSWidgetSupport.h"

RSPresetProgButton::RSPresetProgButton(juce::Component* owner, int groupId, int ampType, int programNumber,
                                       const juce::String& name)
    : RSProgSelectButton(owner, groupId, ampType, programNumber, name)
{
    setAmpImages(RSWidgetSupport::getImage(getPNGName(ampType)), 1.0f);
}

void RSPresetProgButton::RenewButtonSetting()
{
    auto* dataCenter = LibrarianAccess::getDataCenter();
    if (auto* record = dataCenter != nullptr ? dataCenter->getROMProgPtr(m_ProgramNumber) : nullptr)
        setButtonText(ProgramNameText::fromRecord(record));
}

void RSPresetProgButton::updateBackground()
{
    if (LibrarianAccess::getCurrentView() != nullptr)
        LibrarianAccess::repaintCurrentView();
    else
        repaint();
}

void RSPresetProgButton::paintButton(juce::Graphics& g, bool, bool isButtonDown)
{
    const bool selected = isButtonDown || getToggleState();
    const auto r = juce::Rectangle<int>(1, 1, juce::jmax(getWidth() - 2, 1), juce::jmax(getHeight() - 2, 1)).toFloat();
    g.setColour(selected ? juce::Colour(0x2BF97B00) : juce::Colour(0xFF555555));
    g.fillRect(r);

    const juce::Rectangle<int> pictureArea(getWidth() / 3 - 3, 0, getWidth() * 2 / 3, getHeight());
    drawNormalImage(g, pictureArea);

    // The frame of the lit preset goes over the amp picture, which would
    // otherwise hide most of it.
    if (selected)
        drawFrame(g, r, juce::Colour(0xFFD7891B), 2.0f);

    auto* fonts = FontLibrary::getInstance();
    g.setColour(juce::Colours::white);
    if (getButtonText().isNotEmpty())
    {
        g.setFont(fonts != nullptr ? fonts->getFont("ProgramNameButton") : FontLibrary::DefaultFont());
        drawWholeText(g, getButtonText(), textBoxBesidePicture(5, pictureArea));
    }
    const auto amp = getAmpName(m_AmpType);
    if (amp.isNotEmpty())
    {
        g.setFont(fonts != nullptr ? fonts->getFont("AmpTypeButton") : FontLibrary::DefaultFont());
        drawWholeText(g, amp, textBoxBesidePicture(25, pictureArea));
    }
}
