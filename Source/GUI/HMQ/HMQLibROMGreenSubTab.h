#pragma once

#include "GUI/HMQ/HMQLibROMBankSubTab.h"
#include "GUI/HMQ/HMQLibROMGreenComponent.h"

// The tab of the bank that HMQLibROMGreenComponent shows.
class HMQLibROMGreenSubTab : public HMQLibROMBankSubTab
{
public:
    using HMQLibROMBankSubTab::HMQLibROMBankSubTab;

protected:
    HMQLibROMBankComponent* createPage(int x, int y, int width, int height) override
    {
        return new HMQLibROMGreenComponent(x, y, width, height);
    }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQLibROMGreenSubTab)
};
