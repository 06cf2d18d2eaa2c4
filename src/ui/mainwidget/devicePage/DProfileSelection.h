#pragma once

#include <QtGlobal>

// The profile a page works on: its index and the layer file the profile
// store is called with. Each page keeps its own copy of the path, because
// the device page reuses its buffer for the next profile.
class DProfileSelection
{
public:
    static constexpr int pathSize = 256;

    void setIndex(int index) { m_index = index; }
    void setPath(const char* path) { qstrncpy(m_path, path ? path : "", sizeof m_path); }
    int index() const { return m_index; }
    const char* path() const { return m_path; }

private:
    int m_index = 1;
    char m_path[pathSize] = {};
};
