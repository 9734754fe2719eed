#pragma once

#include "GUI/Editor/RSTabbedComponent.h"

// The tab column of an Orva librarian. It draws the column's background and
// takes part in program drags: a program drag that enters the column asks
// the librarian to slide it into view, one that leaves asks to slide it
// back. Drops land on the program buttons inside the tabs.
class OrvaTabbedComponent : public RSTabbedComponent,
                            public juce::DragAndDropTarget
{
public:
    OrvaTabbedComponent() = default;
    ~OrvaTabbedComponent() override = default;

    void paint(juce::Graphics& g) override;

    bool isInterestedInDragSource(const SourceDetails& details) override;
    void itemDragEnter(const SourceDetails& details) override;
    void itemDragMove(const SourceDetails&) override {}
    void itemDragExit(const SourceDetails& details) override;
    void itemDropped(const SourceDetails&) override {}

private:
    static bool isProgramDrag(const SourceDetails& details);
    static void fireSubTabMove(bool open);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OrvaTabbedComponent)
};
