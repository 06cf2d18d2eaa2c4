#include "sdk/store/StoreText.h"

#include <cstdint>
#include <cstring>

std::optional<int> StoreText::decimal(const char* text)
{
    if (!text)
        return std::nullopt;
    const char* p = text;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    const std::size_t digits = std::strlen(p);
    if (digits == 0 || digits > 10)
        return std::nullopt;
    long long value = 0;
    for (const char* d = p; *d; ++d) {
        if (*d < '0' || *d > '9')
            return std::nullopt;
        value = value * 10 + (*d - '0');
    }
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> StoreText::decimal(const std::string& text)
{
    if (text.find('\0') != std::string::npos)
        return std::nullopt;
    return decimal(text.c_str());
}

bool StoreText::isValidPath(const char* path)
{
    if (!path || !*path)
        return false;
    return ::strnlen(path, kMaxPathBytes + 1) <= kMaxPathBytes;
}

std::string StoreText::fromC(const char* text)
{
    return text ? std::string(text) : std::string();
}

std::string StoreText::field(const char* data, std::size_t width)
{
    return std::string(data, ::strnlen(data, width));
}

bool StoreText::isValidUtf8(const std::string& text)
{
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        std::size_t extra;
        unsigned int code;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= n)
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (s[i + k] & 0x3F);
        }
        if ((extra == 2 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF)))
            || (extra == 3 && (code < 0x10000 || code > 0x10FFFF)))
            return false;
        i += extra + 1;
    }
    return true;
}

std::string StoreText::cut(const std::string& text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    std::size_t end = maxBytes;
    if (isValidUtf8(text)) {
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;
    }
    return text.substr(0, end);
}

void StoreText::toField(char* data, std::size_t width, const std::string& text)
{
    if (width == 0)
        return;
    const std::string kept = cut(text.substr(0, text.find('\0')), width - 1);
    std::memcpy(data, kept.data(), kept.size());
    std::memset(data + kept.size(), 0, width - kept.size());
}
