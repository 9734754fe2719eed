#pragma once

#include "GUI/Editor/AnotherComponentListner.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdint>
#include <vector>

class EditParamComponent;
class RSKnob;
struct SParamDesc;

// One module's value page of the Orva PW parameter area: the module's knobs
// and switches, built from its form layer and placed by the parameter
// descriptors. A descriptor names a slot; the control, its name label,
// unit label and value display go to the slot's origin plus their own form
// offsets, or to one of two alternative rectangles. The page writes
// nothing: its owner area listens to every widget.
class OPWValueParamBaseComponent : public juce::Component,
                                   public AnotherComponentListner
{
public:
    OPWValueParamBaseComponent(EditParamComponent* owner, int width, int height);
    ~OPWValueParamBaseComponent() override;

    void mouseDown(const juce::MouseEvent& e) override;

    // initSlotBounds, scanUIForm, scanLinkedComponent.
    virtual void initialise();
    virtual void scanUIForm();
    virtual void scanLinkedComponent();
    virtual void handleMessageSub(const juce::Message& message);
    // The whole-program refresh; `visible` is true for the shown page.
    virtual void changeListenerCallbackSub(juce::ChangeBroadcaster* source, bool visible);
    virtual int getUIFormTableID() const = 0;
    virtual int getPartialId() const = 0;
    virtual void updateBackground() { repaint(); }
    void mouseDownByOtherComponent(juce::Component* component) override;
    virtual void initSlotBounds();
    virtual bool ModifySlotBounds(juce::Component* component, int slot);
    virtual bool ModifySlotAltBounds(juce::Component* component, int slot);
    virtual bool ModifySlotAlt2Bounds(juce::Component* component, int slot);

    const std::vector<juce::Point<int>>& getSlotOrigins() const noexcept { return m_SlotOrigins; }
    // The first child whose "PARAMID" is paramId, or null.
    juce::Component* findByParamId(int paramId) const;
    // Moves a combo box, switch or knob (of the form control kind) to the
    // section's value, or repaints an image; a knob tells its listeners
    // unless the value came from the amplifier.
    static void showValue(juce::Component& target, int kind, int value, bool fromDevice);

    // The role of a widget in a control group; each has its own rectangle
    // of last resort.
    enum class Role
    {
        Control,
        NameLabel,
        ValueDisplay
    };

    // Descriptor flags the page reads.
    static constexpr uint32_t flagReadOnly = 0x1;
    static constexpr uint32_t flagDisabled = 0x2;
    static constexpr uint32_t flagHidden = 0x4;
    static constexpr uint32_t flagHideValue = 0x10;
    static constexpr uint32_t flagAlt = 0x20;
    static constexpr uint32_t flagAlt2 = 0x40;
    static constexpr uint32_t flagForceDrag = 0x2000;
    static constexpr uint32_t flagForceClick = 0x4000;
    static int slotOf(uint32_t flags) noexcept { return (int) ((flags >> 8) & 31u); }

protected:
    enum class PlaceMode
    {
        FormScan,
        PropsEvent,
        RangeEvent
    };

    // Places a widget by its descriptor flags (see the class comment).
    void placeByFlags(juce::Component* component, uint32_t flags, Role role, PlaceMode mode);
    juce::Rectangle<int> altRect(Role role) const;
    bool modifyByKind(juce::Component* component, uint32_t flags, int slot);
    // Refreshes a knob's labels and value display from the descriptor
    // (properties-changed event).
    void refreshKnobGroup(RSKnob* knob, const SParamDesc& desc, int value);
    static bool getDesc(int paramId, SParamDesc& desc);

    int m_Width;
    int m_Height;
    std::vector<juce::Point<int>> m_SlotOrigins;
    EditParamComponent* m_Owner;
    const juce::Rectangle<int> m_AltControl { 3, 26, 70, 70 };
    const juce::Rectangle<int> m_AltLabel { 6, 10, 62, 16 };
    const juce::Rectangle<int> m_AltValue { 6, 92, 62, 22 };
    const juce::Rectangle<int> m_Alt2Control { 3, 26, 70, 70 };
    const juce::Rectangle<int> m_Alt2Label { 6, 10, 62, 16 };
    const juce::Rectangle<int> m_Alt2Value { 6, 92, 62, 22 };

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWValueParamBaseComponent)
};
