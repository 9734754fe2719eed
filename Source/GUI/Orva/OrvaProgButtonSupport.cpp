#include "GUI/Orva/OrvaProgButtonSupport.h"

#include "Action/MidiManager.h"
#include "DataCenter/OrvaDataCenter.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/LibrarianAccess.h"
#include "GUI/Editor/ParamPageSupport.h"
#include "GUI/Editor/ProgramNameText.h"
#include "GUI/Editor/ProgramRecordCopy.h"
#include "GUI/Editor/RSLibFileComponentBase.h"
#include "GUI/Editor/RSProgSelectButton.h"
#include "GUI/Editor/WriteConfirmation.h"
#include "GUI/Widgets/FontLibrary.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "ParamTable/COrvaUserEditSectionBase.h"

namespace
{
constexpr int idAmpType = 0x300;
constexpr int manualMode = 2;
const juce::Colour idleFill = juce::Colour(0xFF4F4F4F).withAlpha(0.5f);

void drawText(juce::Graphics& g, const juce::String& text, int x, int y, int w, int h)
{
    if (text.isNotEmpty())
        g.drawText(text, x, y, w, h, juce::Justification::centredLeft, true);
}
} // namespace

const OrvaProgButtonSupport::Look& OrvaProgButtonSupport::orvaPWLook()
{
    static const Look look { juce::Colour(0x2BC5C5C6), juce::Colour(0xFFC5C5C6), 40, "Write to Orva PW's User Program ?" };
    return look;
}

int OrvaProgButtonSupport::userIndexOf(int programNumber)
{
    switch (LibrarianAccess::getModelId())
    {
        case 0: return programNumber - 11;
        case 1: return programNumber - 60;
        default: return programNumber;
    }
}

const OrvaProgButtonSupport::Look& OrvaProgButtonSupport::orvaKXLook()
{
    static const Look look { juce::Colour(0x2BCEA939), juce::Colour(0xFFCEA939), 44, "Write to Orva KX's User Program ?" };
    return look;
}

void OrvaProgButtonSupport::updateAmpType(RSProgSelectButton& button, const unsigned char* record)
{
    auto* dataCenter = LibrarianAccess::getOrvaDataCenter();
    if (record == nullptr || dataCenter == nullptr)
        return;
    const int type = ParamPageSupport::readFromRecord(dataCenter->getUserEditSection(), idAmpType, record);
    if (type >= 0)
        button.setAmpType(type);
}

// --- User slots ----------------------------------------------------------------

void OrvaProgButtonSupport::paintUserButton(RSProgSelectButton& button, juce::Graphics& g, bool isButtonDown, int userIndex,
                                            const Look& look)
{
    const unsigned char* record = nullptr;
    int mode = 0;
    if (auto* dataCenter = LibrarianAccess::getDataCenter())
    {
        record = dataCenter->getRAMProgPtr(userIndex);
        updateAmpType(button, record);
        mode = dataCenter->GetMode();
    }

    const bool selected = isButtonDown || button.getToggleState();
    const int w = button.getWidth(), h = button.getHeight();
    const juce::Rectangle<float> fill(1.0f, 1.0f, (float) (w - 2), (float) (h - 2));

    g.setColour(mode != manualMode && selected ? look.selectedFill : idleFill);
    g.fillRect(fill);

    if (button.isDragOver())
        RSProgSelectButton::drawFrame(g, fill.reduced(1.0f), juce::Colours::red, 6.0f);
    else if (mode != manualMode && selected)
        RSProgSelectButton::drawFrame(g, fill, look.selectedFrame, 2.0f);

    button.paintImages(g, button.isMouseOverButton(), isButtonDown);

    g.setColour(juce::Colours::white);
    g.setFont(FontLibrary::named("ProgramNameButton"));
    const auto label = button.getButtonText();
    const auto name = ProgramNameText::fromRecord(record);
    if (h - 2 < look.compactBelow)
    {
        drawText(g, label, 4, 4, 24, 20);
        drawText(g, name, 32, 4, w - 40, 20);
    }
    else if (h - 2 < 56)
    {
        drawText(g, label, 4, 4, 24, 20);
        drawText(g, name, 4, 20, w - 8, 20);
    }
    else
    {
        drawText(g, label, 4, 4, 200, 20);
        drawText(g, name, 4, 24, w - 8, 20);
    }
}

void OrvaProgButtonSupport::dropOnUserSlot(RSProgSelectButton& button, const SourceDetails& details, const Look& look)
{
    button.m_DragOver = false;
    button.updateBackground();
    LibrarianAccess::settleProgramDrop();
    const int destination = button.getProgramNumber();
    if (! WriteConfirmation::confirm(look.writeQuestion))
        return;
    auto dragId = DragAndDropDefinitions::getDragId(details.description);
    afterDropExecute(destination, DragAndDropDefinitions::getDragValue(details.description), dragId);
}

