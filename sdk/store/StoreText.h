#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The rules for text crossing the store's boundary: decimal numbers, bounded
// paths and fixed-width record fields.
class StoreText
{
public:
    static constexpr std::size_t kMaxPathBytes = 255;

    // A decimal integer: optional "-", 1 to 10 digits, nothing else, in int range.
    static std::optional<int> decimal(const char* text);
    static std::optional<int> decimal(const std::string& text);

    // A path the store accepts: present, not empty, at most 255 bytes.
    static bool isValidPath(const char* path);

    static std::string fromC(const char* text);

    // The text of a fixed-width field: up to its NUL, never past the field.
    static std::string field(const char* data, std::size_t width);

    // At most maxBytes bytes; valid UTF-8 is cut before a whole character.
    static std::string cut(const std::string& text, std::size_t maxBytes);

    // Copies text into a fixed-width field, cut to width - 1 bytes, NUL-terminated,
    // the rest of the field zeroed.
    static void toField(char* data, std::size_t width, const std::string& text);

    static bool isValidUtf8(const std::string& text);

    template<std::size_t N>
    static void toField(char (&data)[N], const std::string& text)
    {
        toField(data, N, text);
    }
    template<std::size_t N>
    static std::string field(const char (&data)[N])
    {
        return field(data, N);
    }
};
