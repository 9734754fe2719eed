#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class RSImageButtonPopupMenuLookAndFeel;

// A module's type picker: the picture of the module's current type with the
// type's name written over it. Subclasses give the per-type tables. The
// button only draws and reports presses; its page decides what they mean.
class RSImageButton : public juce::ImageButton
{
public:
    RSImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name);
    ~RSImageButton() override;

    void mouseDown(const juce::MouseEvent& e) override;
    void paint(juce::Graphics& g) override;
    void resized() override {}
    void paintButton(juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    virtual void addPopupItem(int index, juce::String text);
    virtual void setType(int type);
    virtual juce::String getPngName(int type) = 0;
    virtual juce::String getIconPngName(int type) = 0;
    virtual juce::String getTypeName(int type) = 0;
    virtual int getTypeNameX(int type) = 0;
    virtual int getTypeNameY(int type) = 0;
    virtual void registFont();

    // The type name as paint draws it: in the box (x, y, 200, 20) at the
    // type's name position, kept inside the frame of the picture with a margin
    // to its rim, on one line and whole: where the box is too small the
    // letters are narrowed, then made smaller.
    juce::GlyphArrangement layOutTypeName();

    int getType() const noexcept { return m_Type; }
    int getModuleIndex() const noexcept { return m_ModuleIndex; }
    juce::Colour getHighlightColour() const noexcept { return m_HighlightColour; }
    const juce::Font& getFont() const noexcept { return m_Font; }
    juce::PopupMenu& getTypeMenu() noexcept { return m_TypeMenu; }
    RSImageButtonPopupMenuLookAndFeel* getPopupLook() const noexcept { return m_PopupLook.get(); }
    juce::Component* getOwner() const noexcept { return m_Owner; }
    bool isSelectEnabled() const noexcept { return m_SelectEnabled; }

    void setWholeAreaHit(bool whole) noexcept { m_WholeAreaHit = whole; }
    bool isWholeAreaHit() const noexcept { return m_WholeAreaHit; }

    // Written and read by the owning page only.
    int m_ClickState = -1;
    bool m_TouchDown = false;
    juce::Rectangle<int> m_OnBounds;
    juce::Rectangle<int> m_OffBounds;

    // Clamps a type into 0 .. count - 1.
    static int clampType(int type, int count) noexcept { return juce::jlimit(0, count - 1, type); }

protected:
    // Set by the subclasses' constructors.
    void setHighlightColours(juce::Colour button, juce::Colour menu);

    int m_CachedType = -1;
    int m_ModuleIndex = -1;
    int m_Type = 0;
    juce::Colour m_HighlightColour { 0x00F97B00 };

private:
    std::unique_ptr<RSImageButtonPopupMenuLookAndFeel> m_PopupLook;
    juce::Component* m_Owner;
    juce::PopupMenu m_TypeMenu;
    bool m_SelectEnabled;
    bool m_WholeAreaHit = false;
    juce::Font m_Font;
    // Where a name may stand on the loaded picture: its opaque part less the
    // rim; empty while no picture (or a wholly clear one) is loaded.
    juce::Rectangle<int> m_NameArea;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSImageButton)
};
