#pragma once

// Value kind of a parameter row: selects the value converter and whether the
// numeric accessor is plain or mapped through the row's value list.
// 9 and 10 behave as 5, 7 and 8 as 6; 1 to 3 and values above 10 are unused.
enum PTYPE : int
{
    PTYPE_NONE = 0,
    PTYPE_UNUSED1 = 1,
    PTYPE_UNUSED2 = 2,
    PTYPE_UNUSED3 = 3,
    PTYPE_STR = 4,
    PTYPE_CONT = 5,
    PTYPE_ENUM = 6,
    PTYPE_ENUM7 = 7,
    PTYPE_ENUM8 = 8,
    PTYPE_CONT9 = 9,
    PTYPE_CONT10 = 10
};

// Accessor kind of a parameter row: word width, byte order, signedness, bias
// or translation of a numeric field, or the layout of a text field.
// 0, 21, 22 and values above 27 name no accessor.
enum ATYPE : int
{
    ATYPE_NONE = 0,
    ATYPE_STR16 = 1,
    ATYPE_UBF8 = 2,
    ATYPE_UBF8SF2 = 3,
    ATYPE_UBF8OKXAMP = 4,
    ATYPE_UBF8OPWAMP = 5,
    ATYPE_UBF8OKXFX1 = 6,
    ATYPE_UBF8OPWFX1 = 7,
    ATYPE_SBF8 = 8,
    ATYPE_SBF8C64 = 9,
    ATYPE_SBF8C2 = 10,
    ATYPE_UBF16B = 11,
    ATYPE_SBF16B = 12,
    ATYPE_UBF24B = 13,
    ATYPE_UBF32B = 14,
    ATYPE_UBF32BSF4 = 15,
    ATYPE_SBF32B = 16,
    ATYPE_UBF16L = 17,
    ATYPE_SBF16L = 18,
    ATYPE_UBF24L = 19,
    ATYPE_SBF24L = 20,
    ATYPE_STR24 = 23,
    ATYPE_STRVZ32 = 24,
    ATYPE_STRV256 = 25,
    ATYPE_STRLCD10 = 26,
    ATYPE_STRLCD6BIT10 = 27
};
