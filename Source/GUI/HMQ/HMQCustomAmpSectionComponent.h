#pragma once

#include "GUI/Editor/AnotherComponentListner.h"

#include <juce_gui_basics/juce_gui_basics.h>

class MyCustomLabel;
class RSHMQAmpImage;

// One custom amp slot of the HMQ ("USER A" to "USER C"): the slot's amp
// picture, its model and its eight amp settings. An amp dropped on it is
// written into the slot after a confirmation; a press on it copies the
// slot's amp back into the current program (the page does that).
class HMQCustomAmpSectionComponent : public juce::Component,
                                     public juce::ChangeListener,
                                     public juce::DragAndDropTarget,
                                     public AnotherComponentListner
{
public:
    enum eSectionType : int
    {
        USER_A = 0,
        USER_B = 1,
        USER_C = 2
    };

    // Control ids carried in the property "ID".
    static constexpr int idValueLabel = 1025;
    static constexpr int idModelLabel = 1027;
    static constexpr int idNameLabel = 1028;
    static constexpr int idPicture = 1035;

    // The amp-type id of slot n; the settings of slot n are 0x90000010 + 8n + row.
    static constexpr int ampTypeId(int slot) { return (int) (0x90000000u + (unsigned) slot); }
    static constexpr int numRows = 8;

    // One row of the layout: parameter id, alternative name, the name
    // label's place, the value label's x and width, the row flags.
    struct PidRow
    {
        int paramId;
        const char* nameAlt;
        int x, y, w, h;
        int valueX, valueW;
        int stat;
    };
    // Row 0 of each group is the slot's amp type; rows 1-8 its settings.
    static const PidRow PidPool[3][numRows + 1];

    HMQCustomAmpSectionComponent(const juce::String& name, int width, int height, eSectionType slot);
    ~HMQCustomAmpSectionComponent() override;

    void initialise();

    // AnotherComponentListner: a press on the picture or a label is a press
    // on the slot.
    void mouseDownByOtherComponent(juce::Component* source) override;
    // The refresh from the custom section.
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    virtual void updateBackground();

    bool isInterestedInDragSource(const SourceDetails& details) override;
    void itemDragEnter(const SourceDetails& details) override;
    void itemDragMove(const SourceDetails& details) override;
    void itemDragExit(const SourceDetails& details) override;
    void itemDropped(const SourceDetails& details) override;

    void mouseDown(const juce::MouseEvent& e) override;
    void paint(juce::Graphics& g) override;

    // Writes the amp part of the current program into custom slot n after
    // the confirmation, and sends the slot; false when nothing was written.
    static bool execCustomAMPWrite(int n);

    eSectionType getSectionType() const noexcept { return m_SectionType; }
    bool isDragHovering() const noexcept { return m_DragHover; }

private:
    bool isSelectedInParent() const;

    eSectionType m_SectionType;
    int m_Width;
    int m_Height;
    bool m_DragHover = false;
    juce::Font m_Font;

    std::unique_ptr<RSHMQAmpImage> m_Picture;
    std::unique_ptr<MyCustomLabel> m_ModelLabel;
    juce::OwnedArray<MyCustomLabel> m_NameLabels;
    juce::OwnedArray<MyCustomLabel> m_ValueLabels;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQCustomAmpSectionComponent)
};
