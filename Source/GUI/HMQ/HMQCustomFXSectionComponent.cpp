#include "GUI/HMQ/HMQCustomFXSectionComponent.h"

#include "Action/MidiManager.h"
#include "GUI/Editor/AmpFXModelModuleDragItem.h"
#include "GUI/HMQ/HMQFXLabel.h"
#include "GUI/HMQ/HMQGuiSupport.h"
#include "GUI/HMQ/RSHMQPedal1Image.h"
#include "GUI/HMQ/RSHMQPedal2Image.h"
#include "GUI/HMQ/RSHMQRevImage.h"
#include "GUI/Widgets/ValueHolder.h"
#include "HMQ/HMQDataCenter.h"
#include "ParamTable/IStringConverter.h"
#include "ParamTable/SParamDesc.h"

namespace
{
constexpr int programTypeId[4] = { 768, 769, 770, 772 }; // by custom kind

HMQ::CHMQCustomSectionImpl* customSection()
{
    auto* dc = HMQGuiSupport::getDataCenter();
    return dc != nullptr ? &dc->getCustomSection() : nullptr;
}

// The custom kind of a variation: 1 pedal 1, 2 pedal 2, 3 reverb.
int customKindOfVariation(int kind)
{
    return 1 + kind / 4;
}

juce::String valueText(HMQ::CHMQCustomSectionImpl& section, int id, bool& found)
{
    SParamDesc desc {};
    found = section.GetParamDesc(id, &desc);
    if (! found || desc.converter == nullptr)
        return {};
    return juce::String::fromUTF8(desc.converter->Format(section.GetParamI(id)).c_str());
}
} // namespace

const HMQCustomFXSectionComponent::PidRow HMQCustomFXSectionComponent::PidPool[numKinds][numRows] = {
    // pedal 1: COMP, CHORUS, OVERDRIVE, DISTORTION
    { { (int) 0x90000028, 59 },
      { (int) 0x90000029, 125 },
      { (int) 0x9000002A, 191 },
      { (int) 0x9000002B, 257 },
      { -1, 0 },
      { -1, 0 } },
    { { (int) 0x9000002C, 59 },
      { (int) 0x9000002D, 125 },
      { (int) 0x9000002E, 191 },
      { (int) 0x9000002F, 257 },
      { (int) 0x90000030, 323 },
      { (int) 0x90000031, 389 } },
    { { (int) 0x90000032, 59 },
      { (int) 0x90000033, 125 },
      { (int) 0x90000034, 191 },
      { (int) 0x90000035, 257 },
      { (int) 0x90000036, 323 },
      { (int) 0x90000037, 389 } },
    { { (int) 0x90000038, 59 },
      { (int) 0x90000039, 125 },
      { (int) 0x9000003A, 191 },
      { (int) 0x9000003B, 257 },
      { (int) 0x9000003C, 323 },
      { (int) 0x9000003D, 389 } },
    // pedal 2: FLANGER, PHASER, TREMOLO, DELAY
    { { (int) 0x9000003E, 59 },
      { (int) 0x9000003F, 125 },
      { (int) 0x90000040, 191 },
      { (int) 0x90000041, 257 },
      { (int) 0x90000042, 323 },
      { (int) 0x90000043, 389 } },
    { { (int) 0x90000044, 59 },
      { (int) 0x90000045, 125 },
      { (int) 0x90000046, 191 },
      { (int) 0x90000047, 257 },
      { -1, 0 },
      { -1, 0 } },
    { { (int) 0x90000048, 59 },
      { (int) 0x90000049, 125 },
      { (int) 0x9000004A, 191 },
      { (int) 0x9000004B, 257 },
      { (int) 0x9000004C, 323 },
      { -1, 0 } },
    { { (int) 0x9000004D, 59 },
      { (int) 0x9000004E, 125 },
      { (int) 0x9000004F, 191 },
      { (int) 0x90000050, 257 },
      { (int) 0x90000051, 323 },
      { (int) 0x90000052, 389 } },
    // reverb: ROOM, SPRING, HALL, PLATE
    { { (int) 0x90000053, 94 },
      { (int) 0x90000054, 160 },
      { (int) 0x90000055, 226 },
      { (int) 0x90000056, 292 },
      { (int) 0x90000057, 358 },
      { -1, 0 } },
    { { (int) 0x90000058, 94 },
      { (int) 0x90000059, 160 },
      { (int) 0x9000005A, 226 },
      { (int) 0x9000005B, 292 },
      { (int) 0x9000005C, 358 },
      { -1, 0 } },
    { { (int) 0x9000005D, 94 },
      { (int) 0x9000005E, 160 },
      { (int) 0x9000005F, 226 },
      { (int) 0x90000060, 292 },
      { (int) 0x90000061, 358 },
      { -1, 0 } },
    { { (int) 0x90000062, 94 },
      { (int) 0x90000063, 160 },
      { (int) 0x90000064, 226 },
      { (int) 0x90000065, 292 },
      { (int) 0x90000066, 358 },
      { -1, 0 } },
};

