#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The base of every program button of the librarian: an image button of a
// radio group (triggered on mouse-down) that starts a program drag of its
// program number and can be the target of one. Its amp tables are the DWQ's
// (amp types 0-10); the other models' buttons replace them. The component
// property "PROGID" holds the program number.
class RSProgSelectButton : public juce::ImageButton,
                           public juce::DragAndDropContainer,
                           public juce::DragAndDropTarget
{
public:
    // Travel (horizontal plus vertical, in pixels) from where the pointer
    // entered the button before a drag starts.
    static constexpr int m_DragSensitivity = 50;

    RSProgSelectButton(juce::Component* owner, int groupId, int ampType, int programNumber, const juce::String& name);
    ~RSProgSelectButton() override = default;

    virtual void updateBackground();
    virtual void RenewButtonSetting() {}

    bool isInterestedInDragSource(const SourceDetails& details) override;
    void itemDragEnter(const SourceDetails& details) override;
    void itemDragMove(const SourceDetails& details) override;
    void itemDragExit(const SourceDetails& details) override;
    void itemDropped(const SourceDetails& details) override;

    virtual juce::String getPNGName(int ampType);
    virtual juce::String getAmpName(int ampType);
    virtual juce::Colour getAmpColor(int ampType);

    // The amp type of a DWQ program record as the DWQ edit section reads the
    // same byte: a byte that is none of the types reads as type 0. -1
    // without a record or a DWQ data centre.
    static int ampTypeOf(const unsigned char* record);

    void mouseEnter(const juce::MouseEvent& e) override;
    void mouseExit(const juce::MouseEvent& e) override;
    void mouseDown(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;

    int getProgramNumber() const noexcept { return m_ProgramNumber; }
    int getAmpType() const noexcept { return m_AmpType; }
    juce::Colour getAmpColour() const noexcept { return m_AmpColor; }
    bool isDragOver() const noexcept { return m_DragOver; }
    bool isDragStarted() const noexcept { return m_DragStarted; }
    bool isMouseOverButton() const noexcept { return m_MouseOver; }

    // The name of a file program changed since its file was opened or saved:
    // a light red that reads on the lit fill as well as on the idle one.
    static juce::Colour modifiedNameColour() noexcept { return juce::Colour(0xFFFFA0A0); }

    // The selection frame or the red drop frame, as the buttons draw them.
    static void drawFrame(juce::Graphics& g, juce::Rectangle<float> r, juce::Colour colour, float thickness);

    // Where drawNormalImage puts the normal image within an area (empty without an image).
    juce::Rectangle<int> getNormalImageBounds(juce::Rectangle<int> area);
    // One line of text in a box, left-justified, as drawWholeText draws it:
    // leading blanks stay (a program name may open with some), and a text
    // longer than the box narrows its letters, down to half, rather than
    // losing its end.
    static juce::GlyphArrangement layOutWholeText(const juce::Font& font, const juce::String& text, juce::Rectangle<int> box);
    // The box of a text of the DWQ buttons at (4, y, 200, 20), ended 4 pixels
    // before the picture drawn within `pictureArea`, so the two never meet.
    juce::Rectangle<int> textBoxBesidePicture(int y, juce::Rectangle<int> pictureArea);
    static void drawWholeText(juce::Graphics& g, const juce::String& text, juce::Rectangle<int> box);

protected:
    friend class OrvaProgButtonSupport;

    // Stores the amp type and makes its colour the button's.
    void setAmpType(int ampType);
    // Sets the three images to `image` with the normal-state opacity.
    void setAmpImages(const juce::Image& image, float normalOpacity);
    // Draws the normal image within the area, centred, only reduced in size.
    void drawNormalImage(juce::Graphics& g, juce::Rectangle<int> area);
    // The image button's own drawing of its images.
    void paintImages(juce::Graphics& g, bool isMouseOver, bool isButtonDown)
    {
        juce::ImageButton::paintButton(g, isMouseOver, isButtonDown);
    }

    juce::Component* m_Owner;
    int m_AmpType;
    juce::Colour m_AmpColor;
    bool m_MouseOver = true;
    bool m_DragOver = false;
    bool m_DragStarted = false;
    int m_DragOriginX = 0;
    int m_DragOriginY = 0;
    int m_ProgramNumber;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSProgSelectButton)
};
