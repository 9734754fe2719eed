#include "GUI/HMQ/HMQCustomAmpSectionComponent.h"

#include "Action/MidiManager.h"
#include "GUI/Editor/AmpFXModelModuleDragItem.h"
#include "GUI/HMQ/HMQGuiSupport.h"
#include "GUI/HMQ/RSHMQAmpImage.h"
#include "GUI/Widgets/MyCustomLabel.h"
#include "GUI/Widgets/ValueHolder.h"
#include "HMQ/HMQDataCenter.h"
#include "HMQ/HMQTypeNames.h"
#include "ParamTable/IStringConverter.h"
#include "ParamTable/SParamDesc.h"

namespace
{
const juce::String partialSectionDragId("ProgramPartialSectionDataDragItem");

constexpr int statBright = 0x1;  // the row exists only for amps with a bright switch
constexpr int statNameAlt = 0x2; // the row is named NAME_ALT for amp types 6 and 7

HMQ::CHMQCustomSectionImpl* customSection()
{
    auto* dc = HMQGuiSupport::getDataCenter();
    return dc != nullptr ? &dc->getCustomSection() : nullptr;
}

bool hasBright(int type)
{
    return HMQ::hasBRIGHTparam((HMQ::eAmpType) juce::jlimit(0, HMQ::kNumAmpTypes - 1, type));
}

juce::String ampName(int type)
{
    return HMQ::getAmpTypeName((HMQ::eAmpType) juce::jlimit(0, HMQ::kNumAmpTypes - 1, type));
}

bool usesAltName(int stat, int type)
{
    return (stat & statNameAlt) != 0 && (juce::jlimit(0, HMQ::kNumAmpTypes - 1, type) | 1) == 7;
}

juce::String valueText(const SParamDesc& desc, int value)
{
    if (desc.converter == nullptr)
        return {};
    return juce::String::fromUTF8(desc.converter->Format(value).c_str());
}

int propertyInt(const juce::Component& c, const char* key)
{
    return (int) c.getProperties().getWithDefault(key, -1);
}

// Amp slot rows: the name label's x differs between the slots from row 5 on.
#define HMQ_AMP_GROUP(n, x2, v5, v7)                                               \
    {                                                                              \
        { (int) (0x90000000u + (n)), "", 0, 0, 0, 0, 0, 0, 0 },                    \
            { (int) (0x90000010u + 8u * (n)), "", 10, 0, 70, 14, 80, 30, 0 },      \
            { (int) (0x90000011u + 8u * (n)), "TONE", 10, 15, 75, 14, 80, 30, 2 }, \
            { (int) (0x90000012u + 8u * (n)), "", 10, 30, 75, 14, 80, 30, 0 },     \
            { (int) (0x90000013u + 8u * (n)), "", 10, 45, 70, 14, 80, 30, 1 },     \
            { (int) (0x90000014u + 8u * (n)), "", x2, 0, 70, 14, v5, 30, 0 },      \
            { (int) (0x90000015u + 8u * (n)), "", x2, 15, 70, 14, v5, 30, 0 },     \
            { (int) (0x90000016u + 8u * (n)), "", x2, 30, 70, 14, v7, 40, 0 },     \
        {                                                                          \
            (int) (0x90000017u + 8u * (n)), "", x2, 45, 70, 14, v5, 30, 0          \
        }                                                                          \
    }
} // namespace

const HMQCustomAmpSectionComponent::PidRow HMQCustomAmpSectionComponent::PidPool[3][numRows + 1] = {
    HMQ_AMP_GROUP(0u, 125, 195, 185),
    HMQ_AMP_GROUP(1u, 130, 205, 195),
    HMQ_AMP_GROUP(2u, 130, 200, 190),
};
#undef HMQ_AMP_GROUP

HMQCustomAmpSectionComponent::HMQCustomAmpSectionComponent(const juce::String& name, int width, int height, eSectionType slot)
    : juce::Component(name), m_SectionType(slot), m_Width(width), m_Height(height)
{}

HMQCustomAmpSectionComponent::~HMQCustomAmpSectionComponent()
{
    m_NameLabels.clear();
    m_ValueLabels.clear();
    m_ModelLabel.reset();
    m_Picture.reset();
}

