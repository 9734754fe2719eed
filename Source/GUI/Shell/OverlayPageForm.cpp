#include "GUI/Shell/OverlayPageForm.h"

#include "UIForm/UIFormIds.h"
#include "UIForm/UIFormManager.h"
#include "UIForm/UI_FORM_Utils.h"

void OverlayPageForm::scanLayer(juce::Component& page, int layerId, juce::Label::Listener* labelListener,
                                juce::Button::Listener* buttonListener,
                                const std::function<bool(int code, juce::Component& widget)>& wireOther,
                                juce::OwnedArray<juce::Component>& widgets)
{
    auto* forms = UIFormManager::GetInstance();
    const auto* layer = forms != nullptr ? forms->GetLayerFormInfoById(layerId) : nullptr;
    if (layer == nullptr || layer->children == nullptr || layer->childCount <= 0)
        return;

    for (int i = 0; i < layer->childCount; ++i)
    {
        const auto& record = layer->children[i];
        const int code = UI_FORM_Utils::GetItemClassInt(record);
        std::unique_ptr<juce::Component> widget(UI_FORM_Utils::CreateControl(&page, record));
        if (widget == nullptr || record.id == UIFormControlKind::Hidden)
            continue;

        if (code == 0 || code == 56 || code == 57)
        {
            auto* label = dynamic_cast<juce::Label*>(widget.get());
            if (label == nullptr)
                continue;
            setUpLabel(*label, code, labelListener);
        }
        else if (code == 11)
        {
            auto* button = dynamic_cast<juce::Button*>(widget.get());
            if (button == nullptr)
                continue;
            button->addListener(buttonListener);
            button->setClickingTogglesState(true);
        }
        else if (code != 13 && ! wireOther(code, *widget))
        {
            continue;
        }

        page.addAndMakeVisible(widget.get());
        widgets.add(widget.release());
    }
}

void OverlayPageForm::setUpLabel(juce::Label& label, int code, juce::Label::Listener* listener)
{
    const auto colour = code == 56 ? juce::Colour(0xFFCEA939) : code == 57 ? juce::Colour(0xFFC5C5C6) : juce::Colours::beige;
    label.setColour(juce::Label::textColourId, colour);
    label.setColour(juce::Label::backgroundColourId, juce::Colours::transparentBlack);
    label.addListener(listener);
}
