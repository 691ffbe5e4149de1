// Resource identifiers of the skinned message boxes (dialogs.rc). The templates themselves are
// named "OKBOXDLG" and "YESNOBOXDLG".
#pragma once

// The message text of both boxes.
#define IDC_BOX_MESSAGE 3101
// Buttons: OK (IDOK 1) in the OK box; Yes (IDYES 6) and No (IDNO 7) in the Yes/No box.
