#pragma once

#include "Core/DeviceInfo.h"
#include "Singleton.h"

#include "GUI/Widgets/OverlayComponentLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>
#include <vector>

// The device-selection page: the amplifiers of the last scan, the one in use
// and an offline entry for each model not found. OK hands the chosen row to
// Host as message 37. One instance, made on first use; the main component
// shows it in an overlay and deletes it with itself.
class DeviceSelectComponent : public Singleton<DeviceSelectComponent>,
                              public juce::DeletedAtShutdown,
                              public juce::Component,
                              public juce::ListBoxModel,
                              public juce::Button::Listener,
                              public juce::MessageListener
{
public:
    DeviceSelectComponent();
    ~DeviceSelectComponent() override;

    void handleMessage(const juce::Message& message) override;

    int getNumRows() override;
    void paintListBoxItem(int row, juce::Graphics& g, int width, int height, bool selected) override;
    void selectedRowsChanged(int lastRowSelected) override;
    void listBoxItemDoubleClicked(int row, const juce::MouseEvent&) override;

    void paint(juce::Graphics& g) override;
    void resized() override;
    void buttonClicked(juce::Button* button) override;

    void updateDeviceIdList();
    void updateDeviceIdListManualSetting();
    bool isManualSetting() const;
    void setOnlyConnectedEnable(bool enable);
    void clickedOkButton();
    static juce::Image getMediatypeImage(eMediaType type);
    static void exitBLECallback(int result, int);

    // The rows and the last chosen row, for the owner and for tests.
    const std::vector<DeviceInfo>& getEntries() const noexcept { return entries; }
    const DeviceInfo& getChosen() const noexcept { return chosen; }
    juce::ListBox& getListBox() noexcept { return *deviceList; }
    juce::ToggleButton& getOnlyConnectedToggle() noexcept { return *onlyConnected; }
    juce::TextButton& getOkButton() noexcept { return *okButton; }
    juce::Button* getBluetoothButton() noexcept { return bluetoothButton.get(); }
    OverlayComponentLookAndFeel* getOverlayLook() const noexcept { return overlayLook.get(); }

private:
    // Selects row 0 and makes it the chosen entry (chosen stays as it was
    // when there are no rows).
    void selectFirstRow();
    static DeviceInfo offlineEntry(int model);
    void setDragScrolling(bool on);

    std::vector<DeviceInfo> entries;
    DeviceInfo chosen;

    // The buttons' look; outlives them (declared first, deleted last).
    std::unique_ptr<OverlayComponentLookAndFeel> overlayLook;
    std::unique_ptr<juce::ListBox> deviceList;
    std::unique_ptr<juce::ToggleButton> onlyConnected;
    std::unique_ptr<juce::Label> titleLabel;
    std::unique_ptr<juce::TextButton> okButton;
    std::unique_ptr<juce::ImageButton> bluetoothButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(DeviceSelectComponent)
};
