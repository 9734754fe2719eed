#pragma once

#include "ParamTable/COrvaAudioEQSectionBase.h"
#include "ParamTable/orvaPW/sAudioEQBuf.h"

namespace orvaPW
{
// Parameter access to the current audio-EQ block of the data centre.
class CAudioEQSectionImpl : public COrvaAudioEQSectionBase
{
public:
    void Init(Host* host, sAudioEQBuf* block);

protected:
    bool propsOnReinit() const override { return false; }
};
} // namespace orvaPW
