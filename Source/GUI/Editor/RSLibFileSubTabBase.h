#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// One program-file tab of a librarian (file index 0-2). It holds the file
// page and is "in use" while it is handed out for an open file.
class RSLibFileSubTabBase : public juce::Component
{
public:
    RSLibFileSubTabBase() = default;
    ~RSLibFileSubTabBase() override = default;

    virtual juce::Component* getContentComponent() { return m_ContentComponent; }

    bool isInUse() const noexcept { return m_InUse; }
    void setInUse(bool b) noexcept { m_InUse = b; }

protected:
    juce::Component* m_ContentComponent = nullptr; // the file page, owned by the subclass
    bool m_InUse = false;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(RSLibFileSubTabBase)
};
