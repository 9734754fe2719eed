#include "GUI/Widgets/RSWidgetSupport.h"
#include "Core/ProductModel.h"
#include "UIForm/UIFormIds.h"

#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "DWQ/DWQDataCenter.h"
#include "DataCenter/OrvaDataCenter.h"
#include "GUI/Editor/AnotherComponentListner.h"
#include "GUI/Widgets/ImageResourceManager.h"
#include "HMQ/HMQDataCenter.h"
#include "ParamTable/COrvaAudioEQSectionBase.h"
#include "ParamTable/COrvaGlobalSectionBase.h"
#include "ParamTable/COrvaUserEditSectionBase.h"
#include "ParamTable/IStringConverter.h"
#include "Platform/PlatformFonts.h"

int RSWidgetSupport::getCurrentModelId()
{
    if (auto* env = getCurrentDeviceEnvironment())
        return (int) env->getDeviceInfo().model;
    return -1;
}

ISection* RSWidgetSupport::findSection(int modelId, int paramId)
{
    auto* env = getCurrentDeviceEnvironment();
    auto* dataCenter = env != nullptr ? env->getDataCenter() : nullptr;
    if (dataCenter == nullptr)
        return nullptr;

    switch (modelId)
    {
        case kProductModelDWQ:
            if (auto* dwq = dynamic_cast<DWQDataCenter*>(dataCenter))
                return &dwq->getUserEditSection();
            return nullptr;
        case kProductModelHMQ:
            if (auto* hmq = dynamic_cast<HMQDataCenter*>(dataCenter))
                return &hmq->getUserEditSection();
            return nullptr;
        case kProductModelOKX:
        case kProductModelOPW:
        case kProductModelOKXlyn:
        case kProductModelOPWlyn:
            if (auto* orva = dynamic_cast<OrvaDataCenter*>(dataCenter))
            {
                // Ids compare signed: the pseudo parameters with the top bit set
                // belong to the user-edit section.
                const auto id = (juce::int32) paramId;
                if (id < 0x4000)
                    return &orva->getUserEditSection();
                if (id < 0x6000)
                    return &orva->getGlobalSection();
                return &orva->getAudioEQSection();
            }
            return nullptr;
        default: return nullptr;
    }
}

bool RSWidgetSupport::formatParamValue(int modelId, int paramId, int value, juce::String& text)
{
    auto* section = findSection(modelId, paramId);
    SParamDesc desc {};
    if (section == nullptr || ! section->GetParamDesc(paramId, &desc) || desc.converter == nullptr)
        return false;
    // A converter may answer several texts separated by nulls; the first is shown.
    const auto formatted = desc.converter->Format(value);
    text = juce::String::fromUTF8(formatted.c_str());
    return true;
}

bool RSWidgetSupport::getCurrentParamValue(int modelId, int paramId, int& value)
{
    auto* section = findSection(modelId, paramId);
    SParamDesc desc {};
    if (section == nullptr || ! section->GetParamDesc(paramId, &desc))
        return false;
    value = section->GetParamI(paramId);
    return true;
}

juce::Font RSWidgetSupport::applyFormFontProperties(const juce::Component& component, juce::Font font)
{
    const auto& props = component.getProperties();
    const auto face = props.getWithDefault(UIFormProperty::FontFace, juce::String()).toString();
    if (face.isNotEmpty())
        font.setTypefaceName(PlatformFonts::mapTypefaceName(face));
    const float height = (float) props.getWithDefault(UIFormProperty::FontHeight, 0);
    if (height > 0.0f)
        font.setHeight(height);
    const int style = props.getWithDefault(UIFormProperty::FontStyle, -1);
    if (style == 0)
        font.setStyleFlags(juce::Font::plain);
    else if (style == 1)
        font.setStyleFlags(juce::Font::bold);
    else if (style == 2)
        font.setStyleFlags(juce::Font::italic);
    return font;
}

void RSWidgetSupport::reachByMouseOnly(juce::Component& widget)
{
    widget.setWantsKeyboardFocus(false);
    widget.setMouseClickGrabsKeyboardFocus(false);
}

void RSWidgetSupport::remakeNativeWindow(juce::TopLevelWindow& window)
{
    if (! window.isOnDesktop())
        return;
    window.removeFromDesktop();
    window.addToDesktop();
}

void RSWidgetSupport::notifyParentMouseDown(juce::Component& child)
{
    if (auto* listener = dynamic_cast<AnotherComponentListner*>(child.getParentComponent()))
        listener->mouseDownByOtherComponent(&child);
}

juce::Image RSWidgetSupport::getImage(const juce::String& name)
{
    auto* images = ImageResourceManager::instance();
    return images != nullptr ? images->getImage(name) : juce::Image();
}
