#pragma once

#include "GUI/Editor/EditParamComponent.h"

#include <map>

class RSComboBox;
class RSDraggableImageButton;
class RSDWQAmpImageButton;
class RSDWQPedalFXImageButton;
class RSDWQRevFXImageButton;
class RSImageButton;

// The lower half of the DWQR editor page: the amp, modulation and
// delay/reverb pictures, every knob of the program with its display and
// labels, and the on/off handling of the two effects. The DWQR switches an
// effect off by its type 0; the area shows the state by the effect picture's
// height: in its form position the effect is on, 45 pixels higher it is off.
// Dragging the picture up or down, or clicking the effect's switch, turns it
// off or on. Built from form layer 1047; every edit goes to the DWQR's
// program edit section and the widgets follow its events.
class DWQEditParamComponent : public EditParamComponent,
                              private juce::Timer
{
public:
    // How far above its form position an effect picture stands when off.
    static constexpr int offZoneLift = 45;
    static constexpr int zoneAnimationMs = 500;

    DWQEditParamComponent(int width, int height);
    ~DWQEditParamComponent() override;

    void mouseDown(const juce::MouseEvent& e) override;
    void scanUIForm() override;
    void scanLinkedComponent() override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void buttonClicked(juce::Button* button) override;
    void sliderValueChanged(juce::Slider* slider) override;
    void comboBoxChanged(juce::ComboBox* comboBox) override;
    void labelTextChanged(juce::Label*) override {}
    void handleMessageSub(const juce::Message& message) override;
    void itemDragMove(const SourceDetails& details) override;
    void itemDropped(const SourceDetails& details) override;
    void mouseDownByOtherComponent(juce::Component* other) override;

    RSDWQAmpImageButton* getAmpPicture() const noexcept { return ampPicture; }
    RSDWQPedalFXImageButton* getModPicture() const noexcept { return modPicture; }
    RSDWQRevFXImageButton* getDlyRevPicture() const noexcept { return dlyRevPicture; }
    // The first child that carries the parameter id, or null.
    juce::Component* findChildByParamId(int paramId) const;

private:
    // One switchable effect: its picture and its ids.
    struct EffectZone
    {
        RSDraggableImageButton* picture;
        int onId;         // editor-side on switch
        int typeId;       // the type parameter; 0 is off
        int rememberedId; // the last type other than off
        int module;
    };

    void timerCallback() override {}

    bool zoneFor(int module, EffectZone& zone) const;
    bool zoneForOnId(int onId, EffectZone& zone) const;
    // The type to switch an effect on with: the remembered one, or the
    // module's first real type when none is remembered.
    int typeToSwitchOn(const EffectZone& zone) const;
    void switchEffect(const EffectZone& zone, bool on);
    void animatePicture(juce::Component* picture, juce::Rectangle<int> target);
    void syncZone(int onId);
    void selectModule(int module);

    void refreshChild(juce::Component* child);
    void setDisplayText(juce::Component* display, int paramId, int value);

    int readProp(const juce::Component* c, const juce::Identifier& name, int fallback = -1) const;

    RSDWQAmpImageButton* ampPicture = nullptr;
    RSDWQPedalFXImageButton* modPicture = nullptr;
    RSDWQRevFXImageButton* dlyRevPicture = nullptr;
    RSImageButton* modPictureNoDrag = nullptr;
    RSImageButton* dlyRevPictureNoDrag = nullptr;

    std::map<RSComboBox*, RSImageButton*> comboPictures;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(DWQEditParamComponent)
};
