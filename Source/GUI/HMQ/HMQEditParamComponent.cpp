#include "GUI/HMQ/HMQEditParamComponent.h"

#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Catalog/CatalogComponent.h"
#include "GUI/Editor/AmpFXModelModuleDragItem.h"
#include "GUI/Editor/EditorComponent.h"
#include "GUI/HMQ/HMQEditSupport.h"
#include "GUI/HMQ/HMQFormWiring.h"
#include "GUI/HMQ/HMQValueParamAmpComponent.h"
#include "GUI/HMQ/HMQValueParamPedal1Component.h"
#include "GUI/HMQ/HMQValueParamPedal2Component.h"
#include "GUI/HMQ/HMQValueParamReverbComponent.h"
#include "GUI/Widgets/RSComboBox.h"
#include "GUI/Widgets/RSDraggableImageButton.h"
#include "GUI/Widgets/RSImage.h"
#include "GUI/Widgets/RSKnob.h"
#include "GUI/Widgets/RSLabel.h"
#include "GUI/Widgets/RSReadOnlyTextEditor.h"
#include "GUI/Widgets/RSTextEditor.h"
#include "ParamTable/HMQ/CHMQCustomSectionImpl.h"
#include "ParamTable/HMQ/CHMQUserEditSectionImpl.h"
#include "UIForm/UIFormIds.h"
#include "UIForm/UIFormManager.h"
#include "UIForm/UI_FORM_Utils.h"

#include <cmath>

const HMQEditParamComponent::Module HMQEditParamComponent::modules[numModules] = {
    { 768, -1, 0, 0x400, 0x404 },
    { 769, 513, 1, 0x500, 0x501 },
    { 772, 516, 3, 0x800, 0x801 },
    { 770, 514, 2, 0x600, 0x601 },
};

namespace
{
constexpr int kAnimationMs = 500;
} // namespace

HMQEditParamComponent::HMQEditParamComponent(int width, int height) : EditParamComponent(width, height)
{}

HMQEditParamComponent::~HMQEditParamComponent()
{
    // The value pages are owned by their array, not by the child list.
    for (auto* page : m_ValuePages)
        removeChildComponent(page);
    m_ValuePages.clear();
}

int HMQEditParamComponent::moduleOfOnOff(int paramId)
{
    for (int m = 0; m < numModules; ++m)
        if (modules[m].onOffId != -1 && modules[m].onOffId == paramId)
            return m;
    return -1;
}

int HMQEditParamComponent::moduleOfType(int paramId)
{
    for (int m = 0; m < numModules; ++m)
        if (modules[m].typeId == paramId)
            return m;
    return -1;
}

int HMQEditParamComponent::moduleOfSelectId(int paramId) const
{
    for (int m = 0; m < numModules; ++m)
        if (paramId == modules[m].typeId || (paramId >= modules[m].firstSelectId && paramId <= modules[m].lastSelectId))
            return m;
    return -1;
}

RSImageButton* HMQEditParamComponent::getModulePicture(int module) const
{
    return module >= 0 && module < numModules ? m_Pictures[module] : nullptr;
}

HMQValueParamBaseComponent* HMQEditParamComponent::getValuePage(int module) const
{
    return module >= 0 && module < m_ValuePages.size() ? m_ValuePages[module] : nullptr;
}

void HMQEditParamComponent::initialise()
{
    scanUIForm();
    scanLinkedComponent();

    m_ValuePages.add(new HMQValueParamAmpComponent(this, m_Width, valuePageHeight));
    m_ValuePages.add(new HMQValueParamPedal1Component(this, m_Width, valuePageHeight));
    m_ValuePages.add(new HMQValueParamReverbComponent(this, m_Width, valuePageHeight));
    m_ValuePages.add(new HMQValueParamPedal2Component(this, m_Width, valuePageHeight));
    for (auto* page : m_ValuePages)
    {
        addChildComponent(page);
        page->initialise();
        page->setBounds(0, valuePageY, m_Width, valuePageHeight);
        page->setVisible(false);
    }
    repaint();
}

