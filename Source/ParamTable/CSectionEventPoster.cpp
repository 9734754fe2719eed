#include "ParamTable/CSectionEventPoster.h"

#include "Application/Host.h"
#include "Core/MessageEngine.h"
#include "Core/MyMessage.h"
#include "GUI/Shell/MasterGuiController.h"

#include <atomic>

namespace
{
std::atomic<juce::MessageListener*> targetOverride { nullptr };
}

void CSectionEventPoster::post(Host* host, int kind, int sender, int a, int b, int c, int d)
{
    juce::MessageListener* target = targetOverride.load();
    if (target == nullptr && host != nullptr)
        target = host->getMasterGuiController();
    postMessageTo(target, MyMessage::create(kind, a, b, c, d, nullptr, sender));
}

void CSectionEventPoster::setTargetOverride(juce::MessageListener* listener)
{
    targetOverride.store(listener);
}
