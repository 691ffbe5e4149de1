// Resource identifiers of the About box (AboutBox.rc).
#pragma once

#define IDD_ABOUT 121
#define IDC_ABOUT_VERSION 3202
#define IDC_ABOUT_COPYRIGHT 3203
#define IDC_ABOUT_LINK 3204
// The role titles of the credits (section "Dlg_About") and the persons beside them.
#define IDC_ABOUT_DEVELOPMENT 3211
#define IDC_ABOUT_MANAGEMENT 3212
#define IDC_ABOUT_GRAPHICS 3213
#define IDC_ABOUT_HELPFILE 3214
#define IDC_ABOUT_PERSON1 3221
#define IDC_ABOUT_PERSON2 3222
#define IDC_ABOUT_PERSON3 3223
#define IDC_ABOUT_PERSON4 3224
