#include "GUI/AudioEQ/AudioEQEditComponent.h"

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "DataCenter/OrvaDataCenter.h"
#include "GUI/AudioEQ/RSAudioEQFunctionButton.h"
#include "GUI/AudioEQ/RSDraggableFRCurveComponent.h"
#include "GUI/AudioEQ/RSFrequencyResponseAxisComponent.h"
#include "GUI/Editor/EditTarget.h"
#include "GUI/Editor/ParamPageSupport.h"
#include "GUI/Shell/OverlayPageForm.h"
#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSLabel.h"
#include "GUI/Widgets/RSReadOnlyTextEditor.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "ParamTable/COrvaAudioEQSectionBase.h"
#include "ParamTable/COrvaGlobalSectionBase.h"
#include "ParamTable/COrvaUserEditSectionBase.h"
#include "UIForm/UIFormIds.h"

namespace
{
constexpr int idCurrentEQ = 0x4400;
constexpr double sampleRate = 44100.0;
constexpr double lowestDb = -24.0;
constexpr double highestDb = 24.0;

int paramIdOf(const juce::Component& c)
{
    return ParamPageSupport::paramIdOf(c);
}
int controlIdOf(const juce::Component& c)
{
    return ParamPageSupport::kindOf(c);
}

bool isKnobCode(int code)
{
    switch (code)
    {
        case 15:
        case 32:
        case 33:
        case 41:
        case 42:
        case 43:
        case 44:
        case 54:
        case 55: return true;
        default: return false;
    }
}

// The knob a value display or label belongs to.
RSKnob* linkedKnobOf(juce::Component& c)
{
    if (auto* display = dynamic_cast<RSReadOnlyTextEditor*>(&c))
        return display->getLinkedKnob();
    if (auto* label = dynamic_cast<RSLabel*>(&c))
        return label->getLinkedKnob();
    return nullptr;
}
} // namespace

AudioEQEditComponent::AudioEQEditComponent()
{
    setWantsKeyboardFocus(true);
}

AudioEQEditComponent::~AudioEQEditComponent()
{
    // The curve belongs to the page: out of the axis pane first, then gone.
    if (axisPane != nullptr)
        std::unique_ptr<RSFrequencyResponseBasePane>(axisPane->releaseChildPane()).reset();
    curve = nullptr;
    axisPane.reset();
    slotButtons.clear(true);
    formWidgets.clear(true);
    okButton.reset();
}

void AudioEQEditComponent::initialize()
{
    backup_curAudioEQ();

    okButton = std::make_unique<juce::TextButton>("OkButton");
    okButton->setButtonText("CLOSE");
    // It draws no focus: a key would close the page unseen.
    RSWidgetSupport::reachByMouseOnly(*okButton);
    addAndMakeVisible(okButton.get());
    okButton->addListener(this);

    scan_parameter();
    scanLinkedComponent();
    renewKnobMinMax();

    // Zero line, left edge, gain grid and frequency grid.
    axisPane = std::make_unique<RSFrequencyResponseAxisComponent>(sampleRate, lowestDb, highestDb, true, true, true, true,
                                                                  juce::Colours::black, juce::Colours::lightgrey,
                                                                  juce::Colours::darkgrey);
    curve = new RSDraggableFRCurveComponent(sampleRate, lowestDb, highestDb);
    axisPane->setChildPane(curve);
    curve->setPartnerPane(axisPane.get());
    addAndMakeVisible(axisPane.get());

    static const char* const texts[] = { "OFF", "EQ 1", "EQ 2", "EQ 3", "EQ 4" };
    for (int slot = -1; slot < 4; ++slot)
        if (auto* button = createSlotButton(slot, texts[slot + 1]))
        {
            slotButtons.add(button);
            addAndMakeVisible(button);
            button->addListener(this);
        }

    renewCurAudioEQSelect();
    setSize(pageWidth, pageHeight);
}

