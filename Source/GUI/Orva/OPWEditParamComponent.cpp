#include "GUI/Orva/OPWEditParamComponent.h"

#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Catalog/CatalogComponent.h"
#include "GUI/Editor/EditTarget.h"
#include "GUI/Editor/EditorComponent.h"
#include "GUI/Editor/ParamPageSupport.h"
#include "GUI/Orva/OPWValueParamAmpComponent.h"
#include "GUI/Orva/OPWValueParamPedal1Component.h"
#include "GUI/Orva/OPWValueParamPedal2Component.h"
#include "GUI/Orva/RSOrvaPWAmpImageButton.h"
#include "GUI/Orva/RSOrvaPWPedal1FXImageButton.h"
#include "GUI/Orva/RSOrvaPWPedal2FXImageButton.h"
#include "GUI/Widgets/RSComboBox.h"
#include "GUI/Widgets/RSDraggableImageButton.h"
#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSLabel.h"
#include "GUI/Widgets/RSReadOnlyTextEditor.h"
#include "GUI/Widgets/RSToggleSwitch.h"
#include "ParamTable/COrvaUserEditSectionBase.h"
#include "UIForm/UIFormIds.h"
#include "UIForm/UIFormManager.h"
#include "UIForm/UI_FORM_Utils.h"
#include "ZEZEResource.h"

namespace
{
constexpr int idAmpType = 0x300;
constexpr int idPedal1Type = 0x301;
constexpr int idPedal2Type = 0x302;
constexpr int idPedal1On = 0x201;
constexpr int idPedal2On = 0x202;
constexpr int slideMs = 500;
constexpr int pageY = 197;
constexpr int pageHeight = 143;

bool inRange(int a, int low, int high) noexcept
{
    return a >= low && a <= high;
}

// The module a parameter belongs to, -1 for none; `passOn` tells whether
// its value event also concerns the value pages.
int moduleOfValueParam(int a, bool& passOn) noexcept
{
    passOn = false;
    if (inRange(a, idAmpType, idPedal2Type))
        return a - idAmpType;
    passOn = true;
    if (inRange(a, 0x400, 0x404))
        return 0;
    if (inRange(a, 0x500, 0x506))
        return 1;
    if (inRange(a, 0x600, 0x606))
        return 2;
    passOn = false;
    return -1;
}

bool isAreaParam(int a) noexcept
{
    return a == idPedal1On || a == idPedal2On || inRange(a, idAmpType, idPedal2Type) || inRange(a, 0x400, 0x404)
           || inRange(a, 0x500, 0x506) || inRange(a, 0x600, 0x606);
}
} // namespace

OPWEditParamComponent::OPWEditParamComponent(int width, int height) : EditParamComponent(width, height)
{}

OPWEditParamComponent::~OPWEditParamComponent()
{
    m_Animator.cancelAllAnimations(false);
    m_ValuePages.clear(true);
    stopTimer();
}

RSImageButton* OPWEditParamComponent::getAmpPicture() const noexcept
{
    return m_AmpButton;
}
RSImageButton* OPWEditParamComponent::getPedal1Picture() const noexcept
{
    return m_Pedal1Button;
}
RSImageButton* OPWEditParamComponent::getPedal2Picture() const noexcept
{
    return m_Pedal2Button;
}

RSImageButton* OPWEditParamComponent::pedalPicture(int module) const noexcept
{
    if (module == 1)
        return m_Pedal1Button;
    if (module == 2)
        return m_Pedal2Button;
    return nullptr;
}

void OPWEditParamComponent::mouseDown(const juce::MouseEvent& e)
{
    EditParamComponent::mouseDown(e);
    ResetTouchDownMemory();
}

void OPWEditParamComponent::ResetTouchDownMemory()
{
    for (auto* picture : { (RSImageButton*) m_AmpButton, (RSImageButton*) m_Pedal1Button, (RSImageButton*) m_Pedal2Button })
        if (picture != nullptr)
            picture->m_TouchDown = true;
}

