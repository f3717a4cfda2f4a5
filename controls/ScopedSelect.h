#pragma once
#include "Gdi.h"

// Selects a GDI object into a device context for one scope and puts the
// previously selected object back when the scope ends.
class ScopedSelect {
public:
    ScopedSelect(CDC& dc, HGDIOBJ object) : m_dc(dc), m_previous(dc.SelectObject(object)) {}
    ~ScopedSelect() {
        if (m_previous) m_dc.SelectObject(m_previous);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    CDC& m_dc;
    HGDIOBJ m_previous;
};