int HMQCustomFXSectionComponent::customKindOfModule(int module)
{
    static constexpr int kinds[4] = { 0, 1, 3, 2 };
    return juce::isPositiveAndBelow(module, 4) ? kinds[module] : -1;
}

int HMQCustomFXSectionComponent::variationOfType(int customKind, int type)
{
    static constexpr int pedal1[10] = { 0, 1, 2, 2, 2, 2, 3, 3, 3, 3 };
    static constexpr int pedal2[7] = { 4, 5, 5, 5, 6, 7, 7 };
    switch (customKind)
    {
        case 1: return juce::isPositiveAndBelow(type, 10) ? pedal1[type] : -1;
        case 2: return juce::isPositiveAndBelow(type, 7) ? pedal2[type] : -1;
        case 3: return juce::isPositiveAndBelow(type, 4) ? 8 + type : -1;
        default: return -1;
    }
}

HMQCustomFXSectionComponent::HMQCustomFXSectionComponent(const juce::String& name, int width, int height, eSectionType kind)
    : juce::Component(name), m_Kind(kind), m_Width(width), m_Height(height)
{}

HMQCustomFXSectionComponent::~HMQCustomFXSectionComponent()
{
    m_Labels.clear();
    m_Picture.reset();
}

juce::Colour HMQCustomFXSectionComponent::labelColour() const
{
    return isParentSelected(false) ? juce::Colours::white : juce::Colours::darkgrey;
}

void HMQCustomFXSectionComponent::initialise()
{
    if (! juce::isPositiveAndBelow(m_Kind, numKinds))
        return;
    auto* section = customSection();
    const int type = section != nullptr ? section->GetParamI(typeId(m_Kind)) : 0;

    if (m_Kind < 4)
        m_Picture = std::make_unique<RSHMQPedal1Image>();
    else if (m_Kind < 8)
        m_Picture = std::make_unique<RSHMQPedal2Image>();
    else
        m_Picture = std::make_unique<RSHMQRevImage>();
    m_Picture->m_Type = type;
    m_Picture->getProperties().set("TEXT", "Type");
    m_Picture->getProperties().set("ID", idPicture);
    m_Picture->getProperties().set("PARAMID", typeId(m_Kind));
    m_Picture->setBounds(pictureX, pictureY, pictureW, m_Height);
    addAndMakeVisible(m_Picture.get());

    const auto colour = labelColour();
    const auto font = HMQGuiSupport::getFont("CustomLarge");
    for (const auto& row : PidPool[m_Kind])
    {
        if (row.paramId == -1)
            continue;
        auto* label = m_Labels.add(new HMQFXLabel());
        label->setColour(juce::Label::backgroundColourId, juce::Colours::transparentBlack);
        label->setColour(juce::Label::textColourId, colour);
        label->setJustificationType(juce::Justification::left);
        label->getProperties().set("ID", idValueLabel);
        label->getProperties().set("PARAMID", row.paramId);
        label->setBounds(row.x, 2, 60, 20);
        label->setFont(font);
        if (section != nullptr)
        {
            bool found = false;
            const auto text = valueText(*section, row.paramId, found);
            if (found)
                label->setText(text, juce::dontSendNotification);
        }
        addAndMakeVisible(label);
        label->setBoundsToFit({ row.x, 2, 60, m_Height }, juce::Justification::centredLeft, false);
    }
}

bool HMQCustomFXSectionComponent::isParentSelected(bool requireFlag) const
{
    auto* holder = dynamic_cast<const ValueHolder<int>*>(getParentComponent());
    if (holder == nullptr || (requireFlag && ! holder->m_Flag) || m_Kind > 11)
        return false;
    return holder->m_Value == m_Kind % 4;
}

