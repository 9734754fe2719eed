#pragma once

#include "GUI/Editor/RSLibROMSubTabBase.h"

// The fixed "Preset" tab of the DWQR librarian; its content is the preset
// page.
class DWQLibROMSubTab : public RSLibROMSubTabBase
{
public:
    DWQLibROMSubTab(int x, int y, int w, int h, int tabDepth);
    ~DWQLibROMSubTab() override = default;

    void initialise() override;

private:
    int tabX, tabY, tabWidth, tabHeight, depth;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(DWQLibROMSubTab)
};
