#include "reports/win32/Cabrillo.h"

Cabrillo::Cabrillo(HINSTANCE resources) : CDialog(IDD, resources) { }

void Cabrillo::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CALLSIGN, callsign);
    DDX_Text(pDX, IDC_CLAIMED, claimed);
    DDX_Text(pDX, IDC_CLUB, club);
    DDX_CBString(pDX, IDC_CATEGORY_OPERATOR, categoryOperator);
    DDX_Text(pDX, IDC_CONTEST, contest);
    DDX_Text(pDX, IDC_EMAIL, email);
    DDX_Text(pDX, IDC_NAME, name);
    DDX_Text(pDX, IDC_OPERATORS, operators);
    DDX_Text(pDX, IDC_SOAPBOX, soapbox);
    DDX_Text(pDX, IDC_ADDRESS, address);
    DDX_CBString(pDX, IDC_CATEGORY_ASSISTED, categoryAssisted);
    DDX_CBString(pDX, IDC_CATEGORY_BAND, categoryBand);
    DDX_CBString(pDX, IDC_CATEGORY_POWER, categoryPower);
    DDX_CBString(pDX, IDC_CATEGORY_TIME, categoryTime);
    DDX_CBString(pDX, IDC_CATEGORY_TRANSMITTER, categoryTransmitter);
    DDX_CBString(pDX, IDC_CATEGORY_OVERLAY, categoryOverlay);
    DDX_Text(pDX, IDC_ADDRESS_CITY, addressCity);
    DDX_Text(pDX, IDC_ADDRESS_PROVINCE, addressProvince);
    DDX_Text(pDX, IDC_ADDRESS_COUNTRY, addressCountry);
    DDX_CBString(pDX, IDC_LOCATION, location);
    DDX_Text(pDX, IDC_ADDRESS_POSTALCODE, addressPostalCode);
    DDX_CBString(pDX, IDC_CATEGORY_MODE, categoryMode);
}

bool CabrilloDialogForm::Edit(CabrilloHeader& fields)
{
    Cabrillo form(m_resources);
    static_cast<CabrilloHeader&>(form) = fields;
    if (form.DoModal() != IDOK)
        return false;
    fields = form;
    return true;
}
