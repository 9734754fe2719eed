#pragma once

class DataCenter;

// The one way a dropped program record is copied inside the data centre.
// The source is the edit buffer, or a program of the model's number space
// (preset, user program, or a slot of a file tab that holds a file). Every copy holds the
// data centre's file-tab lock for writing, so that no reader of the buffers
// sees half a record; a program dropped on its own slot is left as it is.
// Nothing is copied when the source or the destination has no record (an
// unknown number, a tab that holds no file).
class ProgramRecordCopy
{
public:
    // Copies into user program `slot` (0-7); true when a record was copied.
    static bool intoUserSlot(DataCenter& dataCenter, int slot, int sourceProgram, bool fromEditBuffer);

    // Copies into slot `index` of file tab `tab` and marks the slot modified;
    // true when a record was copied.
    static bool intoFileSlot(DataCenter& dataCenter, int tab, int index, int sourceProgram, bool fromEditBuffer);

private:
    static const unsigned char* sourceRecord(DataCenter& dataCenter, int sourceProgram, bool fromEditBuffer);
    static void copy(unsigned char* destination, const unsigned char* source, int size);
};
