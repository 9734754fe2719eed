#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A text button drawn from an image strip: three columns (normal, mouse
// over, pressed) and one or more rows.
class CJVTextButton : public juce::TextButton
{
public:
    explicit CJVTextButton(const juce::String& text);

    // Keeps the strip; a valid image with rows >= 1 sizes the button to one
    // cell of it.
    void SetImage(const juce::Image& image, int rows);

    void paintButton(juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    void setCurrentRow(int row) noexcept { m_CurrentRow = row; }
    int getCurrentRow() const noexcept { return m_CurrentRow; }
    int getRowCount() const noexcept { return m_Rows; }
    const juce::Image& getImage() const noexcept { return m_Image; }

private:
    juce::Image m_Image;
    int m_CurrentRow = 0;
    int m_Rows = 1;
    float m_DisabledOpacity = 0.5f;
    juce::Font m_Font { 12.0f, juce::Font::plain };
    juce::Justification m_Justification { juce::Justification::centredTop };
    int m_TextOffsetX = 0;
    int m_TextOffsetY = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(CJVTextButton)
};
