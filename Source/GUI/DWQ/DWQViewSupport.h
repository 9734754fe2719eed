#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class DWQDataCenter;
class MidiManager;
class ActionManager;
class StateHolder;

namespace DWQ
{
class CDWQUserEditSectionImpl;
}

// What the DWQR views share: the connected DWQR's data centre and program
// edit section (null while no DWQR environment exists), the write flags of
// an edit and the program-number space of the DWQR.
class DWQViewSupport
{
public:
    static constexpr int numPresets = 11;
    static constexpr int firstUser = 11;
    static constexpr int numUser = 8;
    static constexpr int firstFile = 19;
    static constexpr int programsPerTab = 11;
    static constexpr int endOfFiles = firstFile + 3 * programsPerTab; // 52
    static constexpr int recordSize = 30;

    static DWQDataCenter* getDataCenter();
    static DWQ::CDWQUserEditSectionImpl* getSection();
    static MidiManager* getMidiManager();
    static ActionManager* getActionManager();
    static StateHolder* getStateHolder();

    // True while the amplifier's programs are received or transmitted in
    // bulk. An edit made then is stored and announced but not sent: the
    // amplifier is busy with the transfer.
    static bool isTransferRunning();
    // PutParamIEx flags of an edit: store and announce only during a
    // transfer, otherwise store, announce and send.
    static unsigned editFlags();

    // The first file program of file tab 0, 1 or 2 (any other index counts
    // as the last tab).
    static int firstProgramOfFile(int fileIndex) noexcept;

    // The 30-byte record of a program number of the model's space (preset,
    // user program or file slot), or null. File slots must be read under
    // the data centre's file-tab lock.
    static const unsigned char* recordOf(DWQDataCenter& dataCenter, int program);
};
