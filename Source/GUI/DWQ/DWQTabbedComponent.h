#pragma once

#include "GUI/Editor/RSTabbedComponent.h"

// The tab panel of the DWQR librarian: "Preset" and up to three file tabs.
// A program dragged onto it brings it back into view and shows the first
// file tab; leaving it lets it slide out again.
class DWQTabbedComponent : public RSTabbedComponent,
                           public juce::DragAndDropTarget
{
public:
    using RSTabbedComponent::RSTabbedComponent;

    bool isInterestedInDragSource(const SourceDetails& details) override;
    void itemDragEnter(const SourceDetails& details) override;
    void itemDragMove(const SourceDetails&) override {}
    void itemDragExit(const SourceDetails& details) override;
    void itemDropped(const SourceDetails&) override {}
};
