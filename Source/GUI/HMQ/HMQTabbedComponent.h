#pragma once

#include "GUI/Editor/RSTabbedComponent.h"

// The tab panel of the HMQ librarian: "PRESET" first, then one tab per open
// program file. A program drag entering it turns from "PRESET" to the first
// file and asks the view to bring the panel into sight; leaving it asks to
// slide it back.
class HMQTabbedComponent : public RSTabbedComponent,
                           public juce::DragAndDropTarget
{
public:
    HMQTabbedComponent() = default;

    bool isInterestedInDragSource(const SourceDetails& details) override;
    void itemDragEnter(const SourceDetails& details) override;
    void itemDragMove(const SourceDetails&) override {}
    void itemDragExit(const SourceDetails& details) override;
    void itemDropped(const SourceDetails&) override {}

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQTabbedComponent)
};
