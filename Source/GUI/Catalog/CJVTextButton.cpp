#include "GUI/Catalog/CJVTextButton.h"

CJVTextButton::CJVTextButton(const juce::String& text) : juce::TextButton(text)
{
    setWantsKeyboardFocus(false);
    setMouseClickGrabsKeyboardFocus(false);
    setColour(juce::TextButton::textColourOffId, juce::Colours::white);
    setColour(juce::TextButton::textColourOnId, juce::Colours::beige);
}

void CJVTextButton::SetImage(const juce::Image& image, int rows)
{
    m_Image = image;
    m_Rows = rows;
    if (rows >= 1 && image.isValid())
        setSize(image.getWidth() / 3, image.getHeight() / rows);
}

void CJVTextButton::paintButton(juce::Graphics& g, bool over, bool down)
{
    if (! m_Image.isValid() || m_Rows < 1)
    {
        juce::TextButton::paintButton(g, over, down);
        return;
    }

    const int column = down ? 2 : (over ? 1 : 0);
    const int cellWidth = m_Image.getWidth() / 3;
    const int cellHeight = m_Image.getHeight() / m_Rows;
    g.setOpacity(isEnabled() ? 1.0f : m_DisabledOpacity);
    g.drawImage(m_Image, 0, 0, getWidth(), getHeight(), column * cellWidth, m_CurrentRow * cellHeight, cellWidth, cellHeight);
    g.setOpacity(1.0f);

    const auto offColour = findColour(juce::TextButton::textColourOffId);
    const auto onColour = findColour(juce::TextButton::textColourOnId);
    auto colour = down ? onColour : offColour;
    if (m_Rows == 2 && m_CurrentRow == 1)
        colour = down ? offColour : onColour;
    colour = colour.withMultipliedAlpha(isEnabled() ? 1.0f : 0.5f);
    if (down)
        colour = colour.withAlpha(0.5f);

    g.setFont(m_Font);
    g.setColour(colour);
    const int yIndent = juce::jmin(4, juce::roundToInt(getHeight() * 0.3f));
    const int corner = juce::jmin(getWidth(), getHeight()) / 2;
    const int f = juce::roundToInt(m_Font.getHeight() * 0.6f);
    const int leftIndent = juce::jmin(f, 2 + corner / (isConnectedOnLeft() ? 4 : 2));
    const int rightIndent = juce::jmin(f, 2 + corner / (isConnectedOnRight() ? 4 : 2));
    const int y = juce::roundToInt((getHeight() - m_Font.getHeight()) / 2.0f) + m_TextOffsetY;
    g.drawFittedText(getButtonText(), leftIndent + m_TextOffsetX, y, getWidth() - leftIndent - rightIndent,
                     getHeight() - yIndent * 2, m_Justification, 2);
}
