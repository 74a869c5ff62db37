#include "platform/TextFormat.h"

#include <cstdio>

namespace vuv {

std::string DecimalText(float value, int decimals)
{
    if (value == 0.0f)
        return "0";
    double scaled = value;
    for (int i = 0; i < decimals; ++i)
        scaled *= 10.0;
    std::string digits = std::to_string(static_cast<long long>(scaled));
    if (decimals <= 0)
        return digits;
    bool negative = !digits.empty() && digits[0] == '-';
    std::string body = negative ? digits.substr(1) : digits;
    while (body.size() <= size_t(decimals))
        body.insert(body.begin(), '0');  // outside the contract (value < 1); kept readable
    body.insert(body.size() - decimals, ".");
    return negative ? "-" + body : body;
}

std::string SizeText(uint64_t bytes)
{
    const uint64_t kb = bytes / 1024, mb = kb / 1024, gb = mb / 1024;
    // The divisions by 1024 below are single-precision, as the figures shown
    // by the rest of the suite are.
    if (gb > 0)
        return DecimalText(float(mb) / 1024.0f, 2) + " GB";
    if (mb > 0)
        return DecimalText(float(kb) / 1024.0f, 2) + " MB";
    if (kb > 0)
        return DecimalText(float(bytes) / 1024.0f, 2) + " KB";
    char text[32];
    snprintf(text, sizeof text, "%d bytes", int(bytes));
    return text;
}

}  // namespace vuv
