#pragma once

#include "GUI/Editor/AnotherComponentListner.h"

#include <juce_gui_basics/juce_gui_basics.h>

class HMQFXLabel;
class RSImage;

// One custom effect variation of the HMQ: twelve kinds, four per module
// (pedal 1: COMP, CHORUS, OVERDRIVE, DISTORTION; pedal 2: FLANGER, PHASER,
// TREMOLO, DELAY; reverb: ROOM, SPRING, HALL, PLATE). Kind k lives in custom
// slot k % 4. It shows the variation's picture and values; the module of the
// current program dropped on the variation that matches its type is written
// there after a confirmation.
class HMQCustomFXSectionComponent : public juce::Component,
                                    public juce::ChangeListener,
                                    public juce::DragAndDropTarget,
                                    public AnotherComponentListner
{
public:
    using eSectionType = int; // 0-11

    static constexpr int idValueLabel = 1025;
    static constexpr int idPicture = 1035;
    static constexpr int numKinds = 12;
    static constexpr int numRows = 6;

    // The variation's type id (0x90000003 + kind).
    static constexpr int typeId(int kind) { return (int) (0x90000003u + (unsigned) kind); }

    // Value rows of each kind: parameter id (-1: none) and x; the labels are
    // 60 x 20 at y 2.
    struct PidRow
    {
        int paramId;
        int x;
    };
    static const PidRow PidPool[numKinds][numRows];
    // The picture's place: x 480, y 2, width 70, the slot's height.
    static constexpr int pictureX = 480, pictureY = 2, pictureW = 70;

    // The custom kind (0 amp, 1 pedal 1, 2 pedal 2, 3 reverb) of a module
    // index (0 amp, 1 pedal 1, 2 reverb, 3 pedal 2).
    static int customKindOfModule(int module);
    // The variation kind that a program's effect type of custom kind 1-3
    // uses; -1 when the type is out of range or the kind has none.
    static int variationOfType(int customKind, int type);

    HMQCustomFXSectionComponent(const juce::String& name, int width, int height, eSectionType kind);
    ~HMQCustomFXSectionComponent() override;

    void initialise();
    void update();
    bool isParentSelected(bool requireFlag) const;

    void mouseDownByOtherComponent(juce::Component* source) override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    virtual void updateBackground();

    bool isInterestedInDragSource(const SourceDetails& details) override;
    void itemDragEnter(const SourceDetails& details) override;
    void itemDragMove(const SourceDetails& details) override;
    void itemDragExit(const SourceDetails& details) override;
    void itemDropped(const SourceDetails& details) override;

    void mouseDown(const juce::MouseEvent& e) override;
    void paint(juce::Graphics& g) override;

    // Writes the current program's part of kind k's module into custom slot
    // k % 4 after the confirmation and sends the slot.
    static bool execCustomFXWrite(int kind);

    eSectionType getKind() const noexcept { return m_Kind; }
    bool isDragHovering() const noexcept { return m_DragHover; }
    RSImage* getPicture() const noexcept { return m_Picture.get(); }
    int getNumValueLabels() const noexcept { return m_Labels.size(); }
    HMQFXLabel* getValueLabel(int i) const { return m_Labels[i]; }

private:
    juce::Colour labelColour() const;

    eSectionType m_Kind;
    int m_Width;
    int m_Height;
    bool m_DragHover = false;
    std::unique_ptr<RSImage> m_Picture;
    juce::OwnedArray<HMQFXLabel> m_Labels;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQCustomFXSectionComponent)
};