void AudioEQEditComponent::scan_parameter()
{
    OverlayPageForm::scanLayer(
        *this, UIFormLayerId::AudioEQParam, this, this,
        [this](int code, juce::Component& widget) {
            if (code == 100)
            {
                // A label whose text the page fills in.
                auto* label = dynamic_cast<juce::Label*>(&widget);
                if (label == nullptr)
                    return false;
                OverlayPageForm::setUpLabel(*label, code, this);
                label->setText({}, juce::dontSendNotification);
                return true;
            }
            if (code == 12)
            {
                if (auto* editor = dynamic_cast<juce::TextEditor*>(&widget))
                    editor->addListener(this);
                return true;
            }
            if (! isKnobCode(code))
                return false;
            auto* slider = dynamic_cast<juce::Slider*>(&widget);
            if (slider == nullptr)
                return false;
            slider->setScrollWheelEnabled(true);
            slider->addListener(this);
            return true;
        },
        formWidgets);
}

void AudioEQEditComponent::scanLinkedComponent()
{
    // Knobs to their value displays and labels, as on the parameter pages.
    ParamPageSupport::linkChildren(*this);
}

RSAudioEQFunctionButton* AudioEQEditComponent::getSlotButton(int slotIndex) const
{
    for (auto* button : slotButtons)
        if (button->getSlotIndex() == slotIndex)
            return button;
    return nullptr;
}

juce::Component* AudioEQEditComponent::findWidgetByParamId(int paramId) const
{
    for (auto* widget : formWidgets)
        if (paramIdOf(*widget) == paramId)
            return widget;
    return nullptr;
}

bool AudioEQEditComponent::formattedValue(ISection& section, int paramId, int value, juce::String& text)
{
    SParamDesc desc {};
    if (! section.GetParamDesc(paramId, &desc))
        return false;
    text = ParamPageSupport::formatValue(section, paramId, value);
    return true;
}

void AudioEQEditComponent::renewKnobMinMax()
{
    auto* dataCenter = getModelDataCenter();
    if (dataCenter == nullptr)
        return;
    auto& section = dataCenter->getAudioEQSection();
    for (auto* widget : formWidgets)
    {
        const int id = paramIdOf(*widget);
        SParamDesc desc {};
        if (id == -1 || ! section.GetParamDesc(id, &desc))
            continue;
        if (auto* knob = dynamic_cast<RSKnob*>(widget))
        {
            knob->setRSKnobMax(desc.maxValue);
            knob->setRSKnobMin(desc.minValue);
            knob->renewRange();
            // Shown, not written back: the value came from the data centre.
            knob->setValue(section.GetParamI(id), juce::dontSendNotification);
        }
        else if (auto* button = dynamic_cast<juce::Button*>(widget))
        {
            button->setToggleState(section.GetParamI(id) != 0, juce::dontSendNotification);
        }
    }
}

void AudioEQEditComponent::backup_curAudioEQ()
{
    if (auto* dataCenter = getModelDataCenter())
        dataCenter->BackupCurAudioEQBuf();
}

void AudioEQEditComponent::restore_curAudioEQ()
{
    if (auto* dataCenter = getModelDataCenter())
    {
        dataCenter->RestoreCurAudioEQBuf();
        dataCenter->getUserEditSection().FireOnEQCoefChanged();
    }
}

bool AudioEQEditComponent::verify_curAudioEQBuf()
{
    auto* dataCenter = getModelDataCenter();
    if (dataCenter == nullptr)
        return false;
    const auto* current = dataCenter->getCurAudioEQBuf();
    const auto* backup = dataCenter->getBackupAudioEQBuf();
    return current != nullptr && backup != nullptr && std::memcmp(current, backup, (size_t) OrvaDataCenter::audioEQSize) == 0;
}

void AudioEQEditComponent::selectSlotButton(int slotIndex)
{
    if (auto* button = getSlotButton(slotIndex))
        button->setToggleState(true, juce::dontSendNotification);
}

void AudioEQEditComponent::renewCurAudioEQSelect()
{
    auto* dataCenter = getModelDataCenter();
    if (dataCenter == nullptr)
        return;
    const int current = dataCenter->getGlobalSection().GetParamI(idCurrentEQ);
    if (current >= 0 && current <= 4)
        selectSlotButton(current - 1);
}

void AudioEQEditComponent::clickedOkButton()
{
    if (! verify_curAudioEQBuf()
        && ! juce::AlertWindow::showOkCancelBox(juce::MessageBoxIconType::WarningIcon, "EQ is Modified.", "Exit anyway?", " Yes ",
                                                "  No  ", nullptr, nullptr))
        return;
    if (MessageEngine::instance() != nullptr)
        broadcastMessageId(MessageId::AudioEQEditClosed);
}