void HMQCustomAmpSectionComponent::initialise()
{
    m_Font = HMQGuiSupport::getFont("AmpParam");
    const int n = juce::jlimit(0, 2, (int) m_SectionType);
    const int H = m_Height;
    auto* section = customSection();
    const int type = section != nullptr ? section->GetParamI(ampTypeId(n)) : 0;

    m_Picture = std::make_unique<RSHMQAmpImage>();
    m_Picture->m_Type = type;
    m_Picture->getProperties().set("TEXT", "Type");
    m_Picture->getProperties().set("ID", idPicture);
    m_Picture->getProperties().set("PARAMID", ampTypeId(n));
    m_Picture->setBounds(0, 0, m_Width, H / 3);
    addAndMakeVisible(m_Picture.get());

    m_ModelLabel = std::make_unique<MyCustomLabel>();
    m_ModelLabel->setFont(m_Font);
    m_ModelLabel->setJustificationType(juce::Justification::left);
    m_ModelLabel->setColour(juce::Label::backgroundColourId, juce::Colours::transparentBlack);
    m_ModelLabel->setColour(juce::Label::textColourId, juce::Colours::white);
    m_ModelLabel->getProperties().set("ID", idModelLabel);
    m_ModelLabel->getProperties().set("PARAMID", ampTypeId(n));
    m_ModelLabel->setText("Model: " + ampName(type), juce::dontSendNotification);
    m_ModelLabel->setBounds(10, H <= 169 ? H - 76 : H - 90, m_Width, 14);
    addAndMakeVisible(m_ModelLabel.get());

    // Small slots show only the picture and the model.
    if (H < 101)
        return;

    for (int row = 1; row <= numRows; ++row)
    {
        const auto& r = PidPool[n][row];
        auto* name = m_NameLabels.add(new MyCustomLabel());
        name->setFont(m_Font);
        name->setJustificationType(juce::Justification::centredLeft);
        name->setColour(juce::Label::backgroundColourId, juce::Colours::transparentBlack);
        name->setColour(juce::Label::textColourId, juce::Colour(0xFFCEA939));
        // Where the table lets a name run into its value box, the name ends
        // at the box and narrows its letters instead of being covered.
        name->setBounds(r.x, H - 62 + r.y, juce::jmin(r.w, r.valueX - r.x), r.h);
        name->setBorderSize({ 1, 5, 1, 1 });
        name->setMinimumHorizontalScale(0.5f);
        auto& np = name->getProperties();
        np.set("ID", idNameLabel);
        np.set("PARAMID", r.paramId);
        np.set("AMP_PARAMID", ampTypeId(n));
        np.set("STAT", r.stat);
        np.set("NAME_ALT", juce::String(r.nameAlt));
        np.set("INDEX", row);

        auto* value = m_ValueLabels.add(new MyCustomLabel());
        value->setFont(m_Font);
        value->setJustificationType(juce::Justification::centredRight);
        value->setColour(juce::Label::backgroundColourId, juce::Colour(0xFF2F2F2F).withAlpha(0.5f));
        value->setColour(juce::Label::textColourId, juce::Colours::white);
        value->setBounds(r.valueX, H - 62 + r.y, r.valueW, r.h);
        auto& vp = value->getProperties();
        vp.set("ID", idValueLabel);
        vp.set("PARAMID", r.paramId);
        vp.set("AMP_PARAMID", ampTypeId(n));
        vp.set("NAME_ALT", juce::String(r.nameAlt));
        vp.set("INDEX", row);

        SParamDesc desc {};
        if (section != nullptr && section->GetParamDesc(r.paramId, &desc))
        {
            auto text = usesAltName(r.stat, type) ? juce::String(r.nameAlt) : juce::String::fromUTF8(desc.name);
            text += ": ";
            const auto unit = juce::String::fromUTF8(desc.unit);
            if (unit.isNotEmpty())
                text += unit;
            name->setText(text, juce::dontSendNotification);
            value->setText(valueText(desc, section->GetParamI(r.paramId)), juce::dontSendNotification);
        }

        addAndMakeVisible(name);
        addAndMakeVisible(value);
        if ((r.stat & statBright) != 0)
        {
            const bool shown = hasBright(type);
            name->setVisible(shown);
            value->setVisible(shown);
        }
    }
}

void HMQCustomAmpSectionComponent::mouseDownByOtherComponent(juce::Component*)
{
    if (auto* listener = dynamic_cast<AnotherComponentListner*>(getParentComponent()))
        listener->mouseDownByOtherComponent(this);
}

void HMQCustomAmpSectionComponent::mouseDown(const juce::MouseEvent&)
{
    if (auto* listener = dynamic_cast<AnotherComponentListner*>(getParentComponent()))
        listener->mouseDownByOtherComponent(this);
}

