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

// Model predicates: every question about a model id is asked through these.
// The Orva line is models 2 to 5; 4 and 5 are the wireless twins of 2 and 3.
constexpr bool isOrvaModel(int model)
{
    return model >= kProductModelOKX && model <= kProductModelOPWlyn;
}
constexpr bool isOrvaKXModel(int model)
{
    return model == kProductModelOKX || model == kProductModelOKXlyn;
}
constexpr bool isOrvaPWModel(int model)
{
    return model == kProductModelOPW || model == kProductModelOPWlyn;
}
constexpr bool isWirelessModel(int model)
{
    return model == kProductModelOKXlyn || model == kProductModelOPWlyn;
}
constexpr bool isKnownModel(int model)
{
    return model >= kProductModelDWQ && model <= kProductModelOPWlyn;
}

// The wired model a wireless one is the twin of; other ids unchanged.
constexpr int wiredTwinOf(int model)
{
    return model == kProductModelOKXlyn ? kProductModelOKX : model == kProductModelOPWlyn ? kProductModelOPW : model;
}

// True when two ids name one model class (equal, or wired and wireless twins).
constexpr bool isSameModelClass(int a, int b)
{
    return wiredTwinOf(a) == wiredTwinOf(b);
}
