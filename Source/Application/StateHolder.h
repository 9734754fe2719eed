#pragma once

#include "Core/ProductModel.h"

// The small state record that Host keeps and the whole system shares.
class StateHolder
{
public:
    virtual ~StateHolder() = default;

    int previousMode = 0;       // the mode before the last mode change
    int mode = 0;               // the amplifier mode
    int familyCode = -1;        // connected family; its low byte goes into every editor SysEx header
    int memberCode = 0;         // member within the family (meaningful after the first connection)
    int currentProgram = 0;     // program number shown as selected
    int deselectedProgram = -1; // reset to -1 whenever the current program changes

    // Family and member codes of a model id (0 DWQ .. 5 OPW Lyn); false for
    // an unknown model.
    static bool codesForModel(int modelId, int& family, int& member) noexcept
    {
        static constexpr int families[] = { 0x132, 0x134, 0x141, 0x141, 0x141, 0x141 };
        static constexpr int members[] = { 0, 0, 0, 8, 16, 24 };
        if (! isKnownModel(modelId))
            return false;
        family = families[modelId];
        member = members[modelId];
        return true;
    }
};
