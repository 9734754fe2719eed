#include "GUI/Shell/DeviceSelectComponent.h"

#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Common/ModelInformation.h"
#include "Core/ConnectedDeviceInfoList.h"
#include "Core/MasterConnectionManager.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "Core/SupportedModels.h"
#include "Core/Utility.h"
#include "GUI/Widgets/FontLibrary.h"
#include "GUI/Widgets/ImageResourceManager.h"
#include "Platform/BluetoothMidiPairing.h"
#include "Preferences/PreferencesData.h"
#include "ZEZEResource.h"

namespace
{
constexpr int numModels = 6;

juce::String localisedOr(const char* key, const juce::String& fallback)
{
    const auto text = getLocalizedString(key);
    return text.isNotEmpty() ? text : fallback;
}

juce::Image imageNamed(const juce::String& name)
{
    auto* images = ImageResourceManager::instance();
    return images != nullptr ? images->getImage(name) : juce::Image();
}

juce::String modelName(int model)
{
    juce::String name;
    if (auto* models = SupportedModels::instance())
        if (auto* info = models->getInformation(model))
            name = info->getName();
    return name.isNotEmpty() ? name : getDeviceNameFromModelId((eProductModelId) model);
}

DeviceEnvironment* currentEnvironment()
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getDeviceEnvironment() : nullptr;
}
} // namespace

DeviceSelectComponent::DeviceSelectComponent() : chosen(kProductModelNone, false, 0, {}, 0, {}, 0, 0, 0, kMediaTypeUnknown)
{
    deviceList = std::make_unique<juce::ListBox>("DeviceList", this);
    deviceList->setRowHeight(85);
    deviceList->getViewport()->setScrollOnDragMode(juce::Viewport::ScrollOnDragMode::all);
    addAndMakeVisible(deviceList.get());

    onlyConnected = std::make_unique<juce::ToggleButton>("OnlyConnected");
    onlyConnected->setColour(juce::ToggleButton::textColourId, juce::Colours::white);
    onlyConnected->setToggleState(true, juce::dontSendNotification);
    onlyConnected->setButtonText("show only connected device");
    addAndMakeVisible(onlyConnected.get());
    onlyConnected->addListener(this);

    titleLabel = std::make_unique<juce::Label>("new label", "Select target device");
    titleLabel->setFont(juce::Font(19.0f, juce::Font::plain));
    titleLabel->setJustificationType(juce::Justification::centredLeft);
    titleLabel->setEditable(false, false, false);
    titleLabel->setColour(juce::Label::textColourId, juce::Colours::white);
    titleLabel->setColour(juce::TextEditor::textColourId, juce::Colours::black);
    titleLabel->setColour(juce::TextEditor::backgroundColourId, juce::Colours::transparentBlack);
    addAndMakeVisible(titleLabel.get());

    okButton = std::make_unique<juce::TextButton>("OkButton");
    okButton->setButtonText("ok");
    okButton->setTriggeredOnMouseDown(true);
    okButton->setEnabled(false);
    addAndMakeVisible(okButton.get());
    okButton->addListener(this);

    if (BluetoothMidiPairing::get().isAvailable())
    {
        bluetoothButton = std::make_unique<juce::ImageButton>(juce::String());
        const auto image = imageNamed("bluetooth_64x64");
        bluetoothButton->setImages(false, true, true, image, 1.0f, juce::Colours::transparentBlack, image, 1.0f,
                                   juce::Colour(0x000000FFu), image, 1.0f, juce::Colours::transparentBlack);
        if (image.isValid())
            bluetoothButton->setSize(image.getWidth(), image.getHeight());
        bluetoothButton->setTriggeredOnMouseDown(true);
        addAndMakeVisible(bluetoothButton.get());
        bluetoothButton->addListener(this);
    }

    titleLabel->setText(localisedOr("DeviceSelect_SelectTargetDevice", titleLabel->getText()), juce::dontSendNotification);
    onlyConnected->setButtonText(localisedOr("DeviceSelect_ShowOnlyConnected", onlyConnected->getButtonText()));
    okButton->setButtonText(localisedOr("Common_OK", okButton->getButtonText()));

    if (auto* bus = MessageEngine::instance())
        bus->addListener(this);

    // The overlay look on the OK button, the toggle and the Bluetooth button.
    overlayLook = std::make_unique<OverlayComponentLookAndFeel>();
    for (auto* button :
         { (juce::Button*) onlyConnected.get(), (juce::Button*) okButton.get(), (juce::Button*) bluetoothButton.get() })
        if (button != nullptr)
            button->setLookAndFeel(overlayLook.get());

    setSize(421, 640);
    updateDeviceIdList();
    selectFirstRow();
}

