#pragma once

#include "GUI/HMQ/HMQLibROMBankSubTab.h"
#include "GUI/HMQ/HMQLibROMYellowGreenComponent.h"

// The tab of the bank that HMQLibROMYellowGreenComponent shows.
class HMQLibROMYellowGreenSubTab : public HMQLibROMBankSubTab
{
public:
    using HMQLibROMBankSubTab::HMQLibROMBankSubTab;

protected:
    HMQLibROMBankComponent* createPage(int x, int y, int width, int height) override
    {
        return new HMQLibROMYellowGreenComponent(x, y, width, height);
    }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQLibROMYellowGreenSubTab)
};
