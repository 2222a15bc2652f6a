// Identifiers of the resources in kelo.rc, shared by the resource script and the code.
#pragma once

#define IDI_KELO 1
#define IDD_OPTIONS 100
#define IDC_TXTCONTENT 101
#define IDC_BTNSAVE 102
#define IDC_BTNQUIT 103