DeviceSelectComponent::~DeviceSelectComponent()
{
    entries.clear();
    if (auto* bus = MessageEngine::instance())
        bus->removeListener(this);
    // The look goes last, after every button has let go of it.
    for (auto* button :
         { (juce::Button*) onlyConnected.get(), (juce::Button*) okButton.get(), (juce::Button*) bluetoothButton.get() })
        if (button != nullptr)
            button->setLookAndFeel(nullptr);
    deviceList.reset();
    onlyConnected.reset();
    titleLabel.reset();
    okButton.reset();
    bluetoothButton.reset();
    overlayLook.reset();
}

DeviceInfo DeviceSelectComponent::offlineEntry(int model)
{
    return DeviceInfo((eProductModelId) model, false, 0, {}, 0, {}, 0, 0, 0, kMediaTypeUnknown);
}

bool DeviceSelectComponent::isManualSetting() const
{
    auto* prefs = PreferencesData::getInstanceWithoutCreating();
    return prefs != nullptr && prefs->isManualMidiPortSetting();
}

void DeviceSelectComponent::updateDeviceIdList()
{
    if (isManualSetting())
    {
        updateDeviceIdListManualSetting();
        return;
    }

    auto* list = ConnectedDeviceInfoList::instance();
    if (Host::getInstance() == nullptr || list == nullptr)
        return;

    entries.clear();
    int perModel[numModels] = {};
    int connectedCount = 0;

    DeviceInfo current = offlineEntry(kProductModelNone);
    const bool hasCurrent = currentEnvironment() != nullptr;
    if (hasCurrent)
    {
        current = currentEnvironment()->getDeviceInfo();
        entries.push_back(current);
        const juce::ScopedLock lock(list->getLock());
        for (unsigned int i = 0; i < list->getNumDevices(); ++i)
        {
            const auto found = list->getDeviceInfo(i);
            if (found == current)
            {
                connectedCount = found.isConnected() ? 1 : 0;
                break;
            }
        }
        if (current.model >= 0 && current.model < numModels)
            ++perModel[current.model];
    }

    {
        const juce::ScopedLock lock(list->getLock());
        for (unsigned int i = 0; i < list->getNumDevices(); ++i)
        {
            const auto found = list->getDeviceInfo(i);
            if (hasCurrent && found == current)
                continue;
            entries.push_back(found);
            if (found.model >= 0 && found.model < numModels)
            {
                ++perModel[found.model];
                ++connectedCount;
            }
        }
    }

    if (connectedCount == 0 || ! onlyConnected->getToggleState())
        for (int model = 0; model < numModels; ++model)
            if (perModel[model] == 0)
                entries.push_back(offlineEntry(model));

    setOnlyConnectedEnable(connectedCount != 0);
    deviceList->updateContent();
    juce::Logger::writeToLog("DeviceSelectComponent::updateDeviceIdList() rows " + juce::String((int) entries.size())
                             + ", connected " + juce::String(connectedCount));
}

void DeviceSelectComponent::updateDeviceIdListManualSetting()
{
    entries.clear();
    int perModel[numModels] = {};
    if (auto* environment = currentEnvironment())
    {
        const auto current = environment->getDeviceInfo();
        entries.push_back(current);
        if (current.model >= 0 && current.model < numModels)
            ++perModel[current.model];
    }
    for (int model = 0; model < numModels; ++model)
        if (perModel[model] == 0)
            entries.push_back(offlineEntry(model));

    setOnlyConnectedEnable(false);
    deviceList->updateContent();
}