void OrvaProgButtonSupport::afterDropExecute(int destination, int source, const juce::String& dragId)
{
    auto* dataCenter = LibrarianAccess::getDataCenter();
    if (destination < 0 || destination >= 8 || dataCenter == nullptr)
        return;

    const bool fromEditBuffer = dragId == CurrentProgramDataDragID;
    // Sources from 32 up (and slots of tabs without a file) copy nothing.
    if ((fromEditBuffer || (source >= 0 && source < 32))
        && ProgramRecordCopy::intoUserSlot(*dataCenter, destination, source, fromEditBuffer))
    {
        if (auto* midi = LibrarianAccess::getMidiManager())
            midi->sendProgDumpOut(destination);
    }
    LibrarianAccess::selectUserSlot(destination);
}

// --- File slots ------------------------------------------------------------------

const unsigned char* OrvaProgButtonSupport::fileRecord(int file, int index)
{
    auto* dataCenter = LibrarianAccess::getDataCenter();
    if (dataCenter == nullptr || file < 0 || file >= dataCenter->getFileCount())
        return nullptr;
    return dataCenter->getFileProgPtr(file, index);
}

void OrvaProgButtonSupport::renewFileButton(RSProgSelectButton& button, int file, int index, const Look& look)
{
    if (auto* dataCenter = LibrarianAccess::getDataCenter())
    {
        const juce::ScopedReadLock lock(dataCenter->getFileTabLock());
        updateAmpType(button, fileRecord(file, index));
    }
    button.setAmpImages(RSWidgetSupport::getImage(button.getPNGName(button.getAmpType())), 1.0f);
}

void OrvaProgButtonSupport::paintFileButton(RSProgSelectButton& button, juce::Graphics& g, bool isButtonDown, int file, int index,
                                            const Look& look)
{
    juce::String name;
    bool modified = false;
    if (auto* dataCenter = LibrarianAccess::getDataCenter())
    {
        const juce::ScopedReadLock lock(dataCenter->getFileTabLock());
        const auto* record = fileRecord(file, index);
        updateAmpType(button, record);
        name = ProgramNameText::fromFileRecord(record);
        modified = index >= 0 && index < 31 && (dataCenter->getModifiedMask(file) & (1 << index)) != 0;
    }
    button.setButtonText(name);

    const bool selected = isButtonDown || button.getToggleState();
    const auto fill =
        juce::Rectangle<int>(1, 1, juce::jmax(button.getWidth() - 2, 1), juce::jmax(button.getHeight() - 2, 1)).toFloat();
    g.setColour(selected ? look.selectedFill : idleFill);
    g.fillRect(fill);
    if (button.isDragOver())
        RSProgSelectButton::drawFrame(g, fill, juce::Colours::red, 6.0f);
    else if (selected)
        RSProgSelectButton::drawFrame(g, fill, look.selectedFrame, 2.0f);

    const int w = button.getWidth(), h = button.getHeight();
    button.drawNormalImage(g, { w / 3, 0, 2 * w / 3, h });

    g.setColour(modified ? RSProgSelectButton::modifiedNameColour() : juce::Colours::white);
    g.setFont(FontLibrary::named("ProgramNameButton"));
    drawText(g, name, 4, 20, 200, 20);
}

void OrvaProgButtonSupport::dropOnFileSlot(RSProgSelectButton& button, const SourceDetails& details, const Look&)
{
    button.m_DragOver = false;
    button.updateBackground();
    LibrarianAccess::settleProgramDrop();
    const int p = button.getProgramNumber();
    if (p < 8 || p > 31)
        return;

    const int source = DragAndDropDefinitions::getDragValue(details.description);
    const bool fromEditBuffer = DragAndDropDefinitions::getDragId(details.description) == CurrentProgramDataDragID;
    auto* dataCenter = LibrarianAccess::getDataCenter();
    if (dataCenter != nullptr && (fromEditBuffer || (source >= 0 && source < 32))
        && ProgramRecordCopy::intoFileSlot(*dataCenter, (p - 8) / 8, (p - 8) % 8, source, fromEditBuffer))
    {
        button.RenewButtonSetting();
        button.updateBackground();
    }

    LibrarianAccess::broadcastChange();
    if (auto* page = dynamic_cast<RSLibFileComponentBase*>(button.getParentComponent()))
    {
        // Switched on silently: the one click below selects it, so the
        // amplifier hears of it once.
        button.setToggleState(true, juce::dontSendNotification);
        page->buttonClicked(&button);
    }
}
