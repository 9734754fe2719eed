#include "GUI/Widgets/RSComboBox.h"

RSComboBox::RSComboBox(const juce::String& name) : juce::ComboBox(name)
{}

void RSComboBox::paint(juce::Graphics& g)
{
    juce::ComboBox::paint(g);
}

juce::String RSComboBox::getPngName(int)
{
    return {};
}

juce::String RSComboBox::getIconPngName(int)
{
    return {};
}
