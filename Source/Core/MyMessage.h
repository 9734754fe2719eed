#pragma once

#include <cstdint>
#include <juce_events/juce_events.h>

// The payload record of every MyMessage (32 bytes on a 64-bit build).
struct MyMessageRecord
{
    int32_t id = 0;
    int32_t source = 0;
    int32_t a = 0;
    int32_t b = 0;
    int32_t c = 0;
    int32_t d = 0;
    void* ptr = nullptr;
};

// The message record of the system: a framework message that carries one
// payload record. The message owns its record until a receiver deletes it
// with deleteRecord(), so a record is freed exactly once whatever the road
// (delivered, dropped, or still queued at shutdown). What ptr points to is
// never deleted here: it belongs to the receiver named in the id table.
class MyMessage : public juce::Message
{
public:
    explicit MyMessage(MyMessageRecord* recordToOwn) noexcept : record(recordToOwn) {}
    ~MyMessage() override { delete record; }

    // A new message with a new record.
    static MyMessage* create(int id, int a = 0, int b = 0, int c = 0, int d = 0, void* ptr = nullptr, int source = 0)
    {
        return new MyMessage(new MyMessageRecord { id, source, a, b, c, d, ptr });
    }

    MyMessageRecord* getRecord() const noexcept { return record; }

    // The id, or 0 once the record has been deleted.
    int getId() const noexcept { return record != nullptr ? record->id : 0; }

    // Deletes the payload record (receivers of directly posted messages do
    // this after handling); later reads see no record.
    void deleteRecord() noexcept
    {
        delete record;
        record = nullptr;
    }

private:
    MyMessageRecord* record;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MyMessage)
};
