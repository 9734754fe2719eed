#include "Core/MessageEngine.h"

#include <algorithm>
#include <typeinfo>

MessageEngine::MessageEngine() = default;

MessageEngine::~MessageEngine() = default;

void MessageEngine::addListener(juce::MessageListener* listener)
{
    juce::MessageManager::getInstance();
    if (listener != nullptr)
        listeners.push_back(listener);
}

bool MessageEngine::removeListener(juce::MessageListener* listener)
{
    juce::MessageManager::getInstance();
    auto it = std::find(listeners.begin(), listeners.end(), listener);
    if (it == listeners.end())
        return false;
    listeners.erase(it);
    return true;
}

bool MessageEngine::isListening(juce::MessageListener* listener) const
{
    return std::find(listeners.begin(), listeners.end(), listener) != listeners.end();
}

void MessageEngine::broadcastMessage(MyMessage* message, juce::MessageListener*)
{
    if (message == nullptr)
        return;
    postMessage(new InternalMessage(InternalMessage::deliverToAll, nullptr, message));
}

void MessageEngine::sendMessageTo(MyMessage* message, juce::MessageListener* target)
{
    if (message == nullptr)
        return;
    postMessage(new InternalMessage(InternalMessage::deliverToOne, target, message));
}

void MessageEngine::handleMessage(const juce::Message& message)
{
    auto* internal = dynamic_cast<const InternalMessage*>(&message);
    if (internal == nullptr)
        return;

    auto* carried = dynamic_cast<MyMessage*>(internal->carried.get());
    if (carried == nullptr)
        return;

    try
    {
        if (internal->kind == InternalMessage::deliverToAll)
        {
            deliver(*carried);
        }
        else if (internal->kind == InternalMessage::deliverToOne)
        {
            // The target may have left the bus (and been deleted) since the
            // message was posted: deliver only to a listener still registered.
            if (isListening(internal->target))
                internal->target->handleMessage(*carried);
        }
    }
    catch (const std::bad_cast&)
    {
        // A listener failed a cast: the delivery of this message ends here.
    }
    // The carried message and its record are freed with the internal message.
}

void MessageEngine::deliver(const MyMessage& message)
{
    size_t index = 0;
    while (index < listeners.size())
    {
        auto* listener = listeners[index];
        listener->handleMessage(message);

        // Continue after the called listener's entry as it stands now, so that
        // a listener removed further down is skipped and one appended is reached.
        auto it = std::find(listeners.begin(), listeners.end(), listener);
        if (it != listeners.end())
            index = (size_t) std::distance(listeners.begin(), it) + 1;
        // A listener that removed itself: the next one has moved into its place.
    }
}

void broadcastMessage(MyMessage* message, juce::MessageListener* unused)
{
    if (message == nullptr)
        return;

    if (auto* engine = MessageEngine::instance())
        engine->broadcastMessage(message, unused);
    else
        juce::Message::Ptr dropped(message); // not delivered: freed here
}

void broadcastMessageId(int id, int a, int b, int c, int d, void* ptr)
{
    broadcastMessage(MyMessage::create(id, a, b, c, d, ptr));
}

void postMessageTo(juce::MessageListener* listener, MyMessage* message)
{
    if (message == nullptr)
        return;
    if (listener != nullptr)
        listener->postMessage(message);
    else
        juce::Message::Ptr dropped(message);
}