void AudioEQEditComponent::buttonClicked(juce::Button* button)
{
    if (button == nullptr)
        return;

    if (button == okButton.get())
    {
        clickedOkButton();
        return;
    }

    if (auto* slotButton = dynamic_cast<RSAudioEQFunctionButton*>(button))
    {
        if (slotButton->isDragStarted())
            return;
        const int slot = slotButton->getSlotIndex();
        if (isShowing())
            grabKeyboardFocus();
        slotButton->setToggleState(true, juce::dontSendNotification);
        auto* dataCenter = getModelDataCenter();
        if (dataCenter == nullptr)
            return;
        dataCenter->getGlobalSection().PutParamI(idCurrentEQ, slot + 1);
        const unsigned char* block = slot >= 0 ? dataCenter->getAudioEQBuf(slot) : dataCenter->getInitAudioEQData();
        dataCenter->UpdateCurAudioEQBuf(block);
        dataCenter->BackupCurAudioEQBuf();
        if (auto* host = Host::getInstance())
            if (auto* midi = host->getMidiManager())
                midi->sendChangeMessage();
        return;
    }

    const int id = paramIdOf(*button);
    if (id != -1)
        if (auto* dataCenter = getModelDataCenter())
            dataCenter->getAudioEQSection().PutParamI(id, button->getToggleState() ? 1 : 0);
}

void AudioEQEditComponent::sliderValueChanged(juce::Slider* slider)
{
    if (slider == nullptr)
        return;
    const int id = paramIdOf(*slider);
    if (id == -1)
        return;
    const int value = (int) slider->getValue();
    auto* dataCenter = getModelDataCenter();
    if (dataCenter == nullptr)
        return;
    auto& section = dataCenter->getAudioEQSection();

    if (auto* knob = dynamic_cast<RSKnob*>(slider))
        if (auto* display = dynamic_cast<juce::Label*>(knob->getValueDisplay()))
        {
            juce::String text;
            if (formattedValue(section, id, value, text))
                display->setText(text, juce::sendNotification);
        }

    if (id > 0)
        section.PutParamI(id, value);
}

void AudioEQEditComponent::reloadWidget(juce::Component& widget, ISection& section)
{
    switch (controlIdOf(widget))
    {
        case UIFormControlKind::UnitLabel:
            if (auto* knob = linkedKnobOf(widget))
            {
                SParamDesc desc {};
                const int id = paramIdOf(*knob);
                if (id != -1 && section.GetParamDesc(id, &desc))
                    if (auto* label = dynamic_cast<juce::Label*>(&widget))
                        label->setText(juce::String::fromUTF8(desc.unit != nullptr ? desc.unit : ""), juce::sendNotification);
                widget.repaint();
            }
            break;

        case UIFormControlKind::OnOffSwitch:
            if (auto* button = dynamic_cast<juce::Button*>(&widget))
                button->setToggleState(section.GetParamI(paramIdOf(widget)) != 0, juce::dontSendNotification);
            break;

        case UIFormControlKind::ValueDisplay:
            if (auto* knob = linkedKnobOf(widget))
            {
                const int id = paramIdOf(*knob);
                if (id == -1)
                    break;
                juce::String text;
                if (! formattedValue(section, id, section.GetParamI(id), text))
                    text = {};
                if (auto* label = dynamic_cast<juce::Label*>(&widget))
                    label->setText(text, juce::sendNotification);
            }
            break;

        case UIFormControlKind::Knob:
            if (auto* knob = dynamic_cast<RSKnob*>(&widget))
                knob->setValue(section.GetParamI(paramIdOf(widget)), juce::dontSendNotification);
            break;

        default: break;
    }
}

void AudioEQEditComponent::changeListenerCallback(juce::ChangeBroadcaster*)
{
    if (EditTarget::isBulkTrafficRunning())
        return;
    auto* dataCenter = getModelDataCenter();
    if (dataCenter == nullptr)
        return;
    auto& section = dataCenter->getAudioEQSection();
    for (auto* widget : formWidgets)
        reloadWidget(*widget, section);
}

