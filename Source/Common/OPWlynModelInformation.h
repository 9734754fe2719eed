#pragma once

#include "Common/ModelInformation.h"

class OPWlynModelInformation : public ModelInformation
{
public:
    eProductModelId getModelId() const override { return kProductModelOPWlyn; }
    juce::String getName() const override { return localizedText("DeviceName_OrvaPWlyn"); }
    juce::Image getImageForDeviceSelect() const override { return imageNamed("OrvaPWSmallImage"); }
    juce::Image getIconImageForDeviceList() const override { return imageNamed("OrvaPWListIcon"); }
    int getNumProgramData() const override { return 1; }
    juce::String getProgramDataFileExtension() const override { return ".opwprog"; }
    juce::String getProgramDataFileDescription() const override { return {}; }
    juce::String getUSBKeyString() const override { return "ZUL 2ch Audio Device"; }
    juce::String getBLEKeyString1() const override { return "Orva"; }
    juce::String getBLEKeyString2() const override { return "PW"; }
};
