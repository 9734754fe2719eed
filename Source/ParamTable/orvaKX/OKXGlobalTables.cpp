#include "ParamTable/orvaKX/OKXGlobalTables.h"

// clang-format off

namespace orvaKX
{
// Row fields: name, unit, tooltip, id, PTYPE, ATYPE, byte, first bit, last bit,
// default, min, max, init, flags, format.
const SParamDesc TABLE_GLOBALPARAM[3] = {
    { " ", "", "", 0x4200, PTYPE_CONT, ATYPE_UBF8, 2, 0, 7, 0, 0, 1, 0, 0x0, "0\tOFF\n1\tON" },
    { " ", "", "", 0x4300, PTYPE_CONT, ATYPE_UBF8, 3, 0, 7, 0, 0, 2, 0, 0x0, "0\tMODE 1\n1\tMODE 2\n2\tMODE 3" },
    { " ", "", "", 0x4400, PTYPE_CONT, ATYPE_UBF8, 4, 0, 7, 0, 0, 4, 0, 0x0, "0\tOFF\n1\tEQ 1\n2\tEQ 2\n3\tEQ 3\n4\tEQ 4" },
};

const TABLEDESC TABLEDESC_GLOBALPARAM { TABLE_GLOBALPARAM, 3 };

const unsigned char INITCHUNK_GLOBALPARAM[19] = {};

const SParamDesc TABLE_AUDIOEQPARAM[14] = {
    { " ", "dB", "", 0x6000, PTYPE_CONT, ATYPE_UBF8, 0, 0, 7, 120, 0, 240, 0, 0x0, "0~240\t-12~12\t%.1f,v" },
    { " ", "", "", 0x6100, PTYPE_CONT, ATYPE_UBF8, 1, 0, 7, 0, 0, 1, 0, 0x0, "0\tOFF\n1\tON" },
    { " ", "Hz", "", 0x6200, PTYPE_CONT, ATYPE_UBF16L, 2, 0, 15, 100, 40, 1000, 0, 0x0, "%.0f,v" },
    { " ", "dB", "", 0x6201, PTYPE_CONT, ATYPE_UBF8, 4, 0, 7, 24, 0, 48, 0, 0x0, "0~48\t-12~12\t%.1f,v" },
    { " ", "", "", 0x6202, PTYPE_CONT, ATYPE_UBF8, 5, 0, 7, 7, 4, 10, 0, 0x0, "4~10\t0.4~1\t%.1f,v" },
    { " ", "Hz", "", 0x6300, PTYPE_CONT, ATYPE_UBF16L, 6, 0, 15, 500, 80, 2000, 0, 0x0, "%.0f,v" },
    { " ", "dB", "", 0x6301, PTYPE_CONT, ATYPE_UBF8, 8, 0, 7, 24, 0, 48, 0, 0x0, "0~48\t-12~12\t%.1f,v" },
    { " ", "", "", 0x6302, PTYPE_CONT, ATYPE_UBF8, 9, 0, 7, 7, 4, 60, 0, 0x0, "4~60\t0.4~6\t%.1f,v" },
    { " ", "Hz", "", 0x6400, PTYPE_CONT, ATYPE_UBF16L, 10, 0, 15, 1000, 600, 10000, 0, 0x0, "%.0f,v" },
    { " ", "dB", "", 0x6401, PTYPE_CONT, ATYPE_UBF8, 12, 0, 7, 24, 0, 48, 0, 0x0, "0~48\t-12~12\t%.1f,v" },
    { " ", "", "", 0x6402, PTYPE_CONT, ATYPE_UBF8, 13, 0, 7, 7, 4, 60, 0, 0x0, "4~60\t0.4~6\t%.1f,v" },
    { " ", "Hz", "", 0x6500, PTYPE_CONT, ATYPE_UBF16L, 14, 0, 15, 5000, 1000, 11000, 0, 0x0, "%.0f,v" },
    { " ", "dB", "", 0x6501, PTYPE_CONT, ATYPE_UBF8, 16, 0, 7, 24, 0, 48, 0, 0x0, "0~48\t-12~12\t%.1f,v" },
    { " ", "", "", 0x6502, PTYPE_CONT, ATYPE_UBF8, 17, 0, 7, 7, 4, 10, 0, 0x0, "4~10\t0.4~1\t%.1f,v" },
};

const TABLEDESC TABLEDESC_AUDIOEQPARAM { TABLE_AUDIOEQPARAM, 14 };

const unsigned char INITCHUNK_AUDIOEQPARAM[18] = {
    0x78, 0x00, 0x64, 0x00, 0x18, 0x07, 0xf4, 0x01, 0x18, 0x07, 0xe8, 0x03, 0x18, 0x07, 0x88, 0x13, 0x18, 0x07,
};
} // namespace orvaKX
// clang-format on