void DeviceSelectComponent::setOnlyConnectedEnable(bool enable)
{
    onlyConnected->setEnabled(enable);
    if (! enable)
        onlyConnected->setToggleState(false, juce::dontSendNotification);
}

void DeviceSelectComponent::selectFirstRow()
{
    deviceList->selectRow(0);
    if (! entries.empty())
        chosen = entries.front();
}

int DeviceSelectComponent::getNumRows()
{
    return (int) entries.size();
}

juce::Image DeviceSelectComponent::getMediatypeImage(eMediaType type)
{
    if (type == kMediaTypeUSB)
        return imageNamed("USB_24x32");
    if (type == kMediaTypeBluetooth)
        return imageNamed("bluetooth_24x32");
    return {};
}

void DeviceSelectComponent::paintListBoxItem(int row, juce::Graphics& g, int width, int height, bool selected)
{
    if (row < 0 || row >= getNumRows())
        return;
    const auto& entry = entries[(size_t) row];

    g.fillAll(selected ? juce::Colour(0xFFFFAC00).withAlpha(0.4f) : juce::Colours::white);
    g.setColour(juce::Colours::black);

    ModelInformation* info = nullptr;
    if (auto* models = SupportedModels::instance())
        info = models->getInformation(entry.model);

    const auto icon = info != nullptr ? info->getIconImageForDeviceList() : juce::Image();
    const int iconY = height / 2 - icon.getHeight() / 2;
    if (icon.isValid())
        g.drawImageAt(icon, 15, iconY);

    const auto badge = getMediatypeImage(entry.mediaType);
    if (badge.isValid())
        g.drawImageAt(badge, 15 + icon.getWidth() - badge.getWidth(), iconY + icon.getHeight() - badge.getHeight());

    g.setFont(FontLibrary::getDeviceSelectDeviceNameFont());
    g.drawText(modelName(entry.model), 165, 3, width - 165, 33, juce::Justification::centredLeft, true);

    if (! isManualSetting())
    {
        if (entry.isConnected())
        {
            const auto small = FontLibrary::getDeviceSelectListPortSmallFont();
            g.setFont(small);
            const auto inHeader = getLocalizedString("DeviceSelect_ListMidiInHeader");
            const auto outHeader = getLocalizedString("DeviceSelect_ListMidiOutHeader");
            const int w = small.getStringWidth(outHeader);
            g.drawText(inHeader, 165, 36, w, 14, juce::Justification::centredLeft, true);
            g.drawFittedText(entry.midiInName, 165 + w, 36, 180 - w, 14, juce::Justification::centredLeft, 1);
            g.drawText(outHeader, 165, 50, w, 14, juce::Justification::centredLeft, true);
            g.drawFittedText(entry.midiOutName, 165 + w, 50, 180 - w, 14, juce::Justification::centredLeft, 1);
            const auto version = getLocalizedString("DeviceSelect_ListVersionHeader")
                                 + juce::String::formatted("%d.%02d", entry.version1, entry.version2);
            g.drawFittedText(version, 165, 64, 180, 14, juce::Justification::centredLeft, 1);
        }
        else
        {
            g.setFont(FontLibrary::getDeviceSelectListPortLargeFont());
            g.drawText(getLocalizedString("DeviceSelect_ListNotConnected"), 165, 0, 180, height, juce::Justification::centredLeft,
                       true);
        }
    }

    g.drawLine(0.0f, (float) height - 1.0f, (float) width, (float) height - 1.0f);
}

void DeviceSelectComponent::selectedRowsChanged(int lastRowSelected)
{
    if (lastRowSelected >= 0 && lastRowSelected < getNumRows())
        chosen = entries[(size_t) lastRowSelected];
}

