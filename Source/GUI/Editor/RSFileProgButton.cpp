#include "GUI/Editor/RSFileProgButton.h"

#include "DataCenter/DataCenter.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/LibrarianAccess.h"
#include "GUI/Editor/ProgramNameText.h"
#include "GUI/Editor/ProgramRecordCopy.h"
#include "GUI/Editor/RSLibFileComponentBase.h"
#include "GUI/Widgets/FontLibrary.h"
#include "GUI/Widgets/RSWidgetSupport.h"

RSFileProgButton::RSFileProgButton(juce::Component* owner, int groupId, int ampType, int programNumber, const juce::String& name)
    : LibrarianFileSlotButton(owner, groupId, ampType, programNumber, name),
      m_FileTab((programNumber - 19) / 11),
      m_IndexInTab((programNumber - 19) % 11)
{}

// Read with the file-tab lock held; null while the tab holds no file.
const unsigned char* RSFileProgButton::slotRecord() const
{
    auto* dataCenter = LibrarianAccess::getDataCenter();
    if (dataCenter == nullptr || m_FileTab < 0 || m_FileTab >= dataCenter->getFileCount())
        return nullptr;
    return dataCenter->getFileProgPtr(m_FileTab, m_IndexInTab);
}

void RSFileProgButton::RenewButtonSetting()
{
    if (auto* dataCenter = LibrarianAccess::getDataCenter())
    {
        const juce::ScopedReadLock lock(dataCenter->getFileTabLock());
        if (const int type = ampTypeOf(slotRecord()); type >= 0)
            setAmpType(type);
    }
    setAmpImages(RSWidgetSupport::getImage(getPNGName(m_AmpType)), 1.0f);
}

void RSFileProgButton::paintButton(juce::Graphics& g, bool, bool isButtonDown)
{
    juce::String name;
    bool knownAmp = false, modified = false;
    if (auto* dataCenter = LibrarianAccess::getDataCenter())
    {
        const juce::ScopedReadLock lock(dataCenter->getFileTabLock());
        if (const auto* record = slotRecord())
        {
            const int type = ampTypeOf(record);
            knownAmp = type >= 0;
            if (knownAmp)
                setAmpType(type);
            name = ProgramNameText::fromFileRecord(record);
        }
        modified = m_IndexInTab >= 0 && (dataCenter->getModifiedMask(m_FileTab) & (1 << m_IndexInTab)) != 0;
    }
    setButtonText(name);

    const bool selected = isButtonDown || getToggleState();
    const auto r = juce::Rectangle<int>(1, 1, juce::jmax(getWidth() - 2, 1), juce::jmax(getHeight() - 2, 1)).toFloat();
    g.setColour(selected ? juce::Colour(0x2BF97B00) : juce::Colour(0xFF4F4F4F).withAlpha(0.5f));
    g.fillRect(r);
    if (m_DragOver)
        drawFrame(g, r.reduced(1.0f), juce::Colours::red, 6.0f);
    else if (selected)
        drawFrame(g, r, juce::Colour(0xFFD7891B), 2.0f);

    const juce::Rectangle<int> pictureArea(getWidth() / 3 - 3, 0, getWidth() * 2 / 3, getHeight());
    drawNormalImage(g, pictureArea);

    if (name.isNotEmpty())
    {
        g.setColour(modified ? modifiedNameColour() : juce::Colours::white);
        g.setFont(FontLibrary::named("ProgramNameButton"));
        drawWholeText(g, name, textBoxBesidePicture(5, pictureArea));
    }
    if (knownAmp)
    {
        g.setColour(juce::Colours::white);
        g.setFont(FontLibrary::named("AmpTypeButton"));
        drawWholeText(g, getAmpName(m_AmpType), textBoxBesidePicture(25, pictureArea));
    }
}

void RSFileProgButton::itemDropped(const SourceDetails& details)
{
    m_DragOver = false;
    updateBackground();
    if (m_ProgramNumber < 19 || m_ProgramNumber > 51)
        return;

    const int source = DragAndDropDefinitions::getDragValue(details.description);
    const bool fromEditBuffer = DragAndDropDefinitions::getDragId(details.description) == CurrentProgramDataDragID;
    auto* dataCenter = LibrarianAccess::getDataCenter();
    if (dataCenter != nullptr && (fromEditBuffer || (source >= 0 && source <= 51))
        && ProgramRecordCopy::intoFileSlot(*dataCenter, m_FileTab, m_IndexInTab, source, fromEditBuffer))
    {
        RenewButtonSetting();
        updateBackground();
    }

    LibrarianAccess::broadcastChange();
    if (auto* page = dynamic_cast<RSLibFileComponentBase*>(getParentComponent()))
    {
        // Switched on silently: the one click below selects it.
        setToggleState(true, juce::dontSendNotification);
        page->buttonClicked(this);
    }
}

void RSFileProgButton::setProgramNumber(int programNumber)
{
    m_ProgramNumber = programNumber;
    getProperties().set("PROGID", programNumber);
    m_FileTab = (programNumber - 19) / 11;
    m_IndexInTab = (programNumber - 19) % 11;
}