void HMQCustomAmpSectionComponent::changeListenerCallback(juce::ChangeBroadcaster*)
{
    auto* section = customSection();
    if (section == nullptr)
        return;

    for (auto* child : getChildren())
    {
        const int id = propertyInt(*child, "ID");
        const int pid = propertyInt(*child, "PARAMID");
        SParamDesc desc {};

        if (id == idValueLabel)
        {
            if (pid == -1)
                continue;
            const int ampId = propertyInt(*child, "AMP_PARAMID");
            // Value labels carry no "STAT": the bright rule always applies.
            const bool bright = ampId == -1 || hasBright(section->GetParamI(ampId));
            if (! bright && propertyInt(*child, "INDEX") == 4)
            {
                child->setVisible(false);
                continue;
            }
            if (auto* label = dynamic_cast<juce::Label*>(child))
                if (section->GetParamDesc(pid, &desc))
                {
                    auto text = valueText(desc, section->GetParamI(pid));
                    const auto unit = juce::String::fromUTF8(desc.unit);
                    if (unit.isNotEmpty())
                        text += unit;
                    label->setText(text, juce::sendNotification);
                }
            child->setVisible(true);
        }
        else if (id == idModelLabel)
        {
            if (pid == -1)
                continue;
            if (auto* label = dynamic_cast<juce::Label*>(child))
                label->setText("Model: " + ampName(section->GetParamI(pid)), juce::sendNotification);
        }
        else if (id == idNameLabel)
        {
            const int stat = propertyInt(*child, "STAT");
            int type = -1;
            bool bright = true;
            if ((stat & (statBright | statNameAlt)) != 0)
            {
                const int ampId = propertyInt(*child, "AMP_PARAMID");
                if (ampId != -1)
                {
                    type = section->GetParamI(ampId);
                    bright = hasBright(type);
                }
            }
            if (! bright && propertyInt(*child, "INDEX") == 4)
            {
                child->setVisible(false);
                continue;
            }
            if (pid != -1)
                if (auto* label = dynamic_cast<juce::Label*>(child))
                {
                    juce::String text;
                    if (section->GetParamDesc(pid, &desc))
                        text = usesAltName(stat, type) ? child->getProperties()["NAME_ALT"].toString()
                                                       : juce::String::fromUTF8(desc.name);
                    label->setText(text, juce::sendNotification);
                }
            child->setVisible(true);
        }
        else if (id == idPicture)
        {
            if (auto* picture = dynamic_cast<RSHMQAmpImage*>(child))
                if (pid != -1)
                {
                    picture->m_Type = section->GetParamI(pid);
                    picture->repaint();
                }
        }
    }
}

void HMQCustomAmpSectionComponent::updateBackground()
{
    repaint();
}

bool HMQCustomAmpSectionComponent::isInterestedInDragSource(const SourceDetails& details)
{
    const auto& d = details.description;
    if (! d.isArray() || d.size() < 2)
        return false;
    const auto dragId = d[0].toString();
    return (dragId == partialSectionDragId || dragId == AmpFXModelModuleDragID) && (int) d[1] == 0;
}

void HMQCustomAmpSectionComponent::itemDragEnter(const SourceDetails&)
{
    m_DragHover = true;
    updateBackground();
}

void HMQCustomAmpSectionComponent::itemDragMove(const SourceDetails&)
{
    if (m_DragHover)
        updateBackground();
}

void HMQCustomAmpSectionComponent::itemDragExit(const SourceDetails&)
{
    m_DragHover = false;
    updateBackground();
}

void HMQCustomAmpSectionComponent::itemDropped(const SourceDetails&)
{
    m_DragHover = false;
    updateBackground();
    execCustomAMPWrite((int) m_SectionType);
    updateBackground();
}

bool HMQCustomAmpSectionComponent::execCustomAMPWrite(int n)
{
    if (! HMQGuiSupport::confirm("Write to HM's Custom AMP Setting ?"))
        return false;
    auto* dc = HMQGuiSupport::getDataCenter();
    if (dc == nullptr || ! dc->storeEditPartInCustomSlot(HMQDataCenter::customAmp, n))
        return false;
    if (auto* midi = HMQGuiSupport::getMidiManager())
        midi->sendCustomBufDump(n);
    HMQGuiSupport::sendChangeMessage();
    return true;
}

bool HMQCustomAmpSectionComponent::isSelectedInParent() const
{
    auto* holder = dynamic_cast<const ValueHolder<eSectionType>*>(getParentComponent());
    return holder != nullptr && holder->m_Flag && holder->m_Value == m_SectionType;
}

void HMQCustomAmpSectionComponent::paint(juce::Graphics& g)
{
    g.fillAll(juce::Colour(0xFF4F4F4F));
    if (isSelectedInParent())
    {
        g.setColour(juce::Colour(0x00F97B00).withAlpha(0.5f));
        g.fillRect(1, 1, getWidth() - 2, getHeight() - 2);
    }
    if (m_DragHover)
    {
        g.setColour(juce::Colours::red);
        g.drawRect(2, 2, getWidth() - 4, getHeight() - 4, 6);
    }
    if (m_Height >= 69 && getName().isNotEmpty())
    {
        g.setFont(HMQGuiSupport::getFont("CustomSmall"));
        g.setColour(juce::Colours::white);
        g.drawText(getName(), 2, 2, 200, 14, juce::Justification::centredLeft);
    }
}
