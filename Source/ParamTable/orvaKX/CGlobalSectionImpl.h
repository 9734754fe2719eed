#pragma once

#include "ParamTable/COrvaGlobalSectionBase.h"
#include "ParamTable/orvaKX/sGlobalBuf.h"

namespace orvaKX
{
// Parameter access to the global block of the data centre.
class CGlobalSectionImpl : public COrvaGlobalSectionBase
{
public:
    void Init(Host* host, sGlobalBuf* block);
};
} // namespace orvaKX