void HMQEditParamComponent::scanUIForm()
{
    auto* forms = UIFormManager::GetInstance();
    const auto* layer = forms != nullptr ? forms->GetLayerFormInfoById(UIFormLayerId::EditParam) : nullptr;
    if (layer == nullptr || layer->childCount <= 0 || layer->children == nullptr)
        return;

    for (int i = 0; i < layer->childCount; ++i)
    {
        const auto& item = layer->children[i];
        if (item.id == UIFormControlKind::Hidden)
            continue;
        const int code = UI_FORM_Utils::GetItemClassInt(item);
        std::unique_ptr<juce::Component> widget(UI_FORM_Utils::CreateControl(this, item));
        if (widget == nullptr)
            continue;

        bool keep = true;
        if (code == 0 || code == 56 || code == 100)
        {
            if (auto* label = dynamic_cast<juce::Label*>(widget.get()))
            {
                if (code == 100)
                    label->setText({}, juce::dontSendNotification);
                label->addListener(this);
            }
        }
        else if (code == 11)
        {
            if (auto* button = dynamic_cast<juce::Button*>(widget.get()))
            {
                button->setClickingTogglesState(true);
                button->addListener(this);
            }
        }
        else if (code == 12)
        {
            if (auto* editor = dynamic_cast<RSTextEditor*>(widget.get()))
            {
                SParamDesc desc {};
                if (HMQFormWiring::getDesc(item.paramId, desc))
                    editor->setReadOnly((desc.flags & 0x8u) != 0);
                editor->addListener(this);
            }
        }
        else if (code == 13)
        {}
        else if (code == 14 || code == 96 || code == 97 || code == 99)
        {
            if (auto* box = dynamic_cast<RSComboBox*>(widget.get()))
            {
                box->addListener(this);
                HMQFormWiring::fillComboBox(*box, item.paramId, code != 14);
            }
            else
                keep = false;
        }
        else if (code == 15 || (code >= 23 && code <= 31) || (code >= 58 && code <= 60))
        {
            if (auto* slider = dynamic_cast<juce::Slider*>(widget.get()))
            {
                slider->setScrollWheelEnabled(true);
                slider->addListener(this);
            }
        }
        else if (code >= 73 && code <= 77)
        {
            auto* picture = dynamic_cast<RSImageButton*>(widget.get());
            if (picture == nullptr)
                keep = false;
            else
            {
                const int module = (code == 73 || code == 74) ? 0 : (code == 75 ? 1 : (code == 76 ? 3 : 2));
                m_Pictures[module] = picture;
                if (module != 0 && item.x >= 0 && item.y >= 0)
                {
                    picture->m_OnBounds = { item.x, item.y, item.width, item.height };
                    picture->m_OffBounds = picture->m_OnBounds.translated(0, -offLift);
                    m_HasPlaces[module] = true;
                }
                picture->addListener(this);
            }
        }
        else if ((code >= 78 && code <= 81) || code == 90 || code == 91)
        {}
        else
            keep = false;

        if (keep)
            addAndMakeVisible(widget.release());
    }
}

void HMQEditParamComponent::scanLinkedComponent()
{
    HMQFormWiring::linkByText(*this);
}

void HMQEditParamComponent::changeListenerCallback(juce::ChangeBroadcaster* source)
{
    if (HMQEditSupport::isBulkTransferRunning())
        return;
    for (auto* child : getChildren())
        if (m_ValuePages.indexOf(dynamic_cast<HMQValueParamBaseComponent*>(child)) < 0)
            HMQFormWiring::refresh(*child);
    for (int k = 0; k < m_ValuePages.size(); ++k)
        m_ValuePages[k]->changeListenerCallbackSub(source, m_CurrentValuePage == k);
}

void HMQEditParamComponent::setCurrentModule(int module)
{
    if (module == m_SelectedModule)
        return;
    m_PrevSelectedModule = m_SelectedModule;
    m_SelectedModule = module;
    for (auto* picture : m_Pictures)
        if (picture != nullptr)
            picture->repaint();
    repaint();
}

void HMQEditParamComponent::showValuePage(int module)
{
    m_CurrentValuePage = module;
    for (int k = 0; k < m_ValuePages.size(); ++k)
        m_ValuePages[k]->setVisible(k == module);
}