void OPWEditParamComponent::initialise()
{
    scanUIForm();
    scanLinkedComponent();
    for (int module = 0; module < 3; ++module)
        m_ValuePages.add(createValuePage(module, m_Width, pageHeight));
    for (auto* page : m_ValuePages)
    {
        addChildComponent(page);
        page->initialise();
        page->setBounds(0, pageY, m_Width, pageHeight);
        page->setVisible(false);
    }
    repaint();
}

int OPWEditParamComponent::pictureModuleOfClass(int classCode) const
{
    switch (classCode)
    {
        case 86:
        case 87: return 0; // "imgbtn_amp_orvapw", "imgbtn_amp_small_orvapw"
        case 88: return 1; // "imgbtn_pedal1_orvapw"
        case 89: return 2; // "imgbtn_pedal2_orvapw"
        default: return -1;
    }
}

OPWValueParamBaseComponent* OPWEditParamComponent::createValuePage(int module, int width, int height)
{
    if (module == 1)
        return new OPWValueParamPedal1Component(this, width, height);
    if (module == 2)
        return new OPWValueParamPedal2Component(this, width, height);
    return new OPWValueParamAmpComponent(this, width, height);
}

void OPWEditParamComponent::scanUIForm()
{
    auto* manager = UIFormManager::GetInstance();
    const auto* layer = manager != nullptr ? manager->GetLayerFormInfoById(UIFormLayerId::EditParam) : nullptr;
    if (layer == nullptr || layer->children == nullptr || layer->childCount <= 0)
        return;
    auto* section = EditTarget::orvaEditSection();

    for (int i = 0; i < layer->childCount; ++i)
    {
        const auto& item = layer->children[i];
        const int code = UI_FORM_Utils::GetItemClassInt(item);
        if (item.id == UIFormControlKind::Hidden || code < 0 || code > 100)
            continue;
        std::unique_ptr<juce::Component> widget(UI_FORM_Utils::CreateControl(this, item));
        if (widget == nullptr)
            continue;

        SParamDesc desc {};
        const bool haveDesc = section != nullptr && item.paramId != -1 && section->GetParamDesc(item.paramId, &desc);
        bool add = true;

        if (code == 0 || code == 56 || code == 57 || code == 100)
        {
            if (auto* label = dynamic_cast<juce::Label*>(widget.get()))
            {
                label->addListener(this);
                if (code == 100)
                    label->setText({}, juce::dontSendNotification);
            }
        }
        else if (code == 11)
        {
            if (auto* button = dynamic_cast<juce::Button*>(widget.get()))
            {
                button->addListener(this);
                button->setClickingTogglesState(true);
            }
        }
        else if (code == 12)
        {
            if (auto* editor = dynamic_cast<juce::TextEditor*>(widget.get()))
            {
                editor->setReadOnly(haveDesc && (desc.flags & 0x8u) != 0);
                editor->addListener(this);
            }
        }
        else if (code == 13)
        {
            // A read-only value display: shown as made.
        }
        else if (code == 14 || code == 96 || code == 97 || code == 99)
        {
            if (auto* combo = dynamic_cast<RSComboBox*>(widget.get()))
            {
                combo->addListener(this);
                ParamPageSupport::fillCombo(*combo, haveDesc ? &desc : nullptr, code != 14);
            }
        }
        else if (code == 15 || inRange(code, 23, 38) || inRange(code, 43, 49) || inRange(code, 58, 60))
        {
            if (auto* slider = dynamic_cast<juce::Slider*>(widget.get()))
            {
                slider->setScrollWheelEnabled(true);
                slider->addListener(this);
            }
        }
        else if (inRange(code, 78, 81) || inRange(code, 90, 92))
        {
            // An image: shown as made.
        }
        else if (pictureModuleOfClass(code) >= 0)
        {
            auto* picture = dynamic_cast<RSImageButton*>(widget.get());
            if (picture == nullptr)
                continue;
            picture->addListener(this);
            const int module = pictureModuleOfClass(code);
            if (module == 0)
                m_AmpButton = picture;
            else if (module == 1)
                m_Pedal1Button = picture;
            else
                m_Pedal2Button = picture;
            if (module != 0)
            {
                const auto& props = picture->getProperties();
                const int x = props.getWithDefault(UIFormProperty::X, -1);
                const int y = props.getWithDefault(UIFormProperty::Y, -1);
                const int w = props.getWithDefault(UIFormProperty::Width, -1);
                const int h = props.getWithDefault(UIFormProperty::Height, -1);
                if (x >= 0 && y >= 0)
                {
                    picture->m_OnBounds = { x, y, w, h };
                    picture->m_OffBounds = { x, y - 45, w, h };
                }
            }
        }
        else
            add = false;

        if (add)
            addAndMakeVisible(widget.release());
    }
}

