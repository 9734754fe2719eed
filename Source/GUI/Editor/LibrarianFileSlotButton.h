#pragma once

#include "GUI/Widgets/RSWidgetSupport.h"

// What every librarian's file-slot button shares: its size, colours and
// faint amp picture when made, and a background repaint that reaches the
// file page and the tab around it.
template <class SelectButton>
class LibrarianFileSlotButton : public SelectButton
{
public:
    LibrarianFileSlotButton(juce::Component* owner, int groupId, int ampType, int programNumber, const juce::String& name)
        : SelectButton(owner, groupId, ampType, programNumber, name)
    {
        this->setSize(240, 60);
        this->setColour(juce::TextButton::buttonColourId, juce::Colours::white);
        this->setColour(juce::TextButton::buttonOnColourId, juce::Colours::blueviolet.brighter(0.4f));
        this->setAmpImages(RSWidgetSupport::getImage(this->getPNGName(ampType)), 0.2f);
    }

    void updateBackground() override
    {
        if (auto* parent = this->getParentComponent())
        {
            if (auto* grandParent = parent->getParentComponent())
                grandParent->repaint();
            parent->repaint();
        }
        this->repaint();
    }
};
