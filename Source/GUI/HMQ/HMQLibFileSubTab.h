#pragma once

#include "GUI/Editor/RSLibFileSubTabBase.h"

class HMQLibFileComponent;

// The tab of one open HMQ program file; it holds the file's page.
class HMQLibFileSubTab : public RSLibFileSubTabBase
{
public:
    HMQLibFileSubTab(int x, int y, int width, int height, int fileIndex);
    ~HMQLibFileSubTab() override;

    HMQLibFileComponent* getFilePage() const noexcept;
    int getFileIndex() const noexcept { return m_FileIndex; }

private:
    juce::Rectangle<int> m_Bounds;
    int m_FileIndex;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQLibFileSubTab)
};
