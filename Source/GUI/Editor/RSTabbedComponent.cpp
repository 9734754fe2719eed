#include "GUI/Editor/RSTabbedComponent.h"

void RSTabbedComponent::currentTabChanged(int newCurrentTabIndex, const juce::String&)
{
    m_PreviousTabIndex = m_CurrentTabIndex;
    m_CurrentTabIndex = newCurrentTabIndex;
    m_TabChanged = true;
}
