#pragma once

#include "GUI/Editor/EditParamComponent.h"

class RSImageButton;
class OPWValueParamBaseComponent;

// The lower half of the Orva PW editor page: the signal chain as three
// module pictures (first pedal, second pedal, amplifier) and, under them,
// the value page of one module. Every edit of its widgets and of its value
// pages' widgets goes to the program section at once; a pedal picture
// dragged across the chain line switches its pedal.
//
// The Orva KX area is the same design over its own pictures and value
// pages; it supplies them through the protected hooks.
class OPWEditParamComponent : public EditParamComponent,
                              private juce::Timer
{
public:
    OPWEditParamComponent(int width, int height);
    ~OPWEditParamComponent() override;

    void mouseDown(const juce::MouseEvent& e) override;
    void paint(juce::Graphics&) override {}

    void initialise() override;
    void scanUIForm() override;
    void scanLinkedComponent() override;
    // The whole-program refresh (skipped while bulk traffic runs).
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void buttonClicked(juce::Button* button) override;
    void sliderValueChanged(juce::Slider* slider) override;
    void comboBoxChanged(juce::ComboBox* combo) override;
    void labelTextChanged(juce::Label*) override {}
    void handleMessageSub(const juce::Message& message) override;
    void itemDragMove(const SourceDetails& details) override;
    void itemDropped(const SourceDetails& details) override;
    void mouseDownByOtherComponent(juce::Component* component) override;

    // Sets the touch-down flag of the three pictures.
    void ResetTouchDownMemory();

    RSImageButton* getAmpPicture() const noexcept;
    RSImageButton* getPedal1Picture() const noexcept;
    RSImageButton* getPedal2Picture() const noexcept;
    OPWValueParamBaseComponent* getValuePage(int module) const noexcept { return m_ValuePages[module]; }
    int getShownPage() const noexcept { return m_ShownPage; }

protected:
    // The module (0 amp, 1 pedal 1, 2 pedal 2) whose picture a form class
    // code makes, -1 for no module picture.
    virtual int pictureModuleOfClass(int classCode) const;
    // The value page of a module, made for this area.
    virtual OPWValueParamBaseComponent* createValuePage(int module, int width, int height);
    // Whether a click on the second pedal's switch also selects its module
    // in the catalogue.
    virtual bool pedal2SwitchSelectsCatalog() const { return true; }

private:
    void timerCallback() override { stopTimer(); }

    // Stores, sends and announces (store and announce only while bulk
    // traffic runs), as an editor-page edit.
    void writeParam(int paramId, int value);
    void selectModule(int module);
    void showPage(int module);
    void repaintPictures();
    void passOn(const juce::Message& message);
    RSImageButton* pedalPicture(int module) const noexcept;
    void animateTo(RSImageButton* picture, juce::Rectangle<int> target);
    // The pedal picture slides to the position of its on/off value.
    void movePedalTo(RSImageButton* picture, int value);
    // A pedal switched by dragging its picture.
    bool switchPedalByDrag(int module, juce::Point<int> pointer, bool dropped);

    RSImageButton* m_AmpButton = nullptr;
    RSImageButton* m_Pedal1Button = nullptr;
    RSImageButton* m_Pedal2Button = nullptr;
    juce::OwnedArray<OPWValueParamBaseComponent> m_ValuePages;
    int m_ShownPage = -1;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWEditParamComponent)
};