void OPWEditParamComponent::scanLinkedComponent()
{
    ParamPageSupport::linkChildren(*this);
}

void OPWEditParamComponent::writeParam(int paramId, int value)
{
    if (auto* section = EditTarget::orvaEditSection())
        section->PutParamIEx(paramId, value, EditTarget::editWriteFlags(), CHGSRC_CONTROL);
}

void OPWEditParamComponent::repaintPictures()
{
    for (auto* picture : { (juce::Component*) m_AmpButton, (juce::Component*) m_Pedal1Button, (juce::Component*) m_Pedal2Button })
        if (picture != nullptr)
            picture->repaint();
}

void OPWEditParamComponent::selectModule(int module)
{
    m_PrevSelectedModule = m_SelectedModule;
    m_SelectedModule = module;
    if (m_PrevSelectedModule != m_SelectedModule)
        repaintPictures();
}

void OPWEditParamComponent::showPage(int module)
{
    m_ShownPage = module;
    for (int i = 0; i < m_ValuePages.size(); ++i)
        m_ValuePages[i]->setVisible(i == module);
}

void OPWEditParamComponent::passOn(const juce::Message& message)
{
    for (auto* page : m_ValuePages)
        page->handleMessageSub(message);
}

void OPWEditParamComponent::animateTo(RSImageButton* picture, juce::Rectangle<int> target)
{
    if (picture == nullptr)
        return;
    m_Animator.animateComponent(picture, target, 1.0f, slideMs, false, 0.0, 0.0);
}

void OPWEditParamComponent::buttonClicked(juce::Button* button)
{
    if (button == nullptr)
        return;
    const int pid = button->getProperties().getWithDefault(UIFormProperty::ParamId, -1);
    auto* section = EditTarget::orvaEditSection();

    if (pid == idPedal1On || pid == idPedal2On)
    {
        if (section == nullptr)
            return;
        const int module = pid == idPedal1On ? 1 : 2;
        const int old = section->GetParamI(pid);
        const int now = old == 0 ? 1 : 0;
        writeParam(pid, now);
        button->setToggleState(now != 0, juce::dontSendNotification);
        if (auto* picture = pedalPicture(module))
            animateTo(picture, old != 0 ? picture->m_OffBounds : picture->m_OnBounds);
        if (module == 2 && pedal2SwitchSelectsCatalog())
            section->FireOnCatalogSelect(2);
        const int previous = m_SelectedModule;
        m_PrevSelectedModule = m_SelectedModule;
        m_SelectedModule = module;
        if (previous != m_SelectedModule)
            repaint();
        return;
    }
    if (dynamic_cast<RSImageButton*>(button) != nullptr)
        return;
    if (pid != -1)
        writeParam(pid, button->getToggleState() ? 1 : 0);
}

