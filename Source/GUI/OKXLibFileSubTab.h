#pragma once

#include "GUI/RSLibFileSubTabBase.h"

class OKXLibFileComponent;

// One program-file tab of the Orva KX librarian: it makes and owns the file
// page of its file index.
class OKXLibFileSubTab : public RSLibFileSubTabBase
{
public:
    OKXLibFileSubTab(int x, int y, int width, int height, int fileIndex);
    ~OKXLibFileSubTab() override;

    OKXLibFileComponent* getFilePage() const noexcept { return m_FilePage; }
    int getFileIndex() const noexcept { return m_FileIndex; }

private:
    int m_X, m_Y, m_Width, m_Height, m_FileIndex;
    OKXLibFileComponent* m_FilePage = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXLibFileSubTab)
};
