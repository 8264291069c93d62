#pragma once
// The Cabrillo header form (dialog 101): one edit or combo box per header field.
#include <windows.h>

#include "platform/win32/Dialog.h"
#include "reports/CabrilloLog.h"
#include "resources/resource.h"

// The dialog; its members are the header fields, all empty until they are set.
class Cabrillo : public CDialog, public CabrilloHeader {
public:
    enum { IDD = IDD_CABRILLO };

    // `resources`: the module with the dialog template. The form has no owner window.
    explicit Cabrillo(HINSTANCE resources);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

// The header form as the engine uses it: the dialog, shown modally on the calling thread.
class CabrilloDialogForm : public CabrilloHeaderForm {
public:
    explicit CabrilloDialogForm(HINSTANCE resources) : m_resources(resources) { }

    // Shows `fields`; after OK they hold the controls' texts, after Cancel they are unchanged.
    bool Edit(CabrilloHeader& fields) override;

private:
    HINSTANCE m_resources;
};
