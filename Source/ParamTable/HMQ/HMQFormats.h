#pragma once

// Value formats of the HMQ parameter tables: value lists ("value\tlabel" lines
// or newline-separated names) and value-to-text rules.
namespace HMQ
{
constexpr const char* FMTSTR_0_10 = "0~100\t0~10\t%.1f,v";
constexpr const char* FMTSTR_FLOAT0 = "%.0f,v";
constexpr const char* FMTSTR_Speed100_10000 = "100~10000\t0.1~10.0\t%.3f,v";
constexpr const char* FMTSTR_Speed100_5000 = "100~5000\t0.1~5.0\t%.3f,v";
constexpr const char* FMTSTR_Speed1650_10000 = "1650~10000\t1.65~10.0\t%.3f,v";
constexpr const char* FMTSTR_OFFON = "0\tOFF\n1\tON";
constexpr const char* FMTSTR_BIAS = "0\tOFF\n1\tCOLD\n2\tHOT";
constexpr const char* FMTSTR_CLASS = "0\tA\n1\tA/B";
constexpr const char* FMTSTR_PEDAL1TYPE =
    "COMP\nCHORUS\nTUBE OD\nGOLD DRIVE\nTREBLE BOOST\nRC TURBO\nORANGE DIST\nFAT DIST\nBRIT LEAD\nFUZZ";
constexpr const char* FMTSTR_PEDAL2TYPE = "FLANGER\nBLK PHASER\nORG PHASER 1\nORG PHASER 2\nTREMOLO\nTAPE ECHO\nANALOG DELAY";
constexpr const char* FMTSTR_REVTYPE = "ROOM\nSPRING\nHALL\nPLATE";
constexpr const char* FMTSTR_AMPTYPE =
    "DELUXE CL VIBRATO\nDELUXE CL NORMAL\nTWEED 4x10 BRIGHT\nTWEED 4x10 NORMAL\nBOUTIQUE CL\nBOUTIQUE OD\nZUL QT50\nZUL QT50HB\nBRIT 1959 TREBLE\nBRIT 1959 NORMAL\nBRIT 800\nBRIT VM\nSL-OD\nDOUBLE REC\nCALI ELATION\nERUPT III CH2\nERUPT III CH3\nBOUTIQUE METAL\nBRIT OR MKII\nORIGINAL CL";
} // namespace HMQ
