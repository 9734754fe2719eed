#include "ParamTable/CAccessorPool.h"

#include "ParamTable/CAccessorMapped.h"
#include "ParamTable/CAccessorSBF16B.h"
#include "ParamTable/CAccessorSBF16L.h"
#include "ParamTable/CAccessorSBF24L.h"
#include "ParamTable/CAccessorSBF32B.h"
#include "ParamTable/CAccessorSBF8.h"
#include "ParamTable/CAccessorSBF8C2.h"
#include "ParamTable/CAccessorSBF8C64.h"
#include "ParamTable/CAccessorStr.h"
#include "ParamTable/CAccessorStrLCD.h"
#include "ParamTable/CAccessorStrLCD6bit.h"
#include "ParamTable/CAccessorStrV.h"
#include "ParamTable/CAccessorStrVZ.h"
#include "ParamTable/CAccessorUBF16B.h"
#include "ParamTable/CAccessorUBF16L.h"
#include "ParamTable/CAccessorUBF24B.h"
#include "ParamTable/CAccessorUBF24L.h"
#include "ParamTable/CAccessorUBF32B.h"
#include "ParamTable/CAccessorUBF32BSF4.h"
#include "ParamTable/CAccessorUBF8.h"
#include "ParamTable/CAccessorUBF8OKXAMP.h"
#include "ParamTable/CAccessorUBF8OKXFX1.h"
#include "ParamTable/CAccessorUBF8OPWAMP.h"
#include "ParamTable/CAccessorUBF8OPWFX1.h"
#include "ParamTable/CAccessorUBF8SF2.h"
#include "ParamTable/mathutl.h"

#include <tuple>

namespace
{
// The plain accessor of a numeric ATYPE, or the mapped one over it when the
// row is a list parameter; null for an ATYPE without a numeric accessor.
template <class B>
std::unique_ptr<IAccessorI> make(unsigned char model, unsigned first, unsigned last, const std::vector<int>* values)
{
    if (values != nullptr)
        return std::make_unique<CAccessorMapped<B>>(model, first, last, *values);
    return std::make_unique<B>(model, first, last);
}

std::unique_ptr<IAccessorI> createNumeric(ATYPE atype, unsigned char model, unsigned first, unsigned last,
                                          const std::vector<int>* values)
{
    switch (atype)
    {
        case ATYPE_UBF8: return make<CAccessorUBF8>(model, first, last, values);
        case ATYPE_UBF8SF2: return make<CAccessorUBF8SF2>(model, first, last, values);
        case ATYPE_UBF8OKXAMP: return make<CAccessorUBF8OKXAMP>(model, first, last, values);
        case ATYPE_UBF8OPWAMP: return make<CAccessorUBF8OPWAMP>(model, first, last, values);
        case ATYPE_UBF8OKXFX1: return make<CAccessorUBF8OKXFX1>(model, first, last, values);
        case ATYPE_UBF8OPWFX1: return make<CAccessorUBF8OPWFX1>(model, first, last, values);
        case ATYPE_SBF8: return make<CAccessorSBF8>(model, first, last, values);
        case ATYPE_SBF8C64: return make<CAccessorSBF8C64>(model, first, last, values);
        case ATYPE_SBF8C2: return make<CAccessorSBF8C2>(model, first, last, values);
        case ATYPE_UBF16B: return make<CAccessorUBF16B>(model, first, last, values);
        case ATYPE_SBF16B: return make<CAccessorSBF16B>(model, first, last, values);
        case ATYPE_UBF24B:
            // There is no list parameter over a 24-bit big-endian word.
            if (values != nullptr)
                return nullptr;
            return std::make_unique<CAccessorUBF24B>(model, first, last);
        case ATYPE_UBF32B: return make<CAccessorUBF32B>(model, first, last, values);
        case ATYPE_UBF32BSF4: return make<CAccessorUBF32BSF4>(model, first, last, values);
        case ATYPE_SBF32B: return make<CAccessorSBF32B>(model, first, last, values);
        case ATYPE_UBF16L: return make<CAccessorUBF16L>(model, first, last, values);
        case ATYPE_SBF16L: return make<CAccessorSBF16L>(model, first, last, values);
        case ATYPE_UBF24L: return make<CAccessorUBF24L>(model, first, last, values);
        case ATYPE_SBF24L: return make<CAccessorSBF24L>(model, first, last, values);
        default: return nullptr;
    }
}
} // namespace

bool CAccessorPool::Key::operator<(const Key& other) const
{
    return std::tie(model, ptype, atype, first, last, values)
           < std::tie(other.model, other.ptype, other.atype, other.first, other.last, other.values);
}

CAccessorPool::CAccessorPool() = default;
CAccessorPool::~CAccessorPool() = default;

IAccessor* CAccessorPool::Get(unsigned char model, PTYPE ptype, ATYPE atype, unsigned first, unsigned last, const char* format)
{
    switch (ptype)
    {
        case PTYPE_CONT:
        case PTYPE_CONT9:
        case PTYPE_CONT10:
        case PTYPE_ENUM:
        case PTYPE_ENUM7:
        case PTYPE_ENUM8:
        {
            const bool mapped = ptype == PTYPE_ENUM || ptype == PTYPE_ENUM7 || ptype == PTYPE_ENUM8;
            Key key { model, (int) ptype, (int) atype, first, last, {} };
            if (mapped)
                mathutl::breakenumstring(format, &key.values, nullptr, nullptr);

            const auto found = numeric.find(key);
            if (found != numeric.end())
                return found->second.get();

            auto accessor = createNumeric(atype, model, first, last, mapped ? &key.values : nullptr);
            if (accessor == nullptr)
                return nullptr;
            IAccessor* result = accessor.get();
            numeric.emplace(std::move(key), std::move(accessor));
            return result;
        }

        case PTYPE_STR:
            switch (atype)
            {
                case ATYPE_STR16:
                {
                    static CAccessorStr<16> accessor;
                    return &accessor;
                }
                case ATYPE_STR24:
                {
                    static CAccessorStr<24> accessor;
                    return &accessor;
                }
                case ATYPE_STRVZ32:
                {
                    static CAccessorStrVZ<32> accessor;
                    return &accessor;
                }
                case ATYPE_STRV256:
                {
                    static CAccessorStrV<256> accessor;
                    return &accessor;
                }
                case ATYPE_STRLCD10:
                {
                    static CAccessorStrLCD<10> accessor;
                    return &accessor;
                }
                case ATYPE_STRLCD6BIT10:
                {
                    // The row's last bit is the start bit of the first character.
                    auto& slot = packedText[last & 7u];
                    if (slot == nullptr)
                        slot = std::make_unique<CAccessorStrLCD6bit<10>>(last);
                    return slot.get();
                }
                default: return nullptr;
            }

        default: return nullptr;
    }
}
