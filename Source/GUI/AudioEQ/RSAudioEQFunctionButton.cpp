#include "GUI/AudioEQ/RSAudioEQFunctionButton.h"

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "DWQ/DWQ_PrefsDefine.h"
#include "DataCenter/OrvaDataCenter.h"
#include "GUI/AudioEQ/AudioEQDataDragItem.h"
#include "GUI/Editor/WriteConfirmation.h"
#include "GUI/Widgets/SelectButtonSupport.h"

#include <cstdlib>

namespace
{
const juce::Identifier audioEQIdProperty { "AUDIOEQID" };
}

RSAudioEQFunctionButton::RSAudioEQFunctionButton(juce::Component* ownerComponent, int groupId, int slot, const juce::String& text)
    : juce::ImageButton(text), owner(ownerComponent), slotIndex(slot)
{
    setButtonText(text);
    SelectButtonSupport::setUp(*this, groupId);
    getProperties().set(audioEQIdProperty, slotIndex);
    RenewButtonSetting();
}

void RSAudioEQFunctionButton::updateBackground()
{
    SelectButtonSupport::repaintBackground(*this);
}

void RSAudioEQFunctionButton::paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown)
{
    SelectButtonSupport::paintBackground(*this, g, isButtonDown || getToggleState(), fillColour, frameColour, dropHover);
    juce::ImageButton::paintButton(g, isMouseOver, isButtonDown);
    SelectButtonSupport::paintText(*this, g);
}

void RSAudioEQFunctionButton::mouseEnter(const juce::MouseEvent& e)
{
    hover = true;
    updateBackground();
    dragStarted = false;
    dragX = e.x;
    dragY = e.y;
    juce::ImageButton::mouseEnter(e);
}

void RSAudioEQFunctionButton::mouseExit(const juce::MouseEvent& e)
{
    hover = false;
    updateBackground();
    juce::ImageButton::mouseExit(e);
}

void RSAudioEQFunctionButton::mouseDown(const juce::MouseEvent& e)
{
    juce::ImageButton::mouseDown(e);
}

void RSAudioEQFunctionButton::mouseDrag(const juce::MouseEvent& e)
{
    if (dragStarted)
    {
        updateBackground();
        return;
    }
    auto* container = juce::DragAndDropContainer::findParentDragContainerFor(this);
    if (container == nullptr || std::abs(e.x - dragX) + std::abs(e.y - dragY) < m_DragSensitivity)
        return;
    container->startDragging(AudioEQDataDragItem(AudioEQDataDragID, slotIndex), this, juce::ScaledImage());
    dragStarted = true;
    updateBackground();
}

void RSAudioEQFunctionButton::mouseUp(const juce::MouseEvent& e)
{
    juce::ImageButton::mouseUp(e);
    dragStarted = false;
    updateBackground();
}

bool RSAudioEQFunctionButton::isInterestedInDragSource(const SourceDetails& details)
{
    if (slotIndex < 0)
        return false;
    const auto* items = details.description.getArray();
    if (items == nullptr || items->size() < 2)
        return false;
    const auto id = (*items)[0].toString();
    if (id == CurrentAudioEQDataDragID)
        return true;
    if (id == AudioEQDataDragID)
    {
        const int number = (*items)[1];
        return number >= 0 && number <= 3 && details.sourceComponent.get() != this;
    }
    return false;
}

void RSAudioEQFunctionButton::itemDragEnter(const SourceDetails&)
{
    dropHover = true;
    updateBackground();
}

void RSAudioEQFunctionButton::itemDragMove(const SourceDetails&)
{
    if (dropHover)
        updateBackground();
}

void RSAudioEQFunctionButton::itemDragExit(const SourceDetails&)
{
    dropHover = false;
    updateBackground();
}

void RSAudioEQFunctionButton::itemDropped(const SourceDetails& details)
{
    dropHover = false;
    updateBackground();

    const auto* items = details.description.getArray();
    if (items == nullptr || items->size() < 2)
        return;
    if (! WriteConfirmation::confirm(getConfirmationText(), WriteConfirmation::eqToggleText, DWQ::PreferencesUserEQWriteComfirm))
        return;
    afterDropExecute(slotIndex, (int) (*items)[1], (*items)[0].toString());
}

void RSAudioEQFunctionButton::afterDropExecute(int slot, int number, const juce::String& dragId)
{
    if (slot < 0 || slot >= OrvaDataCenter::numAudioEQSlots)
        return;
    auto* dataCenter = getModelDataCenter();
    if (dataCenter == nullptr)
        return;

    const bool storingCurrent = dragId == CurrentAudioEQDataDragID;
    unsigned char* source = storingCurrent ? dataCenter->getCurAudioEQBuf() : dataCenter->getAudioEQBuf(number);
    if (source == nullptr)
        return;
    dataCenter->setAudioEQBuf(source, slot);

    auto* host = Host::getInstance();
    auto* midi = host != nullptr ? host->getMidiManager() : nullptr;
    if (midi != nullptr)
        midi->sendAudioEQDump(slot);

    // Only a store of the EQ being edited makes it the page's reference: a
    // copy between slots leaves the unstored edits marked as modified.
    if (storingCurrent)
        dataCenter->BackupCurAudioEQBuf();

    if (midi != nullptr)
        midi->sendChangeMessage();
}
