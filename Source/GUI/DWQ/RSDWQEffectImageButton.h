#pragma once

#include "GUI/Widgets/RSDraggableImageButton.h"

#include <array>

// What a DWQR effect picker shows for each of its five types. The modulation
// and the delay/reverb pickers differ only in these tables.
struct DWQEffectPickerTable
{
    static constexpr int numTypes = 5;

    int moduleIndex;
    int initialType;
    bool triggeredOnMouseDown;
    // The parameter that remembers the type shown while the module is off (type 0).
    int rememberedTypeId;
    std::array<const char*, numTypes> pictures;
    std::array<int, numTypes> nameX;
    std::array<int, numTypes> nameY;
    std::array<const char*, numTypes> icons;
    juce::String (*typeName)(int type);
};

namespace DWQEffectPickers
{
extern const DWQEffectPickerTable modulation;
extern const DWQEffectPickerTable delayReverb;
} // namespace DWQEffectPickers

// A DWQR effect picker, on the draggable button of the editor page or on the
// plain one.
template <typename Button>
class RSDWQEffectImageButton : public Button
{
public:
    static constexpr int kNumTypes = DWQEffectPickerTable::numTypes;

    RSDWQEffectImageButton(const DWQEffectPickerTable& table, juce::Component* owner, bool selectEnabled,
                           const juce::String& name);

    void mouseDown(const juce::MouseEvent& e) override;
    void setType(int type) override;
    juce::String getPngName(int type) override;
    juce::String getIconPngName(int type) override;
    juce::String getTypeName(int type) override;
    int getTypeNameX(int type) override;
    int getTypeNameY(int type) override;

private:
    size_t row(int type) const noexcept { return (size_t) RSImageButton::clampType(type, kNumTypes); }

    const DWQEffectPickerTable& m_Table;
};

extern template class RSDWQEffectImageButton<RSImageButton>;
extern template class RSDWQEffectImageButton<RSDraggableImageButton>;
