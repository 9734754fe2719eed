#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The application-wide look: dark popup menus and tooltips in the accent
// colour, fonts from the font library, tooltips in the lower right corner of
// the screen, trapezoid tabs with dark grey back tabs on a transparent bar,
// and a file browser with its name row between the path row and the list.
class CustomLookAndFeel : public juce::LookAndFeel_V3
{
public:
    CustomLookAndFeel();
    ~CustomLookAndFeel() override = default;

    int getDefaultScrollbarWidth() override;
    juce::AttributedString createFileChooserHeaderText(const juce::String& title, const juce::String& instructions) override;
    juce::Button* createFileBrowserGoUpButton() override;
    void layoutFileBrowserComponent(juce::FileBrowserComponent& browser, juce::DirectoryContentsDisplayComponent* list,
                                    juce::FilePreviewComponent* preview, juce::ComboBox* currentPathBox,
                                    juce::TextEditor* filenameBox, juce::Button* goUpButton) override;
    void drawPopupMenuBackground(juce::Graphics& g, int width, int height) override;
    juce::Font getPopupMenuFont() override;
    juce::Font getComboBoxFont(juce::ComboBox& box) override;
    juce::Rectangle<int> getTooltipBounds(const juce::String& tipText, juce::Point<int> screenPos,
                                          juce::Rectangle<int> parentArea) override;
    void drawTooltip(juce::Graphics& g, const juce::String& text, int width, int height) override;
    juce::Rectangle<int> getTabButtonExtraComponentBounds(const juce::TabBarButton& button, juce::Rectangle<int>& textArea,
                                                          juce::Component& extraComp) override;
    void drawTabbedButtonBarBackground(juce::TabbedButtonBar& bar, juce::Graphics& g) override;
    void createTabButtonShape(juce::TabBarButton& button, juce::Path& path, bool isMouseOver, bool isMouseDown) override;
    // Tabs are drawn from their shape (the third-generation look would fill a plain rectangle).
    void drawTabButton(juce::TabBarButton& button, juce::Graphics& g, bool isMouseOver, bool isMouseDown) override;
    void fillTabButtonShape(juce::TabBarButton& button, juce::Graphics& g, const juce::Path& path, bool isMouseOver,
                            bool isMouseDown) override;

    // Where a tip of the laid-out text size goes for the pointer at that
    // point: beside the pointer, towards the middle of the area, inside the
    // area (a tip wider or higher than the area is cut to it).
    static juce::Rectangle<int> placeTooltip(float layoutWidth, float layoutHeight, juce::Point<int> pointer,
                                             juce::Rectangle<int> area);

    // The tooltip text laid out in the tooltip font, at most 400 pixels wide.
    static juce::TextLayout layoutTooltipText(const juce::String& text, juce::Colour colour);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(CustomLookAndFeel)
};
