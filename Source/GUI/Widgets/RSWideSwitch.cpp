#include "GUI/Widgets/RSWideSwitch.h"

#include "GUI/Widgets/RSWidgetSupport.h"
#include "GUI/Widgets/WideButtonLookAndFeel.h"
#include "UIForm/UIFormIds.h"

RSWideSwitch::RSWideSwitch(const juce::String& name, eProductModelId model, int paramId)
    : juce::TextButton(name), modelId(model), look(std::make_unique<WideButtonLookAndFeel>())
{
    setOpaque(false);
    setTriggeredOnMouseDown(true);
    RSWidgetSupport::reachByMouseOnly(*this);
    getProperties().set(UIFormProperty::ParamId, paramId);
    setLookAndFeel(look.get());
}

RSWideSwitch::~RSWideSwitch()
{
    setLookAndFeel(nullptr);
}

int RSWideSwitch::getParamId() const
{
    return getProperties().getWithDefault(UIFormProperty::ParamId, -1);
}

juce::Image RSWideSwitch::getParamValueImage()
{
    const int paramId = getParamId();
    int value = 0;
    if (paramId == -1 || ! RSWidgetSupport::getCurrentParamValue((int) modelId, paramId, value))
        return {};
    return RSWidgetSupport::getImage(value != 0 ? "Roomflare_on" : "Roomflare_off");
}

juce::Rectangle<int> RSWideSwitch::getValueArea() const
{
    const int w = getWidth(), h = getHeight();
    const int v = w > 141 ? w / 2 : 70;
    return { w - 10 - v, 4, v - 10, h - 8 };
}

void RSWideSwitch::paintButton(juce::Graphics& g, bool isMouseOver, bool isButtonDown)
{
    juce::TextButton::paintButton(g, isMouseOver, isButtonDown);
    const auto image = getParamValueImage();
    if (image.isValid())
        g.drawImage(image, getValueArea().toFloat(),
                    juce::RectanglePlacement::centred | juce::RectanglePlacement::onlyReduceInSize);
}