bool HMQEditParamComponent::isHeadingFor(RSImageButton* picture, juce::Rectangle<int> target)
{
    return m_Animator.isAnimating(picture) && m_Animator.getComponentDestination(picture).getPosition() == target.getPosition();
}

void HMQEditParamComponent::animateTo(RSImageButton* picture, juce::Rectangle<int> target)
{
    m_Animator.animateComponent(picture, target.withSize(picture->getWidth(), picture->getHeight()), 1.0f, kAnimationMs, false,
                                0.0, 0.0);
}

void HMQEditParamComponent::movePicture(int module, bool on)
{
    auto* picture = getModulePicture(module);
    if (picture == nullptr || ! hasPlaces(module))
        return;
    const auto target = on ? picture->m_OnBounds : picture->m_OffBounds;
    if (picture->getY() == target.getY())
    {
        if (m_Animator.isAnimating(picture) && ! isHeadingFor(picture, target))
            m_Animator.cancelAnimation(picture, false);
        return;
    }
    if (! isHeadingFor(picture, target))
        animateTo(picture, target);
}

void HMQEditParamComponent::buttonClicked(juce::Button* button)
{
    if (button == nullptr)
        return;
    const int id = HMQFormWiring::getParamId(*button);
    const int module = moduleOfOnOff(id);
    if (module >= 0)
    {
        auto* section = HMQEditSupport::getUserEditSection();
        if (section == nullptr)
            return;
        const int was = section->GetParamI(id);
        const int now = was == 0 ? 1 : 0;
        HMQEditSupport::write(id, now, CHGSRC_CONTROL);
        button->setToggleState(now != 0, juce::dontSendNotification);
        movePicture(module, now != 0);
        section->FireOnCatalogSelect(module);
        setCurrentModule(module);
        return;
    }
    // A picture selects its module on the press.
    if (dynamic_cast<RSImageButton*>(button) != nullptr)
        return;
    if (id != -1)
        HMQEditSupport::write(id, button->getToggleState() ? 1 : 0, CHGSRC_CONTROL);
}

void HMQEditParamComponent::sliderValueChanged(juce::Slider* slider)
{
    if (slider == nullptr)
        return;
    const int id = HMQFormWiring::getParamId(*slider);
    if (id == -1)
        return;
    const int value = (int) std::trunc(slider->getValue());
    if (auto* knob = dynamic_cast<RSKnob*>(slider))
        if (auto* display = dynamic_cast<juce::Label*>(knob->getValueDisplay()))
            display->setText(HMQFormWiring::formatValue(id, value), juce::sendNotification);
    if (id > 0)
        HMQEditSupport::write(id, value, CHGSRC_CONTROL);
}

void HMQEditParamComponent::comboBoxChanged(juce::ComboBox* box)
{
    if (box == nullptr)
        return;
    const int id = HMQFormWiring::getParamId(*box);
    const int selected = box->getSelectedId();
    // A box with nothing selected has no value to write.
    if (id > 0 && selected > 0)
    {
        const int value = (selected - 1) & 255;
        auto* section = HMQEditSupport::getUserEditSection();
        if (section != nullptr && value != section->GetParamI(id))
            HMQEditSupport::write(id, value, CHGSRC_CONTROL);
    }
    repaint();
}

void HMQEditParamComponent::handToValuePages(const juce::Message& message)
{
    for (auto* page : m_ValuePages)
        page->handleMessageSub(message);
}

