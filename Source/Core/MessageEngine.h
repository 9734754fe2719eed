#pragma once

#include "Core/MyMessage.h"
#include "ZEZESingleton.h"

#include <vector>

// The application-wide bus: a broadcast is posted to the bus itself and, on
// the message thread, handed to every registered listener in registration
// order. The bus frees each message (and its record) after delivery.
class MessageEngine : public ZEZESingleton<MessageEngine>,
                      public juce::MessageListener
{
public:
    MessageEngine();
    ~MessageEngine() override;

    void addListener(juce::MessageListener* listener);
    bool removeListener(juce::MessageListener* listener);
    bool isListening(juce::MessageListener* listener) const;
    int getNumListeners() const noexcept { return (int) listeners.size(); }

    // Posts the message to the bus and returns at once; takes ownership.
    // The second argument is not used.
    void broadcastMessage(MyMessage* message, juce::MessageListener* unused = nullptr);

    // Posts the message for one registered listener only; takes ownership.
    void sendMessageTo(MyMessage* message, juce::MessageListener* target);

    void handleMessage(const juce::Message& message) override;

    class InternalMessage : public juce::Message
    {
    public:
        enum Kind
        {
            deliverToAll = 0,
            deliverToOne = 1
        };

        InternalMessage(int k, juce::MessageListener* t, MyMessage* m) : kind(k), target(t), carried(m) {}

        int kind;
        juce::MessageListener* target;
        juce::Message::Ptr carried;
    };

private:
    void deliver(const MyMessage& message);

    std::vector<juce::MessageListener*> listeners;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MessageEngine)
};

// Hands the message to the bus; when there is no bus the message is freed
// undelivered. Takes ownership in every case. Safe from any thread.
void broadcastMessage(MyMessage* message, juce::MessageListener* unused = nullptr);

// Broadcasts a new message that holds only its id (and optional arguments).
void broadcastMessageId(int id, int a = 0, int b = 0, int c = 0, int d = 0, void* ptr = nullptr);

// Posts a message directly to one framework message listener (which deletes
// its record after handling). With no listener the message is freed.
void postMessageTo(juce::MessageListener* listener, MyMessage* message);
