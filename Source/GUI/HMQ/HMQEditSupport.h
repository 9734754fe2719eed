#pragma once

namespace HMQ
{
class CHMQUserEditSectionImpl;
class CHMQCustomSectionImpl;
} // namespace HMQ

// What the HMQ editor pages share: the program edit section of the current
// device's data centre, and the write flags of an edit.
class HMQEditSupport
{
public:
    // The HMQ program edit section, or null while no HMQ data centre exists.
    static HMQ::CHMQUserEditSectionImpl* getUserEditSection();
    static HMQ::CHMQCustomSectionImpl* getCustomSection();

    // Whether all programs are being received or transmitted: the views
    // skip their full refreshes then.
    static bool isBulkTransferRunning();

    // Whether any transfer of programs or custom slots runs.
    static bool isTransferRunning();

    // An edit is stored, announced and sent; during a transfer it is stored
    // and announced only, so that nothing interleaves with the dump stream.
    static unsigned getWriteFlags();

    // Writes with the write flags; false (nothing written) without a section.
    static bool write(int paramId, int value, int source);
};
