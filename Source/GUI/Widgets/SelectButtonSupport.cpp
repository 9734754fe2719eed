#include "GUI/Widgets/SelectButtonSupport.h"

#include "GUI/Widgets/FontLibrary.h"
#include "GUI/Widgets/RSWidgetSupport.h"

void SelectButtonSupport::setUp(juce::Button& button, int groupId)
{
    button.setOpaque(false);
    button.setTriggeredOnMouseDown(true);
    button.setRadioGroupId(groupId, juce::sendNotification);
    RSWidgetSupport::reachByMouseOnly(button);
    button.setRepaintsOnMouseActivity(true);
}

void SelectButtonSupport::repaintBackground(juce::Component& button)
{
    if (auto* parent = button.getParentComponent())
        parent->repaint();
    else
        button.repaint();
}

void SelectButtonSupport::paintBackground(juce::Button& button, juce::Graphics& g, bool on, juce::Colour fill, juce::Colour frame,
                                          bool dropHover)
{
    const int w = button.getWidth();
    const int h = button.getHeight();
    g.setColour(on ? fill : juce::Colours::darkgrey.withAlpha(0.5f));
    g.fillRect(1, 1, w - 2, h - 2);

    if (dropHover)
    {
        g.setColour(juce::Colours::red);
        g.drawRect(2, 2, w - 4, h - 4, 6);
    }
    else if (on)
    {
        g.setColour(frame);
        g.drawRect(0, 0, w, h, 2);
    }
}

void SelectButtonSupport::paintText(juce::Button& button, juce::Graphics& g)
{
    const auto text = button.getButtonText();
    if (text.isEmpty())
        return;
    g.setColour(juce::Colours::white);
    if (auto* fonts = FontLibrary::getInstanceWithoutCreating())
        g.setFont(fonts->getFont("ProgramNameButtonMini"));
    g.drawText(text, 4, 4, 200, 20, juce::Justification::centredLeft, true);
}
