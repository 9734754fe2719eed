#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The application-wide look: dark popup menus and tooltips in the accent
// colour, fonts from the font library, tooltips in the lower right corner of
// the area they show in (the main window's), trapezoid tabs with dark grey
// back tabs on a transparent bar, alert boxes with their icon inside, and a
// file browser with its name row between the path row and the list.
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
    // The text colours set on the tab bar or on the panel that holds it (front
    // tab and back tabs apart); the text sized to keep a margin inside its tab
    // and clear of the tab's extra component.
    void drawTabButtonText(juce::TabBarButton& button, juce::Graphics& g, bool isMouseOver, bool isMouseDown) override;
    // The framework's alert with its buttons, its native window made whole.
    juce::AlertWindow* createAlertWindow(const juce::String& title, const juce::String& message, const juce::String& button1,
                                         const juce::String& button2, const juce::String& button3,
                                         juce::MessageBoxIconType iconType, int numButtons,
                                         juce::Component* associatedComponent) override;
    // The alert icon stands whole inside the box, in the column left of the text.
    void drawAlertBox(juce::Graphics& g, juce::AlertWindow& alert, const juce::Rectangle<int>& textArea,
                      juce::TextLayout& textLayout) override;

    // Where an alert box of that size draws its icon.
    static juce::Rectangle<int> getAlertIconArea(juce::Rectangle<int> alertBounds);

    // The space kept free on each side of a tab's text, for a tab of that depth.
    static int getTabTextMargin(int tabDepth);

    // The tab text's colour: the colour given to the tab, its bar or a parent
    // of the bar (front tab and back tabs apart), else one that contrasts with
    // the tab's background.
    static juce::Colour getTabTextColour(const juce::TabBarButton& button);

    // Where a tip of the laid-out text size goes in the area: 10 pixels from
    // its right and bottom edges, wherever the pointer is; a tip wider or
    // higher than the area is cut to it and starts at its left or top edge.
    static juce::Rectangle<int> placeTooltip(float layoutWidth, float layoutHeight, juce::Rectangle<int> area);

    // The tooltip text laid out in the tooltip font, at most 400 pixels wide.
    static juce::TextLayout layoutTooltipText(const juce::String& text, juce::Colour colour);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(CustomLookAndFeel)
};
