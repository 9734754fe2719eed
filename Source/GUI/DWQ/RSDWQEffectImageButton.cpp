#include "GUI/DWQ/RSDWQEffectImageButton.h"

#include "DWQ/DWQTypeNames.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "ParamTable/ISection.h"

namespace DWQEffectPickers
{
const DWQEffectPickerTable modulation {
    1,
    0,
    true,
    (int) 0x80000013,
    { "alpha10", "Mod_ClassicChorus_shadow_112x111", "Mod_ClassicFlanger_shadow_112x111", "Mod_Phase90_shadow_112x111",
      "Mod_Textrem_shadow_112x111" },
    { 42, 24, 22, 14, 14 },
    { 12, 12, 4, 0, 8 },
    { "alpha10", "Mod_ClassicChorus", "Mod_ClassicFlanger", "Mod_Phase90_shadow_100x95", "Mod_Textrem" },
    [](int type) { return DWQ::getModTypeName((DWQ::eModType) type); },
};

const DWQEffectPickerTable delayReverb {
    2,
    1,
    false,
    (int) 0x80000014,
    { "alpha10", "Mod_ADelay_shadow_112x111", "Mod_EchoPlus_shadow_112x111", "Reverb_Spring_shadow_112x111",
      "Reverb_Hall_shadow_112x111" },
    { 42, 28, 16, 30, 38 },
    { 12, 0, 8, 0, 0 },
    { "alpha10", "Mod_ADelay", "Mod_EchoPlus", "Reverb_Spring", "Reverb_Hall" },
    [](int type) { return DWQ::getDlyRevTypeName((DWQ::eDlyRevType) type); },
};
} // namespace DWQEffectPickers

template <typename Button>
RSDWQEffectImageButton<Button>::RSDWQEffectImageButton(const DWQEffectPickerTable& table, juce::Component* owner,
                                                       bool selectEnabled, const juce::String& name)
    : Button(owner, selectEnabled, name), m_Table(table)
{
    this->m_ModuleIndex = table.moduleIndex;
    if (! table.triggeredOnMouseDown)
        this->setTriggeredOnMouseDown(false);
    this->m_Type = table.initialType;
}

template <typename Button>
void RSDWQEffectImageButton<Button>::mouseDown(const juce::MouseEvent& e)
{
    Button::mouseDown(e);
    RSWidgetSupport::notifyParentMouseDown(*this);
}

template <typename Button>
void RSDWQEffectImageButton<Button>::setType(int type)
{
    // Type 0 is the module switched off: show the type remembered for it.
    if (type == 0)
    {
        if (auto* section = RSWidgetSupport::findSection(0, m_Table.rememberedTypeId))
            type = section->GetParamI(m_Table.rememberedTypeId);
    }
    this->m_Type = type;
}

template <typename Button>
juce::String RSDWQEffectImageButton<Button>::getPngName(int type)
{
    return m_Table.pictures[row(type)];
}

template <typename Button>
juce::String RSDWQEffectImageButton<Button>::getIconPngName(int type)
{
    return m_Table.icons[row(type)];
}

template <typename Button>
juce::String RSDWQEffectImageButton<Button>::getTypeName(int type)
{
    return m_Table.typeName((int) row(type));
}

template <typename Button>
int RSDWQEffectImageButton<Button>::getTypeNameX(int type)
{
    return m_Table.nameX[row(type)];
}

template <typename Button>
int RSDWQEffectImageButton<Button>::getTypeNameY(int type)
{
    return m_Table.nameY[row(type)];
}

template class RSDWQEffectImageButton<RSImageButton>;
template class RSDWQEffectImageButton<RSDraggableImageButton>;
