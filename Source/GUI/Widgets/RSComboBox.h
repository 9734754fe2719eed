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

    // The module picture that shows this combo's type; set by the page,
    // never owned.
    void setLinkedPicture(juce::Component* picture) noexcept { m_LinkedPicture = picture; }
    juce::Component* getLinkedPicture() const noexcept { return m_LinkedPicture; }

private:
    juce::PopupMenu m_ItemMenu;
    juce::PopupMenu m_PictureMenu;
    juce::Component* m_LinkedPicture = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSComboBox)
};