void AudioEQEditComponent::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    const auto* record = myMessage != nullptr ? myMessage->getRecord() : nullptr;
    if (record == nullptr)
        return;

    const int code = record->id;
    if (code == MessageId::OverlayPageShown)
        return;
    if (code == MessageId::AudioEQCoefsChanged)
    {
        if (curve != nullptr)
            curve->repaint();
        return;
    }

    auto* dataCenter = getModelDataCenter();
    if (dataCenter == nullptr)
        return;

    auto* widget = findWidgetByParamId(record->a);
    if (widget == nullptr)
    {
        // Only the amplifier's own choice of the active EQ moves the slots.
        if (code == MessageId::SectionValueChanged && record->a == idCurrentEQ && record->b == CHGSRC_DEVICE)
        {
            const int current = dataCenter->getGlobalSection().GetParamI(idCurrentEQ);
            if (current >= 0 && current <= 4)
                selectSlotButton(current - 1);
        }
        return;
    }

    auto& section = dataCenter->getAudioEQSection();
    SParamDesc desc {};
    const bool described = section.GetParamDesc(record->a, &desc);
    const int controlId = controlIdOf(*widget);

    switch (code)
    {
        case MessageId::SectionReinitialized:
        case MessageId::SectionParamPropsChanged:
            if (described)
            {
                widget->setVisible((desc.flags & ParamFlags::hidden) == 0);
                widget->setEnabled((desc.flags & ParamFlags::disabled) == 0);
                widget->repaint();
            }
            if (code == MessageId::SectionParamPropsChanged && controlId == UIFormControlKind::OnOffSwitch)
                if (auto* button = dynamic_cast<juce::Button*>(widget))
                    button->setToggleState(section.GetParamI(record->a) != 0, juce::dontSendNotification);
            break;

        case MessageId::SectionValueChanged:
            if (controlId == UIFormControlKind::OnOffSwitch)
            {
                if (auto* button = dynamic_cast<juce::Button*>(widget))
                    button->setToggleState(section.GetParamI(record->a) != 0, juce::dontSendNotification);
            }
            else if (controlId == UIFormControlKind::Knob)
            {
                // The value is already stored (and sent, when it was an edit):
                // the knob only shows it, whatever its source.
                if (auto* knob = dynamic_cast<RSKnob*>(widget))
                    knob->setValue(section.GetParamI(record->a), juce::dontSendNotification);
            }
            break;

        case MessageId::SectionRangeChanged:
            if (auto* knob = dynamic_cast<RSKnob*>(widget); knob != nullptr && controlId == UIFormControlKind::Knob)
            {
                knob->setRSKnobMax(record->c);
                knob->setRSKnobMin(record->b);
                knob->renewRange();
                if (described)
                {
                    const auto name = juce::String::fromUTF8(desc.name != nullptr ? desc.name : "");
                    const auto unit = juce::String::fromUTF8(desc.unit != nullptr ? desc.unit : "");
                    if (auto* label = dynamic_cast<juce::Label*>(knob->getNameLabel()); label != nullptr && name.isNotEmpty())
                        label->setText(name, juce::dontSendNotification);
                    if (auto* label = dynamic_cast<juce::Label*>(knob->getUnitLabel()); label != nullptr && unit.isNotEmpty())
                        label->setText(unit, juce::dontSendNotification);
                    juce::String text;
                    if (auto* display = dynamic_cast<juce::Label*>(knob->getValueDisplay());
                        display != nullptr && formattedValue(section, record->a, section.GetParamI(record->a), text))
                        display->setText(text, juce::dontSendNotification);
                }
            }
            break;

        default: break;
    }
}

void AudioEQEditComponent::paint(juce::Graphics& g)
{
    const auto background = RSWidgetSupport::getImage(getBackgroundImageName());
    if (background.isValid())
        g.drawImageAt(background, 0, 0);
    g.setColour(getLineColour());
    for (int x : { 53, 143, 233, 323, 413 })
        g.drawLine((float) x + 0.5f, 270.0f, (float) x + 0.5f, 506.0f, 1.0f);
}

void AudioEQEditComponent::resized()
{
    const int w = getWidth();
    const int h = getHeight();
    if (axisPane != nullptr)
        axisPane->setBounds(10, 54, w - 20, 200);
    if (okButton != nullptr)
        okButton->setBounds(w - 110, h - 55, 100, 36);
    for (auto* button : slotButtons)
        button->setBounds(90 + 110 * (button->getSlotIndex() + 1), 10, 100, 36);
}