void OPWEditParamComponent::sliderValueChanged(juce::Slider* slider)
{
    if (slider == nullptr)
        return;
    const int value = (int) slider->getValue();
    const int pid = slider->getProperties().getWithDefault(UIFormProperty::ParamId, -1);
    if (pid == -1)
        return;
    if (auto* knob = dynamic_cast<RSKnob*>(slider))
        if (auto* display = dynamic_cast<juce::Label*>(knob->getValueDisplay()))
            if (auto* section = EditTarget::orvaEditSection())
            {
                SParamDesc desc {};
                if (section->GetParamDesc(pid, &desc))
                    display->setText(ParamPageSupport::formatValue(*section, pid, value), juce::sendNotification);
            }
    if (pid > 0)
        writeParam(pid, value);
}

void OPWEditParamComponent::comboBoxChanged(juce::ComboBox* combo)
{
    if (combo == nullptr)
        return;
    const int selected = combo->getSelectedId();
    const int pid = combo->getProperties().getWithDefault(UIFormProperty::ParamId, -1);
    // Nothing selected (id 0) is no value.
    if (selected != 0 && pid > 0)
    {
        const int value = (unsigned char) (selected - 1);
        if (auto* section = EditTarget::orvaEditSection())
            if (value != section->GetParamI(pid))
                writeParam(pid, value);
    }
    repaint();
    if (auto* rsCombo = dynamic_cast<RSComboBox*>(combo))
        if (auto* picture = rsCombo->getLinkedPicture())
            picture->repaint();
}

void OPWEditParamComponent::mouseDownByOtherComponent(juce::Component* component)
{
    if (component == nullptr || component == this)
        return;
    auto* picture = dynamic_cast<RSImageButton*>(component);
    if (picture == nullptr)
        return;
    auto* section = EditTarget::orvaEditSection();
    const int module = picture->getModuleIndex();
    if (module != m_SelectedModule)
    {
        stopTimer();
        if (section != nullptr && module >= 0 && module <= 2)
            section->FireOnCatalogSelect(module);
    }
    else
    {
        m_PrevSelectedModule = m_SelectedModule;
        picture->m_TouchDown = false;
    }
    if (section != nullptr)
        section->FireOnROMSubTabMove(false);
}

void OPWEditParamComponent::movePedalTo(RSImageButton* picture, int value)
{
    if (picture == nullptr)
        return;
    const auto target = value == 0 ? picture->m_OffBounds : picture->m_OnBounds;
    if (picture->getY() != target.getY())
    {
        if (m_Animator.getComponentDestination(picture) != target)
            animateTo(picture, target);
    }
    else if (m_Animator.isAnimating(picture) && m_Animator.getComponentDestination(picture) != target)
        m_Animator.cancelAnimation(picture, false);
}

bool OPWEditParamComponent::switchPedalByDrag(int module, juce::Point<int> pointer, bool dropped)
{
    auto* picture = pedalPicture(module);
    if (picture == nullptr || picture->m_OnBounds.isEmpty())
        return false;
    const int onOffId = module == 1 ? idPedal1On : idPedal2On;
    const auto px = picture->getX();
    const auto py = picture->getY();
    const int pw = picture->getWidth();
    const int ph = picture->getHeight();
    const bool insideX = px < pointer.x && pointer.x < px + pw;
    const bool isOn = py == picture->m_OnBounds.getY();
    const bool isOff = py == picture->m_OffBounds.getY();
    const bool animating = m_Animator.isAnimating(picture);
    auto* section = EditTarget::orvaEditSection();
    if (section == nullptr)
        return false;

    if (dropped)
    {
        if (isOn && pointer.y < py && insideX)
        {
            if (animating)
                return false;
            animateTo(picture, picture->m_OffBounds);
            section->PutParamIEx(onOffId, 0, EditTarget::editWriteFlags(), CHGSRC_CONTROL);
            return true;
        }
        if (isOff && pointer.y > py + ph && insideX)
        {
            if (animating)
                return false;
            animateTo(picture, picture->m_OnBounds);
            section->PutParamIEx(onOffId, 1, EditTarget::editWriteFlags(), CHGSRC_CONTROL);
            return true;
        }
        return false;
    }

    if (! insideX || ! (picture->m_OffBounds.getY() < pointer.y && pointer.y < picture->m_OnBounds.getY() + ph))
        return false;
    // The pointer's entry point in this area's coordinates, like the pointer.
    int entryY = picture->getY();
    if (auto* draggable = dynamic_cast<RSDraggableImageButton*>(picture))
        entryY += draggable->getEntryY();
    const int sensitivity = m_DragOnOffSensitivity;

    if (isOn && pointer.y < m_SignalChainY && entryY - pointer.y > sensitivity && ! animating
        && m_Animator.getComponentDestination(picture) != picture->m_OffBounds)
    {
        picture->repaint();
        animateTo(picture, picture->m_OffBounds);
        section->PutParamIEx(onOffId, 0, EditTarget::editWriteFlags(), CHGSRC_CONTROL);
        return true;
    }
    if (! isOn && isOff && pointer.y > py + ph && pointer.y - entryY > sensitivity && ! animating
        && m_Animator.getComponentDestination(picture) != picture->m_OnBounds)
    {
        picture->repaint();
        animateTo(picture, picture->m_OnBounds);
        section->PutParamIEx(onOffId, 1, EditTarget::editWriteFlags(), CHGSRC_CONTROL);
        return true;
    }
    return false;
}