void HMQEditParamComponent::handleMessageSub(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    auto* record = myMessage != nullptr ? myMessage->getRecord() : nullptr;
    if (record == nullptr)
        return;
    const int code = record->id;
    const int id = record->a;

    if (code == MessageId::SectionReinitialized)
    {
        auto* editor = dynamic_cast<EditorComponent*>(getParentComponent());
        auto* catalog = editor != nullptr ? editor->getCatalog() : nullptr;
        if (catalog != nullptr && catalog->getCurrentKind() != m_CurrentValuePage)
            showValuePage(catalog->getCurrentKind());
    }
    else if (code == MessageId::CatalogSelect)
    {
        // A module outside the chain selects nothing.
        if (id < 0 || id >= numModules)
            return;
        showValuePage(id);
        setCurrentModule(id);
    }

    auto* target = id >= 0 ? HMQFormWiring::findByParamId(*this, id) : nullptr;
    const int onOffModule = moduleOfOnOff(id);
    const int typeModule = moduleOfType(id);

    if (target == nullptr)
    {
        if (typeModule < 0 && onOffModule < 0)
        {
            handToValuePages(message);
            return;
        }
        if (code != MessageId::SectionParamPropsChanged && code != MessageId::SectionValueChanged)
            return;
        if (typeModule >= 0)
        {
            setCurrentModule(typeModule);
            return;
        }
        auto* section = HMQEditSupport::getUserEditSection();
        if (section != nullptr)
            movePicture(onOffModule, section->GetParamI(id) != 0);
        handToValuePages(message);
        return;
    }

    switch (code)
    {
        case MessageId::SectionReinitialized:
        case MessageId::SectionParamPropsChanged: HMQFormWiring::applyProps(*target, id); break;

        case MessageId::SectionValueChanged:
        {
            const int selectModule = moduleOfSelectId(id);
            // A type change brings its module's page with it, so that the
            // page shown and the module in focus stay the same.
            if (typeModule >= 0)
                m_CurrentValuePage = typeModule;
            showValuePage(m_CurrentValuePage);
            if (selectModule >= 0)
                setCurrentModule(selectModule);

            bool handOn = selectModule >= 0 && typeModule < 0;
            if (HMQFormWiring::getControlId(*target) == UIFormControlKind::TypePicker)
            {
                auto* picture = dynamic_cast<RSImageButton*>(target);
                if (picture != nullptr && picture->getModuleIndex() >= 0 && picture->getModuleIndex() < numModules)
                {
                    picture->setType(HMQFormWiring::getValue(id));
                    repaint();
                }
                handOn = true;
            }
            else
                HMQFormWiring::applyValue(*target, id, record->b);
            if (handOn)
                handToValuePages(message);
            break;
        }

        case MessageId::SectionRangeChanged: HMQFormWiring::applyRange(*target, id, record->b, record->c); break;

        default: break;
    }
}

void HMQEditParamComponent::mouseDownByOtherComponent(juce::Component* component)
{
    auto* picture = dynamic_cast<RSImageButton*>(component);
    if (component == this || picture == nullptr)
        return;
    auto* section = HMQEditSupport::getUserEditSection();
    if (section == nullptr)
        return;
    if (picture->getModuleIndex() != m_SelectedModule)
        section->FireOnCatalogSelect(picture->getModuleIndex());
    else
    {
        m_PrevSelectedModule = m_SelectedModule;
        picture->m_TouchDown = false;
    }
    section->FireOnROMSubTabMove(false);
}

void HMQEditParamComponent::mouseDown(const juce::MouseEvent& e)
{
    EditParamComponent::mouseDown(e);
    ResetTouchDownMemory();
}

void HMQEditParamComponent::ResetTouchDownMemory()
{
    for (auto* picture : m_Pictures)
        if (picture != nullptr)
            picture->m_TouchDown = true;
}

int HMQEditParamComponent::dragModule(const SourceDetails& details)
{
    const auto& description = details.description;
    if (! description.isArray() || description.size() < 2 || description[0].toString() != AmpFXModelModuleDragID
        || ! description[1].isInt())
        return -1;
    return (int) description[1];
}

void HMQEditParamComponent::fireCustomTabOpen(int kind, bool open)
{
    if (auto* custom = HMQEditSupport::getCustomSection())
        custom->FireOnCustomTabOpen(kind, open);
}

