#include "GUI/Widgets/KnobCollection.h"

const KnobBitmapImageInfo KnobCollection[kNumKnobCollection] = {
    { "Knob_DW", 101, 54, 54, 54, 54 },
    { "Knob_DW_8080", 101, 80, 80, 80, 80 },
    { "Switch_HMQ3state", 3, 40, 30, 40, 30 },
    { "Switch_HMQclass", 2, 40, 30, 40, 30 },
    { "Switch_OFFON_narrow", 2, 35, 24, 35, 24 },
    { "Switch_OFFON", 2, 43, 24, 43, 24 },
    { "Switch_VOICE_7070", 3, 70, 70, 70, 70 },
    { "Switch_VOICE_5454_OrvaPW", 3, 70, 70, 54, 54 },
    { "Switch_VOICE_5454_OrvaKX", 3, 70, 70, 54, 54 },
    { "Switch_VOICE_7070_OrvaPW", 3, 70, 70, 70, 70 },
    { "Switch_VOICE_7070_OrvaKX", 3, 70, 70, 70, 70 },
    { "Knob_HMQ_chiken5454", 101, 54, 54, 54, 54 },
    { "Knob_HMQ_chiken7070", 101, 70, 70, 70, 70 },
    { "Knob_HMQ_5454", 101, 54, 54, 54, 54 },
    { "Knob_HMQ_7070", 101, 70, 70, 70, 70 },
    { "Knob_OrvaPW_7070", 101, 70, 70, 70, 70 },
    { "Knob_OrvaPW_5454_2", 101, 70, 70, 54, 54 },
    { "Knob_OrvaKX_7070", 101, 70, 70, 70, 70 },
    { "Knob_OrvaKX_5454_2", 101, 70, 70, 54, 54 },
    { "Switch_SENS_7070_OrvaKX", 5, 70, 70, 70, 70 },
    { "Switch_SENS_7070_OrvaPW", 5, 70, 70, 70, 70 },
    { "Switch_SENS_5454_OrvaKX", 5, 70, 70, 54, 54 },
    { "Switch_SENS_5454_OrvaPW", 5, 70, 70, 54, 54 },
    { "Switch_6point_7070_OrvaPW", 6, 70, 70, 70, 70 },
    { "Switch_6point_5454_OrvaPW", 6, 70, 70, 54, 54 },
};

const KnobBitmapImageInfo* getKnobImageInfo(const juce::String& name)
{
    const KnobBitmapImageInfo* found = nullptr;
    for (const auto& row : KnobCollection)
        if (row.name == name)
            found = &row;
    return found;
}
