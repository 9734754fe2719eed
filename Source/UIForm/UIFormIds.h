#pragma once

#include <cstdint>

#include <juce_core/juce_core.h>

// Layer ids of the form blocks; the same id has the same role in every model
// that carries it.
namespace UIFormLayerId
{
constexpr int GlobalParam = 1040;
constexpr int AudioEQParam = 1041;
constexpr int GlobalParamSmall = 1042;
constexpr int AudioEQParamSmall = 1043;
constexpr int GlobalParamMini = 1044;
constexpr int USBRoutingParam = 1045;
constexpr int EditParam = 1047;
constexpr int EditParamSmall = 1048;
constexpr int EditParamSmallTablet = 1049;
constexpr int Pedal1Param = 1052;
constexpr int Pedal2Param = 1053;
constexpr int ReverbParam = 1054;
constexpr int AmpParam = 1055;
constexpr int Pedal1ParamSmall = 1056;
constexpr int Pedal2ParamSmall = 1057;
constexpr int ReverbParamSmall = 1058;
constexpr int AmpParamSmall = 1059;
} // namespace UIFormLayerId

// Control kinds carried in an item's ID.
namespace UIFormControlKind
{
constexpr int CaptionLabel = 1025;
constexpr int UnitLabel = 1026;
constexpr int ComboBox = 1029;
constexpr int OnOffSwitch = 1030;
constexpr int ValueDisplay = 1032;
constexpr int Knob = 1033;
constexpr int TypePicker = 1034;
constexpr int Image = 1035;
constexpr int Hidden = 1036;
} // namespace UIFormControlKind

// Pseudo parameter ids of the value displays.
namespace UIFormParamId
{
constexpr int32_t None = -1;

// 0x80000000 + n: a value display of the editor pages.
constexpr int32_t display(uint32_t n)
{
    return (int32_t) (0x80000000u + n);
}

// 0x81000000 + n: a value display of the audio-EQ page.
constexpr int32_t eqDisplay(uint32_t n)
{
    return (int32_t) (0x81000000u + n);
}
} // namespace UIFormParamId

// Property names a built widget carries (set by the control factory, read by
// the pages and the widgets that follow a linked knob).
namespace UIFormProperty
{
inline const juce::Identifier Text { "TEXT" };
inline const juce::Identifier Unit { "UNIT" };
inline const juce::Identifier Id { "ID" };
inline const juce::Identifier ParamId { "PARAMID" };
inline const juce::Identifier FontFace { "FONTFACE" };
inline const juce::Identifier FontHeight { "FONTHEIGHT" };
inline const juce::Identifier FontStyle { "FONTSTYLE" };
inline const juce::Identifier X { "X" };
inline const juce::Identifier Y { "Y" };
inline const juce::Identifier Width { "WIDTH" };
inline const juce::Identifier Height { "HEIGHT" };
} // namespace UIFormProperty
