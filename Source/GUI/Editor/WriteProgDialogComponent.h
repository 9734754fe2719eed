#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The dialog of "Write Current Program": asks which user slot (USER A1 to
// USER B4) the program being edited goes to, writes it there, sends it to
// the amplifier and selects the slot. One hidden instance lives in the main
// component, parked outside the visible area until it is opened.
class WriteProgDialogComponent : public juce::Component,
                                 public juce::Button::Listener,
                                 public juce::MessageListener
{
public:
    WriteProgDialogComponent();
    ~WriteProgDialogComponent() override;

    // Opens the dialog modal and centred for the model, with the list item
    // preselected (1-8 = USER A1 to USER B4; any other id selects nothing).
    void open(int model, int itemId);

    void buttonClicked(juce::Button* button) override;
    void handleMessage(const juce::Message& message) override;
    void paint(juce::Graphics& g) override;
    void resized() override;
    bool keyPressed(const juce::KeyPress& key) override;

    void okButtonPressed();
    void cancelButtonPressed();

    int getModelId() const noexcept { return m_ModelId; }
    juce::ComboBox* getSlotList() const noexcept { return m_SlotList; }
    juce::TextButton* getOkButton() const noexcept { return m_OkButton; }
    juce::TextButton* getCancelButton() const noexcept { return m_CancelButton; }

private:
    void close();
    void park();

    juce::TextButton* m_OkButton = nullptr;     // owned
    juce::TextButton* m_CancelButton = nullptr; // owned
    juce::ComboBox* m_SlotList = nullptr;       // owned
    int m_ModelId = -1;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(WriteProgDialogComponent)
};