void OPWEditParamComponent::itemDragMove(const SourceDetails& details)
{
    if (m_DragOver && details.description.isArray() && details.description.size() >= 2)
    {
        const int module = details.description[1];
        if ((module == 1 || module == 2) && switchPedalByDrag(module, details.localPosition.toInt(), false))
        {
            if (auto* page = m_ValuePages[module])
            {
                page->repaint();
                page->setVisible(module == m_ShownPage);
            }
        }
    }
    updateBackground();
}

void OPWEditParamComponent::itemDropped(const SourceDetails& details)
{
    m_DragOver = false;
    if (details.description.isArray() && details.description.size() >= 2)
    {
        const int module = details.description[1];
        if (module == 1 || module == 2)
            switchPedalByDrag(module, details.localPosition.toInt(), true);
    }
    updateBackground();
}

void OPWEditParamComponent::handleMessageSub(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr || myMessage->getRecord() == nullptr)
        return;
    const auto& record = *myMessage->getRecord();
    const int id = record.id;
    const int a = record.a;

    if (id == MessageId::SectionReinitialized)
    {
        auto* page = dynamic_cast<EditorComponent*>(getParentComponent());
        auto* catalog = page != nullptr ? page->getCatalog() : nullptr;
        if (catalog != nullptr && catalog->getCurrentKind() != m_ShownPage)
            showPage(catalog->getCurrentKind());
    }
    else if (id == MessageId::CatalogSelect)
    {
        if (a < 0 || a > 2)
            return;
        if (m_ShownPage != a || m_SelectedModule != a)
        {
            showPage(a);
            selectModule(a);
        }
        return;
    }

    auto* section = EditTarget::orvaEditSection();
    if (section == nullptr)
        return;

    juce::Component* target = nullptr;
    if (a >= 0)
        for (auto* child : getChildren())
            if (ParamPageSupport::paramIdOf(*child) == a)
            {
                target = child;
                break;
            }

    if (! isAreaParam(a) && target == nullptr)
    {
        passOn(message);
        return;
    }

    if (a == idPedal1On || a == idPedal2On)
    {
        if (id == MessageId::SectionParamPropsChanged || id == MessageId::SectionValueChanged)
        {
            movePedalTo(pedalPicture(a == idPedal1On ? 1 : 2), section->GetParamI(a));
            passOn(message);
        }
        return;
    }

    SParamDesc desc {};
    switch (id)
    {
        case MessageId::SectionReinitialized:
            if (target != nullptr && section->GetParamDesc(a, &desc))
            {
                target->setVisible((desc.flags & 0x4u) == 0);
                target->setEnabled((desc.flags & 0x2u) == 0);
                target->repaint();
            }
            return;

        case MessageId::SectionParamPropsChanged:
            if (target != nullptr && section->GetParamDesc(a, &desc))
            {
                target->setVisible((desc.flags & 0x4u) == 0);
                target->setEnabled((desc.flags & 0x2u) == 0);
                target->repaint();
            }
            if (a == 0x100 || inRange(a, 0x400, 0x409) || inRange(a, 0x500, 0x506) || inRange(a, 0x600, 0x606))
                passOn(message);
            return;

        case MessageId::SectionValueChanged:
        {
            const int value = section->GetParamI(a);
            bool marked = false;
            const int module = moduleOfValueParam(a, marked);
            if (module >= 0)
            {
                const int previous = m_SelectedModule;
                m_PrevSelectedModule = previous;
                m_SelectedModule = module;
                m_ShownPage = module;
                if (previous != module)
                    repaintPictures();
            }
            for (int i = 0; i < m_ValuePages.size(); ++i)
                m_ValuePages[i]->setVisible(i == m_ShownPage);

            const int kind = target != nullptr ? ParamPageSupport::kindOf(*target) : -1;
            if (kind == UIFormControlKind::TypePicker)
            {
                auto* picture = dynamic_cast<RSImageButton*>(target);
                if (picture != nullptr && inRange(picture->getModuleIndex(), 0, 2))
                {
                    picture->setType(value);
                    repaint();
                    passOn(message);
                    return;
                }
            }
            else if (target != nullptr)
            {
                OPWValueParamBaseComponent::showValue(*target, kind, value, record.b == CHGSRC_DEVICE);
            }
            if (marked)
                passOn(message);
            return;
        }

        case MessageId::SectionRangeChanged:
        {
            const int kind = target != nullptr ? ParamPageSupport::kindOf(*target) : -1;
            if (kind == -1)
            {
                passOn(message);
                return;
            }
            auto* knob = dynamic_cast<RSKnob*>(target);
            if (kind != UIFormControlKind::Knob || knob == nullptr)
                return;
            knob->setRSKnobMax(record.c);
            knob->setRSKnobMin(record.b);
            knob->renewRange();
            knob->setValue(section->GetParamI(a), juce::dontSendNotification);
            if (! section->GetParamDesc(a, &desc))
                return;
            const juce::String name = juce::String::fromUTF8(desc.name != nullptr ? desc.name : "");
            const juce::String unit = juce::String::fromUTF8(desc.unit != nullptr ? desc.unit : "");
            if (auto* label = dynamic_cast<juce::Label*>(knob->getNameLabel()); label != nullptr && name.isNotEmpty())
            {
                label->setText(name, juce::sendNotification);
                label->repaint();
            }
            if (auto* label = dynamic_cast<juce::Label*>(knob->getUnitLabel()); label != nullptr && unit.isNotEmpty())
            {
                label->setText(unit, juce::sendNotification);
                label->repaint();
            }
            if (auto* display = dynamic_cast<juce::Label*>(knob->getValueDisplay()))
                display->setText(ParamPageSupport::formatValue(*section, a, section->GetParamI(a)), juce::sendNotification);
            const juce::String key = juce::String::fromUTF8(desc.tooltip != nullptr ? desc.tooltip : "");
            if (key.isNotEmpty())
            {
                const auto text = getLocalizedString(key);
                if (text.isNotEmpty())
                    knob->setTooltip(text);
            }
            return;
        }

        default: return;
    }
}

void OPWEditParamComponent::changeListenerCallback(juce::ChangeBroadcaster* source)
{
    if (EditTarget::isBulkTrafficRunning())
        return;
    auto* section = EditTarget::orvaEditSection();
    if (section == nullptr)
        return;
    for (auto* child : getChildren())
        if (m_ValuePages.indexOf(dynamic_cast<OPWValueParamBaseComponent*>(child)) < 0)
            ParamPageSupport::refreshChild(*child, *section);
    for (int i = 0; i < m_ValuePages.size(); ++i)
        m_ValuePages[i]->changeListenerCallbackSub(source, i == m_ShownPage);
}
