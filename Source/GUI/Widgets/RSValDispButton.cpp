#include "GUI/Widgets/RSValDispButton.h"

#include "GUI/Widgets/RSWidgetSupport.h"
#include "GUI/Widgets/ValDispButtonLookAndFeel.h"
#include "UIForm/UIFormIds.h"

RSValDispButton::RSValDispButton(const juce::String& name, eProductModelId model, int paramId)
    : juce::TextButton(name), modelId(model), look(std::make_unique<ValDispButtonLookAndFeel>())
{
    setOpaque(false);
    setTriggeredOnMouseDown(true);
    RSWidgetSupport::reachByMouseOnly(*this);
    getProperties().set(UIFormProperty::ParamId, paramId);
    setLookAndFeel(look.get());
}

RSValDispButton::~RSValDispButton()
{
    setLookAndFeel(nullptr);
}

int RSValDispButton::getParamId() const
{
    return getProperties().getWithDefault(UIFormProperty::ParamId, -1);
}

juce::String RSValDispButton::getParamValueString()
{
    const int paramId = getParamId();
    int value = 0;
    juce::String text;
    if (paramId == -1 || ! RSWidgetSupport::getCurrentParamValue((int) modelId, paramId, value)
        || ! RSWidgetSupport::formatParamValue((int) modelId, paramId, value, text))
        return {};
    return text;
}

juce::Rectangle<int> RSValDispButton::getValueArea() const
{
    const int w = getWidth(), h = getHeight();
    const int v = w > 141 ? w / 2 : 70;
    return { w - 10 - v, 10, v - 10, h - 20 };
}

void RSValDispButton::paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown)
{
    juce::TextButton::paintButton(g, isMouseOver, isButtonDown);
    g.setFont(15.0f);
    g.setColour(juce::Colours::white);
    g.drawText(getParamValueString(), getValueArea(), juce::Justification::centred, false);
}
