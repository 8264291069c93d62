#pragma once
// CCqWwInfoButton: the DXCC window's grid (control 1003). Each paint draws a picture of the
// contest state taken at its start: the worked multipliers while no call is typed, otherwise
// the typed call's earlier QSOs band by band with the current band highlighted.
#include <windows.h>

#include "platform/win32/Button.h"
#include "platform/win32/Gdi.h"

class CCqWwInfoButton : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT item) override;

private:
    // Makes the off-screen context and bitmap for a picture of this size unless they are so
    // already; false when they cannot be made.
    bool OffScreenOfSize(const CDC& target, SIZE size);

    // The off-screen picture, kept from paint to paint while the grid keeps its size: under
    // Wine a new memory context and bitmap cost a quarter of every paint. The bitmap comes
    // first so that the context, which holds it selected, goes first.
    CBitmap m_offScreenBitmap;
    CDC m_offScreen;
    SIZE m_offScreenSize = {};
};
