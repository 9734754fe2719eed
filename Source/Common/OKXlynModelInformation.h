#pragma once

#include "Common/ModelInformation.h"

class OKXlynModelInformation : public ModelInformation
{
public:
    eProductModelId getModelId() const override { return kProductModelOKXlyn; }
    juce::String getName() const override { return localizedText("DeviceName_OrvaKXlyn"); }
    juce::Image getImageForDeviceSelect() const override { return imageNamed("OrvaKXSmallImage"); }
    juce::Image getIconImageForDeviceList() const override { return imageNamed("OrvaKXListIcon"); }
    int getNumProgramData() const override { return 1; }
    juce::String getProgramDataFileExtension() const override { return ".okxprog"; }
    juce::String getProgramDataFileDescription() const override { return {}; }
    juce::String getUSBKeyString() const override { return "ZUL 2ch Audio Device"; }
    juce::String getBLEKeyString1() const override { return "Orva"; }
    juce::String getBLEKeyString2() const override { return "KX"; }
};
