#pragma once

#include "GUI/HMQ/HMQLibROMBankSubTab.h"
#include "GUI/HMQ/HMQLibROMRedComponent.h"

// The tab of the bank that HMQLibROMRedComponent shows.
class HMQLibROMRedSubTab : public HMQLibROMBankSubTab
{
public:
    using HMQLibROMBankSubTab::HMQLibROMBankSubTab;

protected:
    HMQLibROMBankComponent* createPage(int x, int y, int width, int height) override
    {
        return new HMQLibROMRedComponent(x, y, width, height);
    }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQLibROMRedSubTab)
};
