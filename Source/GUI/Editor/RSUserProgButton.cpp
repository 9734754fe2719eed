#include "GUI/Editor/RSUserProgButton.h"

#include "Action/MidiManager.h"
#include "Core/ProductModel.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/LibrarianAccess.h"
#include "GUI/Editor/ProgramNameText.h"
#include "GUI/Editor/ProgramRecordCopy.h"
#include "GUI/Editor/WriteConfirmation.h"
#include "GUI/Widgets/FontLibrary.h"

RSUserProgButton::RSUserProgButton(juce::Component* owner, int groupId, int ampType, int programNumber, const juce::String& name)
    : LibrarianUserSlotButton(owner, groupId, ampType, programNumber, name),
      m_UserIndex(LibrarianAccess::getModelId() == kProductModelHMQ ? programNumber - 60 : programNumber - 11)
{}

void RSUserProgButton::paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown)
{
    const unsigned char* record = nullptr;
    if (auto* dataCenter = LibrarianAccess::getDataCenter())
        record = dataCenter->getRAMProgPtr(m_UserIndex);
    const int type = ampTypeOf(record);
    const bool knownAmp = type >= 0;
    if (knownAmp)
        setAmpType(type);

    const bool selected = isButtonDown || getToggleState();
    auto r = juce::Rectangle<int>(1, 1, getWidth() - 2, getHeight() - 2).toFloat();
    g.setColour(selected ? juce::Colour(0x2BF97B00) : juce::Colour(0xFF4F4F4F).withAlpha(0.5f));
    g.fillRect(r);
    if (m_DragOver)
        drawFrame(g, r.reduced(1.0f), juce::Colours::red, 6.0f);
    else if (selected)
        drawFrame(g, r, juce::Colour(0xFFD7891B), 2.0f);

    paintImages(g, isMouseOver, isButtonDown);

    g.setColour(juce::Colours::white);
    g.setFont(FontLibrary::named("ProgramNameButton"));
    const auto name = ProgramNameText::fromRecord(record);
    const auto just = juce::Justification::centredLeft;
    if (r.getHeight() < 56.0f)
    {
        g.drawText(getButtonText(), 4, 4, 24, 20, just, true);
        g.drawText(name, 26, 4, getWidth() - 8, 20, just, true);
        if (knownAmp && r.getHeight() >= 27.0f)
        {
            g.setFont(FontLibrary::named("AmpTypeButtonMini"));
            g.drawText(ProgramNameText::printable(getAmpName(m_AmpType)), 4, 20, 200, 20, just, true);
        }
    }
    else
    {
        g.drawText(getButtonText(), 4, 4, 200, 20, just, true);
        g.drawText(name, 4, 24, getWidth() - 8, 20, just, true);
        if (knownAmp)
        {
            g.setFont(FontLibrary::named("AmpTypeButton"));
            g.drawText(ProgramNameText::printable(getAmpName(m_AmpType)), 4, 44, 200, 20, just, true);
        }
    }
}

void RSUserProgButton::itemDropped(const SourceDetails& details)
{
    m_DragOver = false;
    updateBackground();
    LibrarianAccess::settleProgramDrop();
    if (! WriteConfirmation::confirm("Write to DWQ R's User Program ?"))
        return;
    auto dragId = DragAndDropDefinitions::getDragId(details.description);
    afterDropExecute(m_ProgramNumber, DragAndDropDefinitions::getDragValue(details.description), dragId);
}

void RSUserProgButton::afterDropExecute(int target, int source, juce::String& dragId)
{
    auto* dataCenter = LibrarianAccess::getDataCenter();
    if (target < 11 || target > 18 || dataCenter == nullptr)
        return;
    const int slot = target - 11;
    const bool fromEditBuffer = dragId == CurrentProgramDataDragID;
    if ((fromEditBuffer || (source >= 0 && source <= 51))
        && ProgramRecordCopy::intoUserSlot(*dataCenter, slot, source, fromEditBuffer))
    {
        if (auto* midi = LibrarianAccess::getMidiManager())
            midi->sendProgDumpOut(target);
    }
    LibrarianAccess::selectUserSlot(slot);
}
