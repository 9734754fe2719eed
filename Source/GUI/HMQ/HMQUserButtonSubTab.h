#pragma once

#include "GUI/Editor/RSUserSubTabBase.h"

class HMQUserButtonContainerComponent;

// The "PROGRAM" tab of the HMQ lower panel: it holds the user-program buttons.
class HMQUserButtonSubTab : public RSUserSubTabBase
{
public:
    HMQUserButtonSubTab(int x, int y, int width, int height);

    void initialise() override;
    HMQUserButtonContainerComponent* getContainer() const noexcept;

private:
    juce::Rectangle<int> m_Bounds;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQUserButtonSubTab)
};
