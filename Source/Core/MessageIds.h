#pragma once

// The one table of MyMessage ids.
//
// Section events (posted directly to MasterGuiController by the parameter
// sections, source = the section's id):
//   1 reinitialised, 2 parameter properties changed (a = id), 3 value changed
//   (a = id, b = change source), 4 range changed (a = id, b = min, c = max,
//   d = extra), 5 connection status (a = 1 connected / 0 not), 7 catalogue
//   selection (a = module), 10 tooltip changed (a = id), 12 custom tab opened
//   (a = slot, b = flag), 13 UI control selection valid (a = flag), 15 preset
//   sub-tab move (a = flag), 18 USB routing (a = value), 19 audio-EQ
//   coefficients recomputed.
// Notices posted directly to ActionManager: 9 device answered, 11 custom bulk
//   receive complete, 17 audio-EQ bulk receive complete.
// Bus messages (broadcast through MessageEngine): 22 and up.
namespace MessageId
{
enum : int
{
    SectionReinitialized = 1,
    SectionParamPropsChanged = 2,
    SectionValueChanged = 3,
    SectionRangeChanged = 4,
    ConnectionStatus = 5,
    MainComponentReserved = 6,
    CatalogSelect = 7,
    DeviceFound = 9,
    TooltipChanged = 10,
    CustomBulkReceiveComplete = 11,
    CustomTabOpen = 12,
    UICtrlSelectValid = 13,
    CatalogReserved = 14,
    ROMSubTabMove = 15,
    ReloadSavedInstance = 16,
    AudioEQBulkReceiveComplete = 17,
    USBRoutingChanged = 18,
    AudioEQCoefsChanged = 19,

    DeviceEnvironmentChanged = 22,
    ScanFinished = 24,
    MidiDevicesChanged = 29,
    ReconnectScanFinished = 31,
    AboutPageShown = 33,
    AboutPageClosed = 34,
    HideDeviceSelect = 35,
    HideDeviceSelect2 = 36,
    DeviceSelectedToHost = 37,
    DeviceSelectShown = 42,
    OverlayPageShown = 47,
    AudioEQEditClosed = 48,
    USBRoutingSelectClosed = 49,
    CatalogSelMiniClosed = 50,
    DragScrollOff = 51,
    DragScrollOn = 52,
    Progress = 57,
    CloseOverlays = 60
};
} // namespace MessageId

// The name the device page and Host use for the device-chosen message.
constexpr int kMessageDeviceSelectedToHost = MessageId::DeviceSelectedToHost;
