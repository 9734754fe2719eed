#pragma once

#include "GUI/RSLibFileSubTabBase.h"

class OPWLibFileComponent;

// One program-file tab of the Orva PW librarian: it makes and owns the file
// page of its file index.
class OPWLibFileSubTab : public RSLibFileSubTabBase
{
public:
    OPWLibFileSubTab(int x, int y, int width, int height, int fileIndex);
    ~OPWLibFileSubTab() override;

    OPWLibFileComponent* getFilePage() const noexcept { return m_FilePage; }
    int getFileIndex() const noexcept { return m_FileIndex; }

private:
    int m_X, m_Y, m_Width, m_Height, m_FileIndex;
    OPWLibFileComponent* m_FilePage = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWLibFileSubTab)
};
