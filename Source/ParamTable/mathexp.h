#pragma once

// One-line arithmetic expressions of the continuous value converter.
// Tokens are evaluated strictly from left to right: there is no precedence
// between operators and parentheses are the only grouping. The variable is
// the lower-case letter v.
namespace mathexp
{
// One element of the single-precision token list.
struct token
{
    int kind = 0; // 0 a value, 1 an operator
    float value = 0.0f;
    int op = 0; // operator code: the character, or first * 256 + second
};

// One element of the double-precision token list.
struct token_d
{
    int kind = 0;
    double value = 0.0;
    int op = 0;
};

// Evaluates expr with the variable v. On success writes the result to out
// and returns true; on any syntax problem returns false and leaves out alone.
bool eval(const char* expr, float v, float* out);
bool eval(const char* expr, double v, double* out);
} // namespace mathexp
