#pragma once

#include <cstring>

// The profile a page works on: its index and the layer file the profile
// store is called with. Each page keeps its own copy of the path, because
// the device page reuses its buffer for the next profile.
class DProfileSelection
{
public:
    static constexpr int kPathSize = 256;

    void setIndex(int index) { m_index = index; }
    // A path that does not fit is not cut short, which could name another
    // file: the page is left without a file until it gets one that fits.
    bool setPath(const char* path)
    {
        const std::size_t length = path ? std::strlen(path) : 0;
        if (length >= sizeof m_path) {
            m_path[0] = '\0';
            return false;
        }
        std::memcpy(m_path, path ? path : "", length + 1);
        return true;
    }
    int index() const { return m_index; }
    const char* path() const { return m_path; }

private:
    int m_index = 1;
    char m_path[kPathSize] = {};
};
