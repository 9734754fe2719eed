#include "ParamTable/mathexp.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace mathexp
{
namespace
{
constexpr int kindValue = 0;
constexpr int kindOperator = 1;

constexpr int opNot = '!';
constexpr int opAnd = '&';
constexpr int opMul = '*';
constexpr int opAdd = '+';
constexpr int opSub = '-';
constexpr int opDiv = '/';
constexpr int opLess = '<';
constexpr int opEqual = '=';
constexpr int opGreater = '>';
constexpr int opOr = '|';
constexpr int opNotEqual = ('!' << 8) | '=';
constexpr int opLessEqual = ('<' << 8) | '=';
constexpr int opGreaterEqual = ('>' << 8) | '=';

template <typename T>
struct TokenOf;
template <>
struct TokenOf<float>
{
    using type = token;
};
template <>
struct TokenOf<double>
{
    using type = token_d;
};

// Reads the longest number at text; false when none can be read.
bool readNumber(const char* text, float* value, const char** end)
{
    char* e = nullptr;
    *value = std::strtof(text, &e);
    *end = e;
    return e != text;
}

bool readNumber(const char* text, double* value, const char** end)
{
    char* e = nullptr;
    *value = std::strtod(text, &e);
    *end = e;
    return e != text;
}

bool isBlank(char c)
{
    return c == '\r' || c == '\n' || c == '\t' || c == ' ';
}

// Reads one operand at pos: a value, or "-" or "!" directly followed by a value.
template <typename T, typename Token>
bool getnextvalue(const std::vector<Token>& tokens, size_t& pos, T* value)
{
    if (pos >= tokens.size())
        return false;

    const Token& t = tokens[pos];
    if (t.kind == kindValue)
    {
        *value = t.value;
        ++pos;
        return true;
    }

    if ((t.op == opSub || t.op == opNot) && pos + 1 < tokens.size() && tokens[pos + 1].kind == kindValue)
    {
        const T operand = tokens[pos + 1].value;
        if (t.op == opSub)
            *value = -operand;
        else
            *value = operand == T(0) ? T(1) : T(0);
        pos += 2;
        return true;
    }

    return false;
}

template <typename T>
bool applyBinary(int op, T acc, T rhs, T* result)
{
    switch (op)
    {
        case opAdd: *result = acc + rhs; return true;
        case opSub: *result = acc - rhs; return true;
        case opMul: *result = acc * rhs; return true;
        case opDiv: *result = acc / rhs; return true;
        case opAnd: *result = (acc != T(0) && rhs != T(0)) ? T(1) : T(0); return true;
        case opOr: *result = (acc != T(0) || rhs != T(0)) ? T(1) : T(0); return true;
        case opLess: *result = acc < rhs ? T(1) : T(0); return true;
        case opGreater: *result = acc > rhs ? T(1) : T(0); return true;
        case opLessEqual: *result = acc <= rhs ? T(1) : T(0); return true;
        case opGreaterEqual: *result = acc >= rhs ? T(1) : T(0); return true;
        case opEqual: *result = acc == rhs ? T(1) : T(0); return true;
        case opNotEqual: *result = acc != rhs ? T(1) : T(0); return true;
        default: return false;
    }
}

template <typename T>
bool evaluateTokens(const std::vector<typename TokenOf<T>::type>& tokens, T* out)
{
    size_t pos = 0;
    T acc {};
    if (! getnextvalue(tokens, pos, &acc))
        return false;

    while (pos < tokens.size())
    {
        if (tokens[pos].kind != kindOperator)
            return false;
        const int op = tokens[pos].op;
        ++pos;

        T rhs {};
        if (! getnextvalue(tokens, pos, &rhs))
            return false;
        if (! applyBinary(op, acc, rhs, &acc))
            return false;
    }

    *out = acc;
    return true;
}

template <typename T>
bool evalRange(const char* begin, const char* end, T v, T* out)
{
    using Token = typename TokenOf<T>::type;
    std::vector<Token> tokens;

    auto pushValue = [&tokens](T value) {
        Token t;
        t.kind = kindValue;
        t.value = value;
        tokens.push_back(t);
    };
    auto pushOperator = [&tokens](int op) {
        Token t;
        t.kind = kindOperator;
        t.op = op;
        tokens.push_back(t);
    };

    const char* p = begin;
    while (p < end)
    {
        while (p < end && isBlank(*p))
            ++p;
        if (p >= end)
            return false; // an expression may not end in white space

        const char c = *p;
        const char next = (p + 1 < end) ? p[1] : '\0';

        if (c == '(')
        {
            int depth = 1;
            const char* q = p + 1;
            while (q < end && depth > 0)
            {
                if (*q == '(')
                    ++depth;
                else if (*q == ')')
                    --depth;
                if (depth > 0)
                    ++q;
            }
            if (depth != 0)
                return false;

            T inner {};
            if (! evalRange(p + 1, q, v, &inner))
                return false;
            pushValue(inner);
            p = q + 1;
        }
        else if (c == '<' && next == '=')
        {
            pushOperator(opLessEqual);
            p += 2;
        }
        else if (c == '<')
        {
            pushOperator(opLess);
            ++p;
        }
        else if (c == '>' && next == '=')
        {
            pushOperator(opGreaterEqual);
            p += 2;
        }
        else if (c == '=')
        {
            pushOperator(opEqual);
            ++p;
        }
        else if (c == '>')
        {
            pushOperator(opGreater);
            ++p;
        }
        else if (c == '!' && next == '=')
        {
            pushOperator(opNotEqual);
            p += 2;
        }
        else if (c == '!' || c == '&' || c == '*' || c == '+' || c == '-' || c == '/')
        {
            pushOperator(c);
            ++p;
        }
        else if (c == 'v')
        {
            pushValue(v);
            ++p;
        }
        else if (c == '|')
        {
            pushOperator(opOr);
            ++p;
        }
        else
        {
            // The number reader skips white space of its own; only the four
            // blanks above may separate tokens.
            if (std::isspace((unsigned char) c))
                return false;
            // The number reader needs a terminated text: copy the rest of the range.
            const std::string rest(p, end);
            const char* numberEnd = nullptr;
            T value {};
            if (! readNumber(rest.c_str(), &value, &numberEnd))
                return false;
            pushValue(value);
            p += numberEnd - rest.c_str();
        }
    }

    if (tokens.empty())
        return false;
    return evaluateTokens<T>(tokens, out);
}

template <typename T>
bool evalText(const char* expr, T v, T* out)
{
    if (expr == nullptr || *expr == '\0' || out == nullptr)
        return false;
    return evalRange(expr, expr + std::strlen(expr), v, out);
}
} // namespace

bool eval(const char* expr, float v, float* out)
{
    return evalText(expr, v, out);
}

bool eval(const char* expr, double v, double* out)
{
    return evalText(expr, v, out);
}
} // namespace mathexp
