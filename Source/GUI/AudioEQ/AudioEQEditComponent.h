#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class OrvaDataCenter;
class RSAudioEQFunctionButton;
class RSDraggableFRCurveComponent;
class RSFrequencyResponseAxisComponent;
class RSKnob;
class ISection;

// The overlay page on which the audio EQ of an Orva amplifier is edited:
// the band and trim knobs and the EQ switch built from form layer 1041, the
// response curve over its scale, and the slot buttons that choose the
// active EQ and take the stores of the curve and of other slots. Every edit
// goes to the amplifier at once; closing warns about edits made since the
// page opened, a slot was chosen or the EQ was stored.
//
// The model pages give the data centre, the artwork, the line colour and
// the slot buttons of their model.
class AudioEQEditComponent : public juce::Component,
                             public juce::ChangeListener,
                             public juce::Button::Listener,
                             public juce::Slider::Listener,
                             public juce::TextEditor::Listener,
                             public juce::Label::Listener,
                             public juce::MessageListener,
                             public juce::DragAndDropContainer
{
public:
    static constexpr int slotButtonGroup = 4100;
    static constexpr int pageWidth = 640;
    static constexpr int pageHeight = 530;

    AudioEQEditComponent();
    ~AudioEQEditComponent() override;

    void initialize();
    void clickedOkButton();

    void textEditorTextChanged(juce::TextEditor&) override {}
    void textEditorReturnKeyPressed(juce::TextEditor&) override {}
    void textEditorEscapeKeyPressed(juce::TextEditor&) override {}
    void textEditorFocusLost(juce::TextEditor&) override {}
    void labelTextChanged(juce::Label*) override {}

    virtual void renewKnobMinMax();
    virtual void backup_curAudioEQ();
    virtual void restore_curAudioEQ();
    virtual bool verify_curAudioEQBuf();
    virtual void renewCurAudioEQSelect();

    void handleMessage(const juce::Message& message) override;
    void buttonClicked(juce::Button* button) override;
    void sliderValueChanged(juce::Slider* slider) override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;

    void paint(juce::Graphics& g) override;
    void resized() override;

    // Parts, for the pages' owners and tests.
    juce::TextButton* getOkButton() const noexcept { return okButton.get(); }
    RSFrequencyResponseAxisComponent* getAxisPane() const noexcept { return axisPane.get(); }
    RSDraggableFRCurveComponent* getCurve() const noexcept { return curve; }
    int getNumSlotButtons() const noexcept { return slotButtons.size(); }
    // Slot button by slot index: -1 "OFF", 0..3 "EQ 1" .. "EQ 4".
    RSAudioEQFunctionButton* getSlotButton(int slotIndex) const;
    // The form widget carrying the parameter id, or null.
    juce::Component* findWidgetByParamId(int paramId) const;
    const juce::OwnedArray<juce::Component>& getFormWidgets() const noexcept { return formWidgets; }

protected:
    // The data centre the page edits: the connected one when it is of the
    // page's model, else null.
    virtual OrvaDataCenter* getModelDataCenter() const = 0;
    virtual juce::String getBackgroundImageName() const = 0;
    virtual juce::Colour getLineColour() const = 0;
    virtual RSAudioEQFunctionButton* createSlotButton(int slotIndex, const juce::String& text) = 0;

private:
    void scan_parameter();
    void scanLinkedComponent();
    void selectSlotButton(int slotIndex);
    void reloadWidget(juce::Component& widget, ISection& section);
    static bool formattedValue(ISection& section, int paramId, int value, juce::String& text);

    std::unique_ptr<juce::TextButton> okButton;
    std::unique_ptr<RSFrequencyResponseAxisComponent> axisPane;
    RSDraggableFRCurveComponent* curve = nullptr; // the axis pane's child
    juce::OwnedArray<RSAudioEQFunctionButton> slotButtons;
    juce::OwnedArray<juce::Component> formWidgets;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(AudioEQEditComponent)
};
