#pragma once
// CCont: the continent window, six round buttons EU, NA, SA, AF, AS and OC (dialog 110).
#include "windows/MarkWindow.h"

class CCont : public CMarkWindow<6> {
public:
    explicit CCont(HINSTANCE resources);

protected:
    // The flags (EU, AF, NA, AS, SA, OC) with their check boxes, in pairs of the upper and
    // lower row.
    void DoDataExchange(CDataExchange* pDX) override;
};
