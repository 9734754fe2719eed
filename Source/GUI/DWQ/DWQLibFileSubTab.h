#pragma once

#include "GUI/Editor/RSLibFileSubTabBase.h"

class DWQLibFileComponent;

// One program-file tab of the DWQR librarian (file index 0, 1 or 2); its
// content is the file page. The librarian marks it in use while a file is
// shown in it.
class DWQLibFileSubTab : public RSLibFileSubTabBase
{
public:
    DWQLibFileSubTab(int x, int y, int w, int h, int fileIndex);
    ~DWQLibFileSubTab() override;

    DWQLibFileComponent* getFilePage() const noexcept { return page; }

private:
    DWQLibFileComponent* page = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(DWQLibFileSubTab)
};
