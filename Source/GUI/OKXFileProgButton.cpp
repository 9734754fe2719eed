#include "GUI/OKXFileProgButton.h"

#include "GUI/OrvaProgButtonSupport.h"
#include "GUI/RSWidgetSupport.h"

OKXFileProgButton::OKXFileProgButton(juce::Component* owner, int groupId, int ampType, int programNumber,
                                     const juce::String& name)
    : OKXProgSelectButton(owner, groupId, ampType, programNumber, name),
      m_FileIndex((programNumber - 8) / 8),
      m_IndexInFile((programNumber - 8) % 8)
{
    setSize(240, 60);
    setColour(juce::TextButton::buttonColourId, juce::Colours::white);
    setColour(juce::TextButton::buttonOnColourId, juce::Colours::blueviolet.brighter(0.4f));
    setAmpImages(RSWidgetSupport::getImage(getPNGName(ampType)), 0.2f);
}

void OKXFileProgButton::setProgramNumber(int programNumber)
{
    m_ProgramNumber = programNumber;
    m_FileIndex = (programNumber - 8) / 8;
    m_IndexInFile = (programNumber - 8) % 8;
}

void OKXFileProgButton::paintButton(juce::Graphics& g, bool, bool isButtonDown)
{
    OrvaProgButtonSupport::paintFileButton(*this, g, isButtonDown, m_FileIndex, m_IndexInFile,
                                           OrvaProgButtonSupport::orvaKXLook());
}

void OKXFileProgButton::updateBackground()
{
    if (auto* parent = getParentComponent())
    {
        if (auto* grandParent = parent->getParentComponent())
            grandParent->repaint();
        parent->repaint();
    }
    repaint();
}

void OKXFileProgButton::RenewButtonSetting()
{
    OrvaProgButtonSupport::renewFileButton(*this, m_FileIndex, m_IndexInFile, OrvaProgButtonSupport::orvaKXLook());
}

void OKXFileProgButton::itemDropped(const SourceDetails& details)
{
    OrvaProgButtonSupport::dropOnFileSlot(*this, details, OrvaProgButtonSupport::orvaKXLook());
}