void HMQEditParamComponent::itemDragMove(const SourceDetails& details)
{
    if (! m_DragOver)
        return;
    const int module = dragModule(details);
    const int x = details.localPosition.x, y = details.localPosition.y;

    if (module == 0)
    {
        if (auto* amp = m_Pictures[0]; amp != nullptr && y > amp->getBottom())
            fireCustomTabOpen(modules[0].customKind, true);
    }
    else if (module > 0 && module < numModules && m_Pictures[module] != nullptr && hasPlaces(module))
    {
        auto* picture = m_Pictures[module];
        const auto on = picture->m_OnBounds, off = picture->m_OffBounds;
        const bool inside =
            picture->getX() < x && x < picture->getRight() && off.getY() < y && y < on.getY() + picture->getHeight();
        // The pointer's entry point in this area's coordinates, like y.
        const int entryY = picture->getY() + [picture] {
            auto* draggable = dynamic_cast<RSDraggableImageButton*>(picture);
            return draggable != nullptr ? draggable->getEntryY() : 0;
        }();

        if (! inside)
        {
            if (y > on.getY() + picture->getHeight())
                fireCustomTabOpen(modules[module].customKind, true);
        }
        else if (picture->getY() == on.getY() && y < m_SignalChainY && entryY - y >= m_DragOnOffSensitivity + 1)
        {
            if (! m_Animator.isAnimating(picture) && ! isHeadingFor(picture, off))
            {
                picture->repaint();
                animateTo(picture, off);
                HMQEditSupport::write(modules[module].onOffId, 0, CHGSRC_CONTROL);
                if (auto* page = getValuePage(module))
                {
                    page->repaint();
                    page->setVisible(m_CurrentValuePage == module);
                }
            }
        }
        else if (picture->getY() == off.getY() && y > picture->getBottom() && y - entryY > m_DragOnOffSensitivity)
        {
            if (! m_Animator.isAnimating(picture) && ! isHeadingFor(picture, on))
            {
                animateTo(picture, on);
                HMQEditSupport::write(modules[module].onOffId, 1, CHGSRC_CONTROL);
                if (auto* page = getValuePage(module))
                {
                    page->repaint();
                    page->setVisible(m_CurrentValuePage == module);
                }
            }
        }
    }
    updateBackground();
}

void HMQEditParamComponent::itemDropped(const SourceDetails& details)
{
    m_DragOver = false;
    const int module = dragModule(details);
    const int x = details.localPosition.x, y = details.localPosition.y;

    if (module == 0)
    {
        if (auto* amp = m_Pictures[0]; amp != nullptr && y > amp->getBottom())
            fireCustomTabOpen(modules[0].customKind, false);
    }
    else if (module > 0 && module < numModules && m_Pictures[module] != nullptr && hasPlaces(module))
    {
        auto* picture = m_Pictures[module];
        const auto on = picture->m_OnBounds, off = picture->m_OffBounds;
        const bool withinX = picture->getX() < x && x < picture->getRight();
        if (picture->getY() == on.getY() && y < picture->getY() && withinX)
        {
            if (! m_Animator.isAnimating(picture))
            {
                animateTo(picture, off);
                HMQEditSupport::write(modules[module].onOffId, 0, CHGSRC_CONTROL);
            }
        }
        else if (picture->getY() == off.getY() && y > picture->getBottom() && withinX)
        {
            if (! m_Animator.isAnimating(picture))
            {
                animateTo(picture, on);
                HMQEditSupport::write(modules[module].onOffId, 1, CHGSRC_CONTROL);
            }
        }
        else if (y > on.getY() + picture->getHeight())
            fireCustomTabOpen(modules[module].customKind, false);
    }
    updateBackground();
}

void HMQEditParamComponent::paint(juce::Graphics& g)
{
    const float lineY = (float) m_SignalChainY;
    juce::Path path;
    path.startNewSubPath(0.0f, lineY);
    const float stops[] = { 0.0f, 187.0f, 341.0f, 496.0f, (float) getWidth() - 2.0f };
    for (int i = 0; i + 1 < 5; ++i)
        path.addArrow({ stops[i], lineY, stops[i + 1], lineY }, 2.0f, 18.0f, 20.0f);
    g.setColour(juce::Colours::black);
    g.strokePath(path, juce::PathStrokeType(2.0f));
    g.fillPath(path);

    g.setGradientFill(
        juce::ColourGradient(juce::Colour(0xFF404040), 384.0f, (float) valuePageY, juce::Colour(0xFF181818), 0.0f, 340.0f, true));
    g.fillRect(0, valuePageY, getWidth(), valuePageHeight);
}
