// Control identifiers of the demo dialog of "ui_probe.exe dialog".
#pragma once

#define IDC_DEMO_NORMAL 1001
#define IDC_DEMO_DISABLED 1002
#define IDC_DEMO_HOVER 1003
