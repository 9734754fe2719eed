#pragma once

#include "ParamTable/TABLEDESC.h"

// Rows and init images of the global and audio-EQ sections.
namespace orvaPW
{
extern const SParamDesc TABLE_GLOBALPARAM[3];
extern const TABLEDESC TABLEDESC_GLOBALPARAM;
extern const unsigned char INITCHUNK_GLOBALPARAM[19];

extern const SParamDesc TABLE_AUDIOEQPARAM[14];
extern const TABLEDESC TABLEDESC_AUDIOEQPARAM;
extern const unsigned char INITCHUNK_AUDIOEQPARAM[18];
} // namespace orvaPW
