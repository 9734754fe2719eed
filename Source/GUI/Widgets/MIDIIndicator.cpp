#include "GUI/Widgets/MIDIIndicator.h"

#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Core/ProductModel.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Editor/AnotherComponentListner.h"
#include "GUI/Widgets/ImageResourceManager.h"

namespace
{
DeviceEnvironment* currentEnvironment()
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getDeviceEnvironment() : nullptr;
}

int currentModel()
{
    auto* environment = currentEnvironment();
    return environment != nullptr ? (int) environment->getDeviceInfo().model : -1;
}

juce::Image imageNamed(const juce::String& name)
{
    auto* images = ImageResourceManager::instance();
    return images != nullptr && name.isNotEmpty() ? images->getImage(name) : juce::Image();
}
} // namespace

MIDIIndicator::MIDIIndicator(juce::Component* associatedComponent, bool lamp, const juce::String& name, bool track)
    : juce::ImageComponent(name), associated(associatedComponent), lampMode(lamp), trackMedia(track)
{
    setWantsKeyboardFocus(true);
    setMouseClickGrabsKeyboardFocus(true);
    loadPicture();
    if (trackMedia)
        if (auto* environment = currentEnvironment())
            mediaType = environment->getDeviceInfo().mediaType;
}

MIDIIndicator::~MIDIIndicator() = default;

juce::String MIDIIndicator::getImageString()
{
    if (lampMode)
        return "LEDON";

    pictureModel = currentModel();
    switch (pictureModel)
    {
        case kProductModelDWQ: return "DWconnect_24x52w";
        case kProductModelHMQ: return "hesperine_120x25";
        case kProductModelOKX: return "OrvaKX_24x62";
        case kProductModelOPW: return "OrvaPW_24x62";
        case kProductModelOKXlyn: return "OrvaKXlyn_24x62";
        case kProductModelOPWlyn: return "OrvaPWlyn_24x62";
        default: return {};
    }
}

void MIDIIndicator::loadPicture()
{
    picture = imageNamed(getImageString());
    if (picture.isValid())
        setSize(picture.getWidth(), picture.getHeight());
}

void MIDIIndicator::paint(juce::Graphics& g)
{
    if (currentModel() != pictureModel)
        loadPicture();

    auto* environment = currentEnvironment();
    auto* dataCenter = environment != nullptr ? environment->getDataCenter() : nullptr;
    if (! picture.isValid() || dataCenter == nullptr || ! dataCenter->isSynchronised())
        return;

    if (trackMedia)
    {
        const auto mark = imageNamed(mediaType == kMediaTypeBluetooth ? "bluetooth_24x32"
                                     : mediaType == kMediaTypeUSB     ? "USB_24x32"
                                                                      : juce::String());
        if (mark.isValid())
        {
            juce::Rectangle<int> area(picture.getWidth() - mark.getWidth(), picture.getHeight() - mark.getHeight(),
                                      mark.getWidth(), mark.getHeight());
            if (area.getX() < 0)
                area = area.withX(0).withWidth(picture.getWidth());
            if (area.getY() < 0)
                area = area.withY(0).withHeight(picture.getHeight());
            g.drawImage(mark, area.toFloat(), juce::RectanglePlacement::onlyReduceInSize);
        }
    }

    g.drawImageAt(picture, 0, 0);
}

void MIDIIndicator::mouseDown(const juce::MouseEvent& event)
{
    juce::ImageComponent::mouseDown(event);
    if (auto* listener = dynamic_cast<AnotherComponentListner*>(getParentComponent()))
        listener->mouseDownByOtherComponent(associated);
}
