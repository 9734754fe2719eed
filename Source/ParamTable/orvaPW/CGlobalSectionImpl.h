#pragma once

#include "ParamTable/COrvaGlobalSectionBase.h"
#include "ParamTable/orvaPW/sGlobalBuf.h"

namespace orvaPW
{
// Parameter access to the global block of the data centre.
class CGlobalSectionImpl : public COrvaGlobalSectionBase
{
public:
    void Init(Host* host, sGlobalBuf* block);
};
} // namespace orvaPW