void HMQCustomFXSectionComponent::update()
{
    const auto colour = labelColour();
    for (auto* label : m_Labels)
        label->setColour(juce::Label::textColourId, colour);
    repaint();
}

void HMQCustomFXSectionComponent::changeListenerCallback(juce::ChangeBroadcaster*)
{
    auto* section = customSection();
    if (section == nullptr)
        return;
    for (auto* child : getChildren())
    {
        const int id = (int) child->getProperties().getWithDefault("ID", -1);
        const int pid = (int) child->getProperties().getWithDefault("PARAMID", -1);
        if (id == idPicture)
        {
            const auto index = (juce::uint32) pid - 0x90000003u;
            if (index < 12u)
                if (auto* picture = dynamic_cast<RSImage*>(child))
                {
                    picture->m_Type = section->GetParamI(pid);
                    picture->repaint();
                }
        }
        else if (id == idValueLabel && pid != -1)
        {
            if (auto* label = dynamic_cast<juce::Label*>(child))
            {
                bool found = false;
                const auto text = valueText(*section, pid, found);
                if (found)
                {
                    label->setColour(juce::Label::textColourId, labelColour());
                    label->setText(text, juce::sendNotification);
                }
            }
        }
    }
}

void HMQCustomFXSectionComponent::mouseDownByOtherComponent(juce::Component*)
{
    if (auto* listener = dynamic_cast<AnotherComponentListner*>(getParentComponent()))
        listener->mouseDownByOtherComponent(this);
}

void HMQCustomFXSectionComponent::mouseDown(const juce::MouseEvent&)
{
    if (auto* listener = dynamic_cast<AnotherComponentListner*>(getParentComponent()))
        listener->mouseDownByOtherComponent(this);
}

void HMQCustomFXSectionComponent::updateBackground()
{
    repaint();
}

bool HMQCustomFXSectionComponent::isInterestedInDragSource(const SourceDetails& details)
{
    auto* dc = HMQGuiSupport::getDataCenter();
    const auto& d = details.description;
    if (dc == nullptr || ! d.isArray() || d.size() < 2 || d[0].toString() != AmpFXModelModuleDragID)
        return false;
    const int kind = customKindOfModule((int) d[1]);
    if (kind < 1 || kind != customKindOfVariation(m_Kind))
        return false;
    const int type = dc->getUserEditSection().GetParamI(programTypeId[kind]);
    return variationOfType(kind, type) == m_Kind;
}

void HMQCustomFXSectionComponent::itemDragEnter(const SourceDetails&)
{
    m_DragHover = true;
    updateBackground();
}

void HMQCustomFXSectionComponent::itemDragMove(const SourceDetails&)
{
    if (m_DragHover)
        updateBackground();
}

void HMQCustomFXSectionComponent::itemDragExit(const SourceDetails&)
{
    m_DragHover = false;
    updateBackground();
}

void HMQCustomFXSectionComponent::itemDropped(const SourceDetails&)
{
    m_DragHover = false;
    updateBackground();
    execCustomFXWrite(m_Kind);
    updateBackground();
}

bool HMQCustomFXSectionComponent::execCustomFXWrite(int kind)
{
    if (! juce::isPositiveAndBelow(kind, numKinds))
        return false;
    if (! HMQGuiSupport::confirm("Write to HM's Custom FX Setting ?"))
        return false;
    auto* dc = HMQGuiSupport::getDataCenter();
    const int slot = kind % 4;
    if (dc == nullptr || ! dc->storeEditPartInCustomSlot(customKindOfVariation(kind), slot))
        return false;
    if (auto* midi = HMQGuiSupport::getMidiManager())
        midi->sendCustomBufDump(slot);
    HMQGuiSupport::sendChangeMessage();
    return true;
}

void HMQCustomFXSectionComponent::paint(juce::Graphics& g)
{
    if (isParentSelected(true))
        g.fillAll(juce::Colour(0x00F97B00).withAlpha(0.5f));
    else
        g.fillAll(juce::Colour(0x001F1F1F).withAlpha(0.7f));
    if (m_DragHover)
    {
        g.setColour(juce::Colours::red);
        g.drawRect(2, 2, getWidth() - 4, getHeight() - 4, 6);
    }
    if (getName().isNotEmpty())
    {
        g.setFont(HMQGuiSupport::getFont("ProgramNameButton"));
        g.setColour(juce::Colours::white);
        g.drawText(getName(), 2, 2, 200, 14, juce::Justification::centredLeft);
    }
}
