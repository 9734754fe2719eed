#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The framework's combo box with name tables for its items' type pictures.
// Item ids are type + 1.
class RSComboBox : public juce::ComboBox
{
public:
    explicit RSComboBox(const juce::String& name);

    void paint(juce::Graphics& g) override;
    virtual juce::String getPngName(int type);
    virtual juce::String getIconPngName(int type);

    juce::PopupMenu& getItemMenu() noexcept { return m_ItemMenu; }
    juce::PopupMenu& getPictureMenu() noexcept { return m_PictureMenu; }

private:
    juce::PopupMenu m_ItemMenu;
    juce::PopupMenu m_PictureMenu;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSComboBox)
};
