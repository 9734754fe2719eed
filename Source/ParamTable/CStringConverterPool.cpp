#include "ParamTable/CStringConverterPool.h"

#include "ParamTable/CStringConverterCont.h"
#include "ParamTable/CStringConverterEnum.h"
#include "ParamTable/CStringConverterStr.h"

#include <cstdio>

std::string CStringConverterPool::SCDESC::tostring() const
{
    char prefix[128];
    std::snprintf(prefix, sizeof(prefix), "%u,%u,%d,%d,", (unsigned) model, (unsigned) ptype, (int) min, (int) max);
    std::string key(prefix);
    if (format != nullptr)
        key += format;
    return key;
}

CStringConverterPool::CStringConverterPool() = default;
CStringConverterPool::~CStringConverterPool() = default;

IStringConverter* CStringConverterPool::Get(unsigned char model, PTYPE ptype, int min, int max, const char* format)
{
    const bool continuous = ptype == PTYPE_CONT || ptype == PTYPE_CONT9 || ptype == PTYPE_CONT10;
    const bool list = ptype == PTYPE_ENUM || ptype == PTYPE_ENUM7 || ptype == PTYPE_ENUM8;
    if (! continuous && ! list && ptype != PTYPE_STR)
        return nullptr;

    const SCDESC desc { model, (unsigned char) ptype, (short) min, (short) max, format };
    const std::string key = desc.tostring();
    const auto found = converters.find(key);
    if (found != converters.end())
        return found->second.get();

    std::unique_ptr<IStringConverter> converter;
    if (continuous)
        converter = std::make_unique<CStringConverterCont>(model, min, max, format);
    else if (list)
        converter = std::make_unique<CStringConverterEnum>(model, min, max, format);
    else
        converter = std::make_unique<CStringConverterStr>();

    IStringConverter* result = converter.get();
    converters.emplace(key, std::move(converter));
    return result;
}
