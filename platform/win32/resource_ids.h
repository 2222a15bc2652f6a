// Identifiers of the resources in kelo.rc, shared by the resource script and the code.
#pragma once

#define IDI_KELO 1
#define IDD_OPTIONS 100
#define IDC_TXTCONTENT 101
#define IDC_BTNSAVE 102
#define IDC_BTNQUIT 103
#define IDC_TABS 104
#define IDC_PREVIEW 105
#define IDC_BTNDEFAULTS 106
#define IDC_PROBLEMS 107
#define IDC_PREVIEW_LABEL 108
// The city search of the Place page: the search text and the cities found.
#define IDC_CITY_SEARCH 109
#define IDC_CITY_LIST 110

// The controls of the settings form, by the field's index in the form's field list.
#define IDC_FIELD 1000
#define IDC_LABEL 1100
#define IDC_SPIN 1200
#define IDC_PROBLEM 1300
#define IDC_DECOR 1400
#define IDC_FIELDS_MAX 100
// The label of the city search, a text of the Place page.
#define IDC_CITY_LABEL (IDC_DECOR + 4)
