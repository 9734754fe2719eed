#pragma once

#include "GUI/Editor/RSLibROMSubTabBase.h"

class HMQLibROMBankComponent;

// The tab of one HMQ preset bank; it holds the bank's page, which the
// subclass names.
class HMQLibROMBankSubTab : public RSLibROMSubTabBase
{
public:
    HMQLibROMBankSubTab(int x, int y, int width, int height, int depth);

    void initialise() override;
    HMQLibROMBankComponent* getBankPage() const noexcept;

protected:
    virtual HMQLibROMBankComponent* createPage(int x, int y, int width, int height) = 0;

private:
    juce::Rectangle<int> m_Bounds;
    int m_Depth;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQLibROMBankSubTab)
};
