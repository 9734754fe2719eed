#pragma once

#include "GUI/Catalog/CJVCatalogCell.h"

// The catalogue cell the panes create: the model's picture under its name.
// A click selects on release; a sideways drag of m_DragSensitivity pixels
// (the gesture that scrolls the strip) cancels it.
class RSCatalogCell : public CJVCatalogCell,
                      public juce::Timer
{
public:
    RSCatalogCell(juce::Component* owner, const juce::String& name, juce::Colour textColour, const juce::String& imageName,
                  int holdPeriodMs);
    ~RSCatalogCell() override;

    void init() override;
    void timerCallback() override;

    void mouseEnter(const juce::MouseEvent& e) override;
    void mouseExit(const juce::MouseEvent& e) override;
    void mouseDown(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;
    void mouseDoubleClick(const juce::MouseEvent& e) override;
    void paint(juce::Graphics& g) override;
    void paintOverChildren(juce::Graphics& g) override;

    const juce::String& getImageName() const noexcept { return m_ImageName; }
    bool isPressed() const noexcept { return m_Pressed; }

    static const int m_DragSensitivity;

protected:
    juce::String m_ImageName;
    int m_PressX = 0;
    int m_PressY = 0;
    bool m_Pressed = false;
    int m_HoldPeriod;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSCatalogCell)
};
