#include "GUI/HMQ/HMQFileProgButton.h"

#include "Action/MidiManager.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/LibrarianAccess.h"
#include "GUI/Editor/ProgramNameText.h"
#include "GUI/Editor/ProgramRecordCopy.h"
#include "GUI/HMQ/HMQGuiSupport.h"
#include "GUI/HMQ/HMQLibFileComponent.h"
#include "GUI/Widgets/RSWidgetSupport.h"

namespace
{
constexpr int firstFile = 68;
constexpr int programsPerFile = 11;
constexpr int lastProgram = 100;
} // namespace

HMQFileProgButton::HMQFileProgButton(juce::Component* parent, int groupId, int ampType, int program, const juce::String& name)
    : HMQProgSelectButton(parent, groupId, ampType, program, name)
{
    setProgramNumber(program);
    setAmpType(ampType);
    setSize(240, 60);
    setColour(juce::TextButton::buttonColourId, juce::Colours::white);
    setColour(juce::TextButton::buttonOnColourId, juce::Colours::blueviolet.brighter(0.4f));
    setAmpImages(RSWidgetSupport::getImage(getPNGName(ampType)), 0.2f);
}

void HMQFileProgButton::setProgramNumber(int program)
{
    m_ProgramNumber = program;
    getProperties().set("PROGID", program);
    m_FileNumber = (program - firstFile) / programsPerFile;
    m_Slot = (program - firstFile) % programsPerFile;
}

const unsigned char* HMQFileProgButton::slotRecord() const
{
    auto* dataCenter = LibrarianAccess::getDataCenter();
    if (dataCenter == nullptr || m_FileNumber < 0 || m_FileNumber >= dataCenter->getFileCount() || m_Slot < 0)
        return nullptr;
    return dataCenter->getFileProgPtr(m_FileNumber, m_Slot);
}

void HMQFileProgButton::RenewButtonSetting()
{
    if (auto* dataCenter = LibrarianAccess::getDataCenter())
    {
        const juce::ScopedReadLock lock(dataCenter->getFileTabLock());
        if (const int type = ampTypeOf(slotRecord()); type >= 0)
            setAmpType(type);
    }
    setAmpImages(RSWidgetSupport::getImage(getPNGName(m_AmpType)), 1.0f);
}

void HMQFileProgButton::updateBackground()
{
    if (auto* parent = getParentComponent())
    {
        if (auto* grandParent = parent->getParentComponent())
            grandParent->repaint();
        parent->repaint();
    }
    repaint();
}

void HMQFileProgButton::paintButton(juce::Graphics& g, bool, bool isButtonDown)
{
    juce::String name;
    int type = -1;
    bool modified = false;
    if (auto* dataCenter = LibrarianAccess::getDataCenter())
    {
        const juce::ScopedReadLock lock(dataCenter->getFileTabLock());
        if (const auto* record = slotRecord())
        {
            type = ampTypeOf(record);
            if (type >= 0)
                setAmpType(type);
            name = ProgramNameText::fromFileRecord(record);
        }
        modified = m_Slot >= 0 && (dataCenter->getModifiedMask(m_FileNumber) & (1 << m_Slot)) != 0;
    }
    setButtonText(name);

    const bool selected = isButtonDown || getToggleState();
    const auto r = juce::Rectangle<int>(1, 1, juce::jmax(getWidth() - 2, 1), juce::jmax(getHeight() - 2, 1)).toFloat();
    g.setColour(selected ? juce::Colour(0x2BF97B00) : juce::Colour(0xFF4F4F4F).withAlpha(0.5f));
    g.fillRect(r);
    if (m_DragOver)
        drawFrame(g, r, juce::Colours::red, 6.0f);
    else if (selected)
        drawFrame(g, r, juce::Colour(0xFFD7891B), 2.0f);

    const juce::Rectangle<int> pictureArea(getWidth() / 3, 0, getWidth() * 2 / 3, getHeight());
    drawNormalImage(g, pictureArea);

    // Both lines end before the picture and stay whole, narrowing if need be.
    if (name.isNotEmpty())
    {
        g.setColour(modified ? modifiedNameColour() : juce::Colours::white);
        g.setFont(HMQGuiSupport::getFont("ProgramNameButton"));
        drawWholeText(g, name, textBoxBesidePicture(5, pictureArea));
    }
    if (type >= 0)
    {
        const auto ampName = ProgramNameText::printable(getAmpName(type));
        if (ampName.isNotEmpty())
        {
            g.setColour(juce::Colours::white);
            g.setFont(HMQGuiSupport::getFont("AmpTypeButton"));
            drawWholeText(g, ampName, textBoxBesidePicture(25, pictureArea));
        }
    }
}

void HMQFileProgButton::itemDropped(const SourceDetails& details)
{
    m_DragOver = false;
    updateBackground();
    if ((unsigned int) (m_ProgramNumber - firstFile) > 32u)
        return;

    const int source = DragAndDropDefinitions::getDragValue(details.description);
    const bool fromEditBuffer = DragAndDropDefinitions::getDragId(details.description) == CurrentProgramDataDragID;
    auto* dataCenter = LibrarianAccess::getDataCenter();
    if (dataCenter != nullptr && (fromEditBuffer || (source >= 0 && source <= lastProgram))
        && ProgramRecordCopy::intoFileSlot(*dataCenter, m_FileNumber, m_Slot, source, fromEditBuffer))
    {
        // A file slot never reaches the amplifier: this sends nothing.
        if (auto* midi = LibrarianAccess::getMidiManager())
            midi->sendProgDumpOut(m_ProgramNumber);
        RenewButtonSetting();
        updateBackground();
    }

    LibrarianAccess::broadcastChange();
    if (auto* page = dynamic_cast<HMQLibFileComponent*>(getParentComponent()))
    {
        // Switched on silently: the one click below selects it.
        setToggleState(true, juce::dontSendNotification);
        page->buttonClicked(this);
    }
}
