#pragma once

#include "ParamTable/COrvaAudioEQSectionBase.h"
#include "ParamTable/orvaKX/sAudioEQBuf.h"

namespace orvaKX
{
// Parameter access to the current audio-EQ block of the data centre.
class CAudioEQSectionImpl : public COrvaAudioEQSectionBase
{
public:
    void Init(Host* host, sAudioEQBuf* block);

protected:
    bool propsOnReinit() const override { return true; }
};
} // namespace orvaKX
