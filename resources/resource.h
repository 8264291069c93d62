// Resource ids of Stats.dll: dialog templates, their controls and the icon.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// The Cabrillo header form.
#define IDD_CABRILLO 101

// Its controls, named after the header field each one carries.
#define IDC_SOAPBOX 1001
#define IDC_ADDRESS 1002
#define IDC_ADDRESS_COUNTRY 1003
#define IDC_EMAIL 1004
#define IDC_CLUB 1005
#define IDC_OPERATORS 1006
#define IDC_NAME 1007
#define IDC_CLAIMED 1008
#define IDC_CONTEST 1009
#define IDC_CALLSIGN 1010
#define IDC_ADDRESS_POSTALCODE 1011
#define IDC_ADDRESS_PROVINCE 1012
#define IDC_CATEGORY_OPERATOR 1013
#define IDC_ADDRESS_CITY 1014
#define IDC_CATEGORY_TRANSMITTER 1015
#define IDC_CATEGORY_TIME 1016
#define IDC_CATEGORY_POWER 1017
#define IDC_CATEGORY_MODE 1018
#define IDC_CATEGORY_BAND 1019
#define IDC_CATEGORY_ASSISTED 1020
#define IDC_CATEGORY_OVERLAY 1021
#define IDC_LOCATION 1022

// The DXCC window and its grid.
#define IDD_MULTIPLIER 104
#define IDC_GRID 1003

// The control window and its check boxes.
#define IDD_SETUP 105
#define IDC_VIEW_DXCC 1014
#define IDC_VIEW_CALL_AREA 1015
#define IDC_VIEW_CONTINENT 1016
#define IDC_WINDOW_ON_TOP 1017
#define IDC_TO_DISPLAY 1023

// The plug-in's icon.
#define IDI_STATS 108

// The continent window (buttons 1014 to 1019) and the call-area window (buttons 1014 to 1019
// and 1021 to 1054).
#define IDD_CONTINENT 110
#define IDD_CALL_AREA 113

// The continent window's buttons.
#define IDC_CONTINENT_EU 1014
#define IDC_CONTINENT_NA 1015
#define IDC_CONTINENT_SA 1016
#define IDC_CONTINENT_AF 1017
#define IDC_CONTINENT_AS 1018
#define IDC_CONTINENT_OC 1019