void DeviceSelectComponent::listBoxItemDoubleClicked(int row, const juce::MouseEvent&)
{
    if (row < 0 || row >= getNumRows())
        return;
    chosen = entries[(size_t) row];
    clickedOkButton();
}

void DeviceSelectComponent::paint(juce::Graphics& g)
{
    g.fillAll(juce::Colours::black);
    g.setColour(juce::Colours::white);
    g.drawRect(getLocalBounds(), 2);
}

void DeviceSelectComponent::resized()
{
    const int h = getHeight();
    deviceList->setBounds(24, 60, 370, h - 130);
    onlyConnected->setBounds(24, h - 62, 224, 24);
    titleLabel->setBounds(24, 21, 264, 24);
    okButton->setBounds(328, h - 62, 64, 40);
    if (bluetoothButton != nullptr)
        bluetoothButton->setBounds(248, h - 62, 64, 40);
}

void DeviceSelectComponent::clickedOkButton()
{
    auto* host = Host::getInstance();
    if (MessageEngine::instance() == nullptr || host == nullptr || deviceList->getNumSelectedRows() == 0)
        return;

    // The row selected now, not a record kept from before the rows were
    // rebuilt.
    const int row = deviceList->getSelectedRow();
    if (row < 0 || row >= getNumRows())
        return;
    chosen = entries[(size_t) row];

    juce::Logger::writeToLog("DeviceSelectComponent::clickedOkButton() model " + juce::String((int) chosen.model));
    auto* environment = host->getDeviceEnvironment();
    if (environment != nullptr && environment->getDeviceInfo() == chosen)
        broadcastMessageId(MessageId::DeviceSelectedToHost);
    else
        broadcastMessageId(MessageId::DeviceSelectedToHost, 0, 0, 0, 0, new DeviceInfo(chosen));
}

void DeviceSelectComponent::setDragScrolling(bool on)
{
    deviceList->getViewport()->setScrollOnDragMode(on ? juce::Viewport::ScrollOnDragMode::all
                                                      : juce::Viewport::ScrollOnDragMode::never);
}

void DeviceSelectComponent::exitBLECallback(int, int)
{
    if (auto* page = getInstanceWithoutCreating())
        page->setDragScrolling(true);
}

void DeviceSelectComponent::buttonClicked(juce::Button* button)
{
    if (button == onlyConnected.get())
    {
        updateDeviceIdList();
        selectFirstRow();
    }
    else if (button == okButton.get())
    {
        clickedOkButton();
    }
    else if (button != nullptr && button == bluetoothButton.get())
    {
        auto& pairing = BluetoothMidiPairing::get();
        if (! pairing.isAvailable())
            return;
        setDragScrolling(false);
        if (! pairing.open([](int result) { exitBLECallback(result, 0); }))
            setDragScrolling(true);
    }
}

void DeviceSelectComponent::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr || ! isShowing())
        return;

    switch (myMessage->getId())
    {
        case MessageId::ConnectionStatus:
            updateDeviceIdList();
            selectFirstRow();
            break;

        case MessageId::ScanFinished:
            selectFirstRow();
            okButton->setEnabled(true);
            break;

        case MessageId::MidiDevicesChanged:
            updateDeviceIdList();
            deviceList->repaint();
            selectFirstRow();
            break;

        case MessageId::ReconnectScanFinished:
            updateDeviceIdList();
            selectFirstRow();
            okButton->setEnabled(true);
            break;

        case MessageId::DeviceSelectShown:
        {
            updateDeviceIdList();
            selectFirstRow();
            // Shown after a scan has ended (from the menu, say): that scan's
            // end message has come and gone, so OK comes on now.
            auto* host = Host::getInstance();
            auto* connection = host != nullptr ? host->getMasterConnectionManager() : nullptr;
            if (host != nullptr && ! host->isBooting() && (connection == nullptr || ! connection->isScanning()))
                okButton->setEnabled(true);
            break;
        }

        case MessageId::DragScrollOff: setDragScrolling(false); break;

        case MessageId::DragScrollOn: setDragScrolling(true); break;

        default: break;
    }
}
