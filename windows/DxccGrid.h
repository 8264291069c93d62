#pragma once
// CCqWwInfoButton: the DXCC window's grid (control 1003). Each paint draws a picture of the
// contest state taken at its start: the worked multipliers while no call is typed, otherwise
// the typed call's earlier QSOs band by band with the current band highlighted.
#include <windows.h>

#include "platform/win32/Button.h"
#include "windows/MemDC.h"

class CCqWwInfoButton : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT item) override;

private:
    CMemDC m_offScreen;
};
