#include "ParamTable/orvaPW/OPWModuleTables.h"

#include <iterator>

// clang-format off

namespace orvaPW
{
// Row fields: name, unit, tooltip, id, PTYPE, ATYPE, byte, first bit, last bit,
// default, min, max, init, flags, format.
const SParamDesc TABLE_AmpType_0[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x200, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x300, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x400, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x600, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x700, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "MID FREQ", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 5, 0, 0x2500, "0\t200\n1\t320\n2\t440\n3\t560\n4\t680\n5\t800" },
    { "ULTRA HI", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 7, 0, 0, 1, 0, 0x4C10, "0\tOFF\n1\tON" },
    { "", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 7, 0, 0, 1, 0, 0x14, "0\tOFF\n1\tON" },
    { "", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2800, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};
const SParamDesc TABLE_AmpType_1[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x200, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x300, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x400, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x600, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x700, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "MID FREQ", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 5, 0, 0x2500, "0\t200\n1\t320\n2\t440\n3\t560\n4\t680\n5\t800" },
    { "ULTRA HI", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 7, 0, 0, 1, 0, 0x4C10, "0\tOFF\n1\tON" },
    { "", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 7, 0, 0, 1, 0, 0x14, "0\tOFF\n1\tON" },
    { "", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2800, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};
const SParamDesc TABLE_AmpType_2[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x200, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x300, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x400, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x600, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x700, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "MID FREQ", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 5, 0, 0x2500, "0\t200\n1\t320\n2\t440\n3\t560\n4\t680\n5\t800" },
    { "", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 7, 0, 0, 1, 0, 0x14, "0\tOFF\n1\tON" },
    { "", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2800, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};
const SParamDesc TABLE_AmpType_3[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x100, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x200, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x300, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x500, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x800, "0~100\t0~10\t%.1f,v" },
    { "PRESENCE", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x600, "0~100\t0~10\t%.1f,v" },
    { "MID FREQ", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 5, 0, 0x2400, "0\t200\n1\t320\n2\t440\n3\t560\n4\t680\n5\t800" },
    { "-", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "BLEND", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 7, 0, 0, 100, 0, 0x720, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2900, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};
const SParamDesc TABLE_AmpType_4[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x100, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x200, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x300, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x400, "0~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x700, "0~100\t0~10\t%.1f,v" },
    { "PRESENCE", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x500, "0~100\t0~10\t%.1f,v" },
    { "RESONANCE", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 100, 0, 0x600, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 7, 0, 0, 1, 0, 0x14, "0\tOFF\n1\tON" },
    { "", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2800, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};
const SParamDesc TABLE_AmpType_5[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x200, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x300, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x400, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x600, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x700, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "MID FREQ", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 5, 0, 0x2500, "0\t200\n1\t320\n2\t440\n3\t560\n4\t680\n5\t800" },
    { "ULTRA HI", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 7, 0, 0, 1, 0, 0x4C10, "0\tOFF\n1\tON" },
    { "", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 7, 0, 0, 1, 0, 0x14, "0\tOFF\n1\tON" },
    { "", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2800, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};
const SParamDesc TABLE_AmpType_6[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x200, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x300, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x400, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x600, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x700, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "MID FREQ", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 5, 0, 0x2500, "0\t200\n1\t320\n2\t440\n3\t560\n4\t680\n5\t800" },
    { "", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 7, 0, 0, 1, 0, 0x14, "0\tOFF\n1\tON" },
    { "", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2800, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};
const SParamDesc TABLE_AmpType_7[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x100, "0~100\t0~10\t%.1f,v" },
    { "FREQUENCY", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x200, "0~100\t0~10\t%.1f,v" },
    { "DECAY", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x300, "0~100\t0~10\t%.1f,v" },
    { "DEPTH", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x400, "0~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x800, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "SENS", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 100, 0, 0x600, "0~100\t0~10\t%.1f,v" },
    { "POLARITY", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 7, 0, 0, 1, 0, 0x4540, "0\tUp\n1\tDown" },
    { "MIX", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 7, 0, 0, 100, 0, 0x720, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2900, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};
const SParamDesc TABLE_AmpType_8[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x100, "0~100\t0~10\t%.1f,v" },
    { "FREQUENCY", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x200, "0~100\t0~10\t%.1f,v" },
    { "DECAY", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x300, "0~100\t0~10\t%.1f,v" },
    { "DEPTH", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x400, "0~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x800, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "SENS", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 100, 0, 0x600, "0~100\t0~10\t%.1f,v" },
    { "POLARITY", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 7, 0, 0, 1, 0, 0x4540, "0\tUp\n1\tDown" },
    { "MIX", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 7, 0, 0, 100, 0, 0x720, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2900, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};
const SParamDesc TABLE_AmpType_9[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x100, "0~100\t0~10\t%.1f,v" },
    { "FREQUENCY", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x200, "0~100\t0~10\t%.1f,v" },
    { "DECAY", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x300, "0~100\t0~10\t%.1f,v" },
    { "DEPTH", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x400, "0~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x800, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "SENS", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 100, 0, 0x600, "0~100\t0~10\t%.1f,v" },
    { "POLARITY", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 7, 0, 0, 1, 0, 0x4540, "0\tUp\n1\tDown" },
    { "MIX", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 7, 0, 0, 100, 0, 0x720, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2900, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};
const SParamDesc TABLE_AmpType_10[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x100, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x200, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x300, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x400, "0~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x700, "0~100\t0~10\t%.1f,v" },
    { "PRESENCE", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x500, "0~100\t0~10\t%.1f,v" },
    { "RESONANCE", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 100, 0, 0x600, "0~100\t0~10\t%.1f,v" },
    { "BRIGHT CAP", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 7, 0, 0, 1, 0, 0x4A10, "0\tOFF\n1\tON" },
    { "LOW CUT", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 7, 0, 0, 1, 0, 0x4E10, "0\tOFF\n1\tON" },
    { "MID BOOST", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 7, 0, 0, 1, 0, 0x4C00, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2800, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};
const SParamDesc TABLE_AmpType_11[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x100, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x200, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x300, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x400, "0~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x700, "0~100\t0~10\t%.1f,v" },
    { "TONE", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x500, "0~100\t0~10\t%.1f,v" },
    { "RESONANCE", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 100, 0, 0x600, "0~100\t0~10\t%.1f,v" },
    { "BRIGHT CAP", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 7, 0, 0, 1, 0, 0x4A10, "0\tOFF\n1\tON" },
    { "LOW CUT", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 7, 0, 0, 1, 0, 0x4E10, "0\tOFF\n1\tON" },
    { "MID BOOST", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 7, 0, 0, 1, 0, 0x4C00, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2800, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};
const SParamDesc TABLE_AmpType_12[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x100, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x200, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x300, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x400, "0~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x700, "0~100\t0~10\t%.1f,v" },
    { "TONE", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x500, "0~100\t0~10\t%.1f,v" },
    { "RESONANCE", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 100, 0, 0x600, "0~100\t0~10\t%.1f,v" },
    { "BRIGHT CAP", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 7, 0, 0, 1, 0, 0x4A10, "0\tOFF\n1\tON" },
    { "LOW CUT", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 7, 0, 0, 1, 0, 0x4E10, "0\tOFF\n1\tON" },
    { "MID BOOST", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 7, 0, 0, 1, 0, 0x4C00, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2800, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};
const SParamDesc TABLE_AmpType_13[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x100, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x200, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x300, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x400, "0~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x700, "0~100\t0~10\t%.1f,v" },
    { "PRESENCE", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x500, "0~100\t0~10\t%.1f,v" },
    { "RESONANCE", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 100, 0, 0x600, "0~100\t0~10\t%.1f,v" },
    { "BRIGHT CAP", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 7, 0, 0, 1, 0, 0x4A10, "0\tOFF\n1\tON" },
    { "LOW CUT", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 7, 0, 0, 1, 0, 0x4E10, "0\tOFF\n1\tON" },
    { "MID BOOST", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 7, 0, 0, 1, 0, 0x4C00, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2800, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};
const SParamDesc TABLE_AmpType_14[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x100, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x200, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x300, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x400, "0~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x700, "0~100\t0~10\t%.1f,v" },
    { "PRESENCE", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x500, "0~100\t0~10\t%.1f,v" },
    { "RESONANCE", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 100, 0, 0x600, "0~100\t0~10\t%.1f,v" },
    { "BRIGHT CAP", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 0, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "LOW CUT", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 0, 0, 0, 1, 0, 0x4D10, "0\tOFF\n1\tON" },
    { "MID BOOST", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 0, 0, 0, 1, 0, 0x4B00, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2800, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};
const SParamDesc TABLE_AmpType_15[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x100, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x200, "0~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x300, "0~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x400, "0~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x700, "0~100\t0~10\t%.1f,v" },
    { "PRESENCE", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x500, "0~100\t0~10\t%.1f,v" },
    { "RESONANCE", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 100, 0, 0x600, "0~100\t0~10\t%.1f,v" },
    { "BRIGHT CAP", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 0, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "LOW CUT", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 0, 0, 0, 1, 0, 0x4D10, "0\tOFF\n1\tON" },
    { "MID BOOST", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 0, 0, 0, 1, 0, 0x4B00, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2800, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};
const SParamDesc TABLE_AmpType_16[] = {
    { "GAIN", "", "", 0x400, PTYPE_CONT, (ATYPE) 2, 19, 0, 7, 0, 0, 100, 0, 0x100, "0~100\t0~10\t%.1f,v" },
    { "TREBLE", "", "", 0x401, PTYPE_CONT, (ATYPE) 2, 20, 0, 7, 0, 0, 100, 0, 0x200, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "MIDDLE", "", "", 0x402, PTYPE_CONT, (ATYPE) 2, 21, 0, 7, 0, 0, 100, 0, 0x300, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "BASS", "", "", 0x403, PTYPE_CONT, (ATYPE) 2, 22, 0, 7, 0, 0, 100, 0, 0x400, "0~49\t-10~-0.2\t%.1f,v\n50~100\t0~10\t%.1f,v" },
    { "VOLUME", "", "", 0x404, PTYPE_CONT, (ATYPE) 2, 23, 0, 7, 0, 0, 100, 0, 0x500, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x405, PTYPE_CONT, (ATYPE) 2, 24, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x406, PTYPE_CONT, (ATYPE) 2, 25, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x407, PTYPE_CONT, (ATYPE) 2, 26, 0, 0, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "", "", "", 0x408, PTYPE_CONT, (ATYPE) 2, 27, 0, 0, 0, 0, 1, 0, 0x14, "0\tOFF\n1\tON" },
    { "", "", "", 0x409, PTYPE_CONT, (ATYPE) 2, 28, 0, 0, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "NR SENS", "", "", 0x100, PTYPE_CONT, (ATYPE) 2, 16, 0, 6, 0, 0, 4, 0, 0x2600, "0\tOFF\n1~4\t1~4\t%.0f,v" },
};

const TABLEDESC TABLEARRAY_AmpFX[17] = {
    { TABLE_AmpType_0, std::size(TABLE_AmpType_0) },
    { TABLE_AmpType_1, std::size(TABLE_AmpType_1) },
    { TABLE_AmpType_2, std::size(TABLE_AmpType_2) },
    { TABLE_AmpType_3, std::size(TABLE_AmpType_3) },
    { TABLE_AmpType_4, std::size(TABLE_AmpType_4) },
    { TABLE_AmpType_5, std::size(TABLE_AmpType_5) },
    { TABLE_AmpType_6, std::size(TABLE_AmpType_6) },
    { TABLE_AmpType_7, std::size(TABLE_AmpType_7) },
    { TABLE_AmpType_8, std::size(TABLE_AmpType_8) },
    { TABLE_AmpType_9, std::size(TABLE_AmpType_9) },
    { TABLE_AmpType_10, std::size(TABLE_AmpType_10) },
    { TABLE_AmpType_11, std::size(TABLE_AmpType_11) },
    { TABLE_AmpType_12, std::size(TABLE_AmpType_12) },
    { TABLE_AmpType_13, std::size(TABLE_AmpType_13) },
    { TABLE_AmpType_14, std::size(TABLE_AmpType_14) },
    { TABLE_AmpType_15, std::size(TABLE_AmpType_15) },
    { TABLE_AmpType_16, std::size(TABLE_AmpType_16) },
};

const SParamDesc TABLE_FX1Type_0[] = {
    { "SENS", "    ", "", 0x500, PTYPE_CONT, (ATYPE) 2, 32, 0, 7, 0, 0, 100, 0, 0x1000, "0~100\t0~10\t%.1f,v" },
    { "ATTACK", "    ", "", 0x501, PTYPE_CONT, (ATYPE) 2, 33, 0, 7, 0, 0, 100, 0, 0x1100, "0~100\t0~10\t%.1f,v" },
    { "LEVEL", "    ", "", 0x502, PTYPE_CONT, (ATYPE) 2, 34, 0, 7, 0, 0, 100, 0, 0x1200, "0~100\t0~10\t%.1f,v" },
    { "VOICE", "    ", "", 0x503, PTYPE_CONT, (ATYPE) 2, 35, 0, 7, 0, 0, 2, 0, 0x3300, "0\t1\n1\t2\n2\t3" },
    { "", "    ", "", 0x504, PTYPE_CONT, (ATYPE) 2, 36, 0, 7, 0, 0, 0, 0, 0x4, "%.0f,v" },
    { "", "    ", "", 0x505, PTYPE_CONT, (ATYPE) 2, 37, 0, 7, 0, 0, 0, 0, 0x4, "%.0f,v" },
};
const SParamDesc TABLE_FX1Type_1[] = {
    { "SENS", "    ", "", 0x500, PTYPE_CONT, (ATYPE) 2, 32, 0, 7, 0, 0, 100, 0, 0x1000, "0~100\t0~10\t%.1f,v" },
    { "DEPTH", "", "", 0x501, PTYPE_CONT, (ATYPE) 2, 33, 0, 7, 0, 0, 100, 0, 0x1100, "0~100\t0~10\t%.1f,v" },
    { "RESONANCE", "", "", 0x502, PTYPE_CONT, (ATYPE) 2, 34, 0, 7, 0, 0, 100, 0, 0x1200, "0~100\t0~10\t%.1f,v" },
    { "FAST/SLOW", "", "", 0x503, PTYPE_CONT, (ATYPE) 2, 35, 0, 7, 0, 0, 1, 0, 0x5300, "0\tSlow\n1\tFast" },
    { "POLARITY", "", "", 0x504, PTYPE_CONT, (ATYPE) 2, 36, 0, 7, 0, 0, 1, 0, 0x5400, "0\tUp\n1\tDown" },
    { "LEVEL", "", "", 0x505, PTYPE_CONT, (ATYPE) 2, 37, 0, 7, 0, 0, 100, 0, 0x1500, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_FX1Type_2[] = {
    { "GAIN", "    ", "", 0x500, PTYPE_CONT, (ATYPE) 2, 32, 0, 7, 0, 0, 100, 0, 0x1000, "0~100\t0~10\t%.1f,v" },
    { "TONE", "    ", "", 0x501, PTYPE_CONT, (ATYPE) 2, 33, 0, 7, 0, 0, 100, 0, 0x1100, "0~100\t0~10\t%.1f,v" },
    { "VOLUME", "    ", "", 0x502, PTYPE_CONT, (ATYPE) 2, 34, 0, 7, 0, 0, 100, 0, 0x1200, "0~100\t0~10\t%.1f,v" },
    { "BLEND", "    ", "", 0x503, PTYPE_CONT, (ATYPE) 2, 35, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "", "    ", "", 0x504, PTYPE_CONT, (ATYPE) 2, 36, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "", "    ", "", 0x505, PTYPE_CONT, (ATYPE) 2, 37, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_FX1Type_3[] = {
    { "SPEED", "[Hz]", "", 0x500, PTYPE_CONT, (ATYPE) 2, 32, 0, 7, 0, 0, 100, 0, 0x1100, "0~9\t0.1~0.145\t%.3f,v\n10~24\t0.15~0.29\t%.2f,v\n25~39\t0.30~0.58\t%.2f,v\n40~49\t0.60~0.96\t%.2f,v\n50~59\t1.00~1.45\t%.2f,v\n60~74\t1.5~2.9\t%.1f,v\n75~89\t3.0~5.8\t%.1f,v\n90~99\t6.0~9.6\t%.1f,v\n100\t10.0" },
    { "DEPTH", "    ", "", 0x501, PTYPE_CONT, (ATYPE) 2, 33, 0, 7, 0, 0, 100, 0, 0x1200, "0~100\t0~10\t%.1f,v" },
    { "MIX", "    ", "", 0x502, PTYPE_CONT, (ATYPE) 2, 34, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "", "    ", "", 0x503, PTYPE_CONT, (ATYPE) 2, 35, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "", "    ", "", 0x504, PTYPE_CONT, (ATYPE) 2, 36, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "", "    ", "", 0x505, PTYPE_CONT, (ATYPE) 2, 37, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
};
const SParamDesc TABLE_FX1Type_4[] = {
    { "SPEED", "[Hz]", "", 0x500, PTYPE_CONT, (ATYPE) 2, 32, 0, 7, 0, 0, 100, 0, 0x1100, "0~9\t0.1~0.145\t%.3f,v\n10~24\t0.15~0.29\t%.2f,v\n25~39\t0.30~0.58\t%.2f,v\n40~49\t0.60~0.96\t%.2f,v\n50~59\t1.00~1.45\t%.2f,v\n60~74\t1.5~2.9\t%.1f,v\n75~89\t3.0~5.8\t%.1f,v\n90~99\t6.0~9.6\t%.1f,v\n100\t10.0" },
    { "DEPTH", "    ", "", 0x501, PTYPE_CONT, (ATYPE) 2, 33, 0, 7, 0, 0, 100, 0, 0x1200, "0~100\t0~10\t%.1f,v" },
    { "MIX", "    ", "", 0x502, PTYPE_CONT, (ATYPE) 2, 34, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "", "    ", "", 0x503, PTYPE_CONT, (ATYPE) 2, 35, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "", "    ", "", 0x504, PTYPE_CONT, (ATYPE) 2, 36, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "", "    ", "", 0x505, PTYPE_CONT, (ATYPE) 2, 37, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
};
const SParamDesc TABLE_FX1Type_5[] = {
    { "SPEED", "[Hz]", "", 0x500, PTYPE_CONT, (ATYPE) 2, 32, 0, 7, 0, 0, 100, 0, 0x1000, "0~9\t0.1~0.145\t%.3f,v\n10~24\t0.15~0.29\t%.2f,v\n25~39\t0.30~0.58\t%.2f,v\n40~49\t0.60~0.96\t%.2f,v\n50~59\t1.00~1.45\t%.2f,v\n60~74\t1.5~2.9\t%.1f,v\n75~89\t3.0~5.8\t%.1f,v\n90~99\t6.0~9.6\t%.1f,v\n100\t10.0" },
    { "DEPTH", "    ", "", 0x501, PTYPE_CONT, (ATYPE) 2, 33, 0, 7, 0, 0, 100, 0, 0x1100, "0~100\t0~10\t%.1f,v" },
    { "RESONANCE", "    ", "", 0x502, PTYPE_CONT, (ATYPE) 2, 34, 0, 7, 0, 0, 100, 0, 0x1200, "0~100\t0~10\t%.1f,v" },
    { "MANUAL", "    ", "", 0x503, PTYPE_CONT, (ATYPE) 2, 35, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x504, PTYPE_CONT, (ATYPE) 2, 36, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "", "", "", 0x505, PTYPE_CONT, (ATYPE) 2, 37, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
};
const SParamDesc TABLE_FX1Type_6[] = {
    { "SPEED", "[Hz]", "", 0x500, PTYPE_CONT, (ATYPE) 2, 32, 0, 7, 0, 0, 100, 0, 0x1000, "0~9\t0.1~0.145\t%.3f,v\n10~24\t0.15~0.29\t%.2f,v\n25~39\t0.30~0.58\t%.2f,v\n40~49\t0.60~0.96\t%.2f,v\n50~59\t1.00~1.45\t%.2f,v\n60~74\t1.5~2.9\t%.1f,v\n75~89\t3.0~5.8\t%.1f,v\n90~99\t6.0~9.6\t%.1f,v\n100\t10.0" },
    { "DEPTH", "    ", "", 0x501, PTYPE_CONT, (ATYPE) 2, 33, 0, 7, 0, 0, 100, 0, 0x1100, "0~100\t0~10\t%.1f,v" },
    { "RESONANCE", "    ", "", 0x502, PTYPE_CONT, (ATYPE) 2, 34, 0, 7, 0, 0, 100, 0, 0x1200, "0~100\t0~10\t%.1f,v" },
    { "MANUAL", "    ", "", 0x503, PTYPE_CONT, (ATYPE) 2, 35, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "", "", "", 0x504, PTYPE_CONT, (ATYPE) 2, 36, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
    { "", "", "", 0x505, PTYPE_CONT, (ATYPE) 2, 37, 0, 7, 0, 0, 1, 0, 0x4, "0\tOFF\n1\tON" },
};
const SParamDesc TABLE_FX1Type_7[] = {
    { "SPEED", "[Hz]", "", 0x500, PTYPE_CONT, (ATYPE) 2, 32, 0, 7, 0, 0, 100, 0, 0x1000, "0~9\t0.1~0.145\t%.3f,v\n10~24\t0.15~0.29\t%.2f,v\n25~39\t0.30~0.58\t%.2f,v\n40~49\t0.60~0.96\t%.2f,v\n50~59\t1.00~1.45\t%.2f,v\n60~74\t1.5~2.9\t%.1f,v\n75~89\t3.0~5.8\t%.1f,v\n90~99\t6.0~9.6\t%.1f,v\n100\t10.0" },
    { "DEPTH", "    ", "", 0x501, PTYPE_CONT, (ATYPE) 2, 33, 0, 7, 0, 0, 100, 0, 0x1100, "0~100\t0~10\t%.1f,v" },
    { "RESONANCE", "    ", "", 0x502, PTYPE_CONT, (ATYPE) 2, 34, 0, 7, 0, 0, 100, 0, 0x1200, "0~100\t0~10\t%.1f,v" },
    { "MANUAL", "    ", "", 0x503, PTYPE_CONT, (ATYPE) 2, 35, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "", "    ", "", 0x504, PTYPE_CONT, (ATYPE) 2, 36, 0, 7, 0, 0, 0, 0, 0x4, "%.0f,v" },
    { "", "    ", "", 0x505, PTYPE_CONT, (ATYPE) 2, 37, 0, 7, 0, 0, 0, 0, 0x4, "%.0f,v" },
};
const SParamDesc TABLE_FX1Type_8[] = {
    { "SPEED", "[Hz]", "", 0x500, PTYPE_CONT, (ATYPE) 2, 32, 0, 7, 0, 0, 100, 0, 0x1000, "0~9\t0.1~0.145\t%.3f,v\n10~24\t0.15~0.29\t%.2f,v\n25~39\t0.30~0.58\t%.2f,v\n40~49\t0.60~0.96\t%.2f,v\n50~59\t1.00~1.45\t%.2f,v\n60~74\t1.5~2.9\t%.1f,v\n75~89\t3.0~5.8\t%.1f,v\n90~99\t6.0~9.6\t%.1f,v\n100\t10.0" },
    { "DEPTH", "    ", "", 0x501, PTYPE_CONT, (ATYPE) 2, 33, 0, 7, 0, 0, 100, 0, 0x1100, "0~100\t0~10\t%.1f,v" },
    { "RESONANCE", "    ", "", 0x502, PTYPE_CONT, (ATYPE) 2, 34, 0, 7, 0, 0, 1, 0, 0x5200, "0\tOff\n1\tOn" },
    { "MANUAL", "    ", "", 0x503, PTYPE_CONT, (ATYPE) 2, 35, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "", "    ", "", 0x504, PTYPE_CONT, (ATYPE) 2, 36, 0, 7, 0, 0, 0, 0, 0x4, "%.0f,v" },
    { "", "    ", "", 0x505, PTYPE_CONT, (ATYPE) 2, 37, 0, 7, 0, 0, 0, 0, 0x4, "%.0f,v" },
};
const SParamDesc TABLE_FX1Type_9[] = {
    { "SPEED", "[Hz]", "", 0x500, PTYPE_CONT, (ATYPE) 2, 32, 0, 7, 50, 50, 100, 0, 0x1000, "50~59\t1.00~1.45\t%.2f,v\n60~74\t1.5~2.9\t%.1f,v\n75~89\t3.0~5.8\t%.1f,v\n90~99\t6.0~9.6\t%.1f,v\n100\t10.0" },
    { "DEPTH", "    ", "", 0x501, PTYPE_CONT, (ATYPE) 2, 33, 0, 7, 0, 0, 100, 0, 0x1100, "0~100\t0~10\t%.1f,v" },
    { "DUTY", "    ", "", 0x502, PTYPE_CONT, (ATYPE) 2, 34, 0, 7, 0, 0, 100, 0, 0x1200, "0~100\t0~10\t%.1f,v" },
    { "SPREAD", "    ", "", 0x503, PTYPE_CONT, (ATYPE) 2, 35, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "", "    ", "", 0x504, PTYPE_CONT, (ATYPE) 2, 36, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "", "    ", "", 0x505, PTYPE_CONT, (ATYPE) 2, 37, 0, 7, 0, 0, 0, 0, 0x4, "%.0f,v" },
};
const SParamDesc TABLE_FX1Type_10[] = {
    { "SPEED", "[Hz]", "", 0x500, PTYPE_CONT, (ATYPE) 2, 32, 0, 7, 50, 50, 100, 0, 0x1100, "50~59\t1.00~1.45\t%.2f,v\n60~74\t1.5~2.9\t%.1f,v\n75~89\t3.0~5.8\t%.1f,v\n90~99\t6.0~9.6\t%.1f,v\n100\t10.0" },
    { "DEPTH", "    ", "", 0x501, PTYPE_CONT, (ATYPE) 2, 33, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "", "    ", "", 0x502, PTYPE_CONT, (ATYPE) 2, 34, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "", "    ", "", 0x503, PTYPE_CONT, (ATYPE) 2, 35, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "", "    ", "", 0x504, PTYPE_CONT, (ATYPE) 2, 36, 0, 7, 0, 0, 100, 0, 0x4, "0~100\t0~10\t%.1f,v" },
    { "", "    ", "", 0x505, PTYPE_CONT, (ATYPE) 2, 37, 0, 7, 0, 0, 0, 0, 0x4, "%.0f,v" },
};

const TABLEDESC TABLEARRAY_FX1FX[11] = {
    { TABLE_FX1Type_0, std::size(TABLE_FX1Type_0) },
    { TABLE_FX1Type_1, std::size(TABLE_FX1Type_1) },
    { TABLE_FX1Type_2, std::size(TABLE_FX1Type_2) },
    { TABLE_FX1Type_3, std::size(TABLE_FX1Type_3) },
    { TABLE_FX1Type_4, std::size(TABLE_FX1Type_4) },
    { TABLE_FX1Type_5, std::size(TABLE_FX1Type_5) },
    { TABLE_FX1Type_6, std::size(TABLE_FX1Type_6) },
    { TABLE_FX1Type_7, std::size(TABLE_FX1Type_7) },
    { TABLE_FX1Type_8, std::size(TABLE_FX1Type_8) },
    { TABLE_FX1Type_9, std::size(TABLE_FX1Type_9) },
    { TABLE_FX1Type_10, std::size(TABLE_FX1Type_10) },
};

const SParamDesc TABLE_FX2Type_0[] = {
    { "TIME", "[ms]", "", 0x600, PTYPE_CONT, (ATYPE) 17, 40, 0, 15, 30, 30, 1000, 0, 0x1000, "%.0f,v" },
    { "FEEDBACK", "    ", "", 0x601, PTYPE_CONT, (ATYPE) 2, 42, 0, 7, 0, 0, 100, 0, 0x1100, "0~100\t0~10\t%.1f,v" },
    { "MIX", "    ", "", 0x602, PTYPE_CONT, (ATYPE) 2, 43, 0, 7, 0, 0, 100, 0, 0x1200, "0~100\t0~10\t%.1f,v" },
    { "HIGH DAMP", "    ", "", 0x603, PTYPE_CONT, (ATYPE) 2, 44, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "MOD SPEED", "    ", "", 0x604, PTYPE_CONT, (ATYPE) 2, 45, 0, 7, 0, 0, 100, 0, 0x1400, "0~100\t0~10\t%.1f,v" },
    { "MOD DEPTH", "    ", "", 0x605, PTYPE_CONT, (ATYPE) 2, 46, 0, 7, 0, 0, 100, 0, 0x1500, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_FX2Type_1[] = {
    { "TIME", "[ms]", "", 0x600, PTYPE_CONT, (ATYPE) 17, 40, 0, 15, 30, 30, 1000, 0, 0x1000, "%.0f,v" },
    { "FEEDBACK", "    ", "", 0x601, PTYPE_CONT, (ATYPE) 2, 42, 0, 7, 0, 0, 100, 0, 0x1100, "0~100\t0~10\t%.1f,v" },
    { "MIX", "    ", "", 0x602, PTYPE_CONT, (ATYPE) 2, 43, 0, 7, 0, 0, 100, 0, 0x1200, "0~100\t0~10\t%.1f,v" },
    { "HIGH DAMP", "    ", "", 0x603, PTYPE_CONT, (ATYPE) 2, 44, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "MOD SPEED", "    ", "", 0x604, PTYPE_CONT, (ATYPE) 2, 45, 0, 7, 0, 0, 100, 0, 0x1400, "0~100\t0~10\t%.1f,v" },
    { "MOD DEPTH", "    ", "", 0x605, PTYPE_CONT, (ATYPE) 2, 46, 0, 7, 0, 0, 100, 0, 0x1500, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_FX2Type_2[] = {
    { "TIME", "[ms]", "", 0x600, PTYPE_CONT, (ATYPE) 17, 40, 0, 15, 30, 30, 1000, 0, 0x1000, "%.0f,v" },
    { "FEEDBACK", "    ", "", 0x601, PTYPE_CONT, (ATYPE) 2, 42, 0, 7, 0, 0, 100, 0, 0x1100, "0~100\t0~10\t%.1f,v" },
    { "MIX", "    ", "", 0x602, PTYPE_CONT, (ATYPE) 2, 43, 0, 7, 0, 0, 100, 0, 0x1200, "0~100\t0~10\t%.1f,v" },
    { "HIGH DAMP", "    ", "", 0x603, PTYPE_CONT, (ATYPE) 2, 44, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "MOD SPEED", "    ", "", 0x604, PTYPE_CONT, (ATYPE) 2, 45, 0, 7, 0, 0, 100, 0, 0x1400, "0~100\t0~10\t%.1f,v" },
    { "MOD DEPTH", "    ", "", 0x605, PTYPE_CONT, (ATYPE) 2, 46, 0, 7, 0, 0, 100, 0, 0x1500, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_FX2Type_3[] = {
    { "TIME", "[ms]", "", 0x600, PTYPE_CONT, (ATYPE) 17, 40, 0, 15, 30, 30, 1000, 0, 0x1000, "%.0f,v" },
    { "FEEDBACK", "    ", "", 0x601, PTYPE_CONT, (ATYPE) 2, 42, 0, 7, 0, 0, 100, 0, 0x1100, "0~100\t0~10\t%.1f,v" },
    { "MIX", "    ", "", 0x602, PTYPE_CONT, (ATYPE) 2, 43, 0, 7, 0, 0, 100, 0, 0x1200, "0~100\t0~10\t%.1f,v" },
    { "HIGH DAMP", "    ", "", 0x603, PTYPE_CONT, (ATYPE) 2, 44, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "MOD SPEED", "    ", "", 0x604, PTYPE_CONT, (ATYPE) 2, 45, 0, 7, 0, 0, 100, 0, 0x1400, "0~100\t0~10\t%.1f,v" },
    { "MOD DEPTH", "    ", "", 0x605, PTYPE_CONT, (ATYPE) 2, 46, 0, 7, 0, 0, 100, 0, 0x1500, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_FX2Type_4[] = {
    { "TIME", "[ms]", "", 0x600, PTYPE_CONT, (ATYPE) 17, 40, 0, 15, 130, 130, 1200, 0, 0x1000, "%.0f,v" },
    { "", "", "", 0x601, PTYPE_CONT, (ATYPE) 2, 42, 0, 7, 0, 0, 0, 0, 0x4, "%.0f,v" },
    { "MIX", "", "", 0x602, PTYPE_CONT, (ATYPE) 2, 43, 0, 7, 0, 0, 100, 0, 0x1100, "0~100\t0~10\t%.1f,v" },
    { "PRE DELAY", "[ms]", "", 0x603, PTYPE_CONT, (ATYPE) 2, 44, 0, 7, 0, 0, 70, 0, 0x1200, "%.0f,v" },
    { "HIGH DAMP", "", "", 0x604, PTYPE_CONT, (ATYPE) 2, 45, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "LOW DAMP", "", "", 0x605, PTYPE_CONT, (ATYPE) 2, 46, 0, 7, 0, 0, 100, 0, 0x1400, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_FX2Type_5[] = {
    { "TIME", "[ms]", "", 0x600, PTYPE_CONT, (ATYPE) 17, 40, 0, 15, 320, 320, 2500, 0, 0x1000, "%.0f,v" },
    { "", "", "", 0x601, PTYPE_CONT, (ATYPE) 2, 42, 0, 7, 0, 0, 0, 0, 0x4, "%.0f,v" },
    { "MIX", "", "", 0x602, PTYPE_CONT, (ATYPE) 2, 43, 0, 7, 0, 0, 100, 0, 0x1100, "0~100\t0~10\t%.1f,v" },
    { "PRE DELAY", "[ms]", "", 0x603, PTYPE_CONT, (ATYPE) 2, 44, 0, 7, 0, 0, 70, 0, 0x1200, "%.0f,v" },
    { "HIGH DAMP", "", "", 0x604, PTYPE_CONT, (ATYPE) 2, 45, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "LOW DAMP", "", "", 0x605, PTYPE_CONT, (ATYPE) 2, 46, 0, 7, 0, 0, 100, 0, 0x1400, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_FX2Type_6[] = {
    { "TIME", "[ms]", "", 0x600, PTYPE_CONT, (ATYPE) 17, 40, 0, 15, 460, 460, 2000, 0, 0x1000, "%.0f,v" },
    { "", "", "", 0x601, PTYPE_CONT, (ATYPE) 2, 42, 0, 7, 0, 0, 0, 0, 0x4, "%.0f,v" },
    { "MIX", "", "", 0x602, PTYPE_CONT, (ATYPE) 2, 43, 0, 7, 0, 0, 100, 0, 0x1100, "0~100\t0~10\t%.1f,v" },
    { "PRE DELAY", "[ms]", "", 0x603, PTYPE_CONT, (ATYPE) 2, 44, 0, 7, 0, 0, 70, 0, 0x1200, "%.0f,v" },
    { "HIGH DAMP", "", "", 0x604, PTYPE_CONT, (ATYPE) 2, 45, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "LOW DAMP", "", "", 0x605, PTYPE_CONT, (ATYPE) 2, 46, 0, 7, 0, 0, 100, 0, 0x1400, "0~100\t0~10\t%.1f,v" },
};
const SParamDesc TABLE_FX2Type_7[] = {
    { "TIME", "[ms]", "", 0x600, PTYPE_CONT, (ATYPE) 17, 40, 0, 15, 250, 250, 2000, 0, 0x1000, "%.0f,v" },
    { "", "", "", 0x601, PTYPE_CONT, (ATYPE) 2, 42, 0, 7, 0, 0, 0, 0, 0x4, "%.0f,v" },
    { "MIX", "", "", 0x602, PTYPE_CONT, (ATYPE) 2, 43, 0, 7, 0, 0, 100, 0, 0x1100, "0~100\t0~10\t%.1f,v" },
    { "PRE DELAY", "[ms]", "", 0x603, PTYPE_CONT, (ATYPE) 2, 44, 0, 7, 0, 0, 70, 0, 0x1200, "%.0f,v" },
    { "HIGH DAMP", "", "", 0x604, PTYPE_CONT, (ATYPE) 2, 45, 0, 7, 0, 0, 100, 0, 0x1300, "0~100\t0~10\t%.1f,v" },
    { "LOW DAMP", "", "", 0x605, PTYPE_CONT, (ATYPE) 2, 46, 0, 7, 0, 0, 100, 0, 0x1400, "0~100\t0~10\t%.1f,v" },
};

const TABLEDESC TABLEARRAY_FX2FX[8] = {
    { TABLE_FX2Type_0, std::size(TABLE_FX2Type_0) },
    { TABLE_FX2Type_1, std::size(TABLE_FX2Type_1) },
    { TABLE_FX2Type_2, std::size(TABLE_FX2Type_2) },
    { TABLE_FX2Type_3, std::size(TABLE_FX2Type_3) },
    { TABLE_FX2Type_4, std::size(TABLE_FX2Type_4) },
    { TABLE_FX2Type_5, std::size(TABLE_FX2Type_5) },
    { TABLE_FX2Type_6, std::size(TABLE_FX2Type_6) },
    { TABLE_FX2Type_7, std::size(TABLE_FX2Type_7) },
};
} // namespace orvaPW
// clang-format on
