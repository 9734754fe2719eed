#pragma once

// Model ids of the supported amplifiers. Models 2 and 4, and 3 and 5, form
// one model class each (the wireless variants of the wired Orva models).
enum eProductModelId : int
{
    kProductModelNone = -1,
    kProductModelDWQ = 0,
    kProductModelHMQ = 1,
    kProductModelOKX = 2,
    kProductModelOPW = 3,
    kProductModelOKXlyn = 4,
    kProductModelOPWlyn = 5
};

// How a device is attached.
enum eMediaType : int
{
    kMediaTypeUnknown = -1,
    kMediaTypeUSB = 0,
    kMediaTypeBluetooth = 1
};
