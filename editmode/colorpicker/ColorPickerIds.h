// Control identifiers of the colour picker's dialog templates "COLORPICKERDLG" and
// "COLORPICKERALPHADLG" (ColorPicker.rc). OK and Cancel are IDOK (1) and IDCANCEL (2).
#pragma once

// Radio buttons choosing the component of the field and the slider.
#define IDC_CP_RADIO_RED 1283
#define IDC_CP_RADIO_GREEN 1284
#define IDC_CP_RADIO_BLUE 1285
#define IDC_CP_RADIO_HUE 1289
#define IDC_CP_RADIO_SATURATION 1290
#define IDC_CP_RADIO_VALUE 1291
// Edit fields: red, green, blue (0-255), hue (0-359), saturation, value (0-100), opacity.
#define IDC_CP_EDIT_RED 1286
#define IDC_CP_EDIT_GREEN 1287
#define IDC_CP_EDIT_BLUE 1288
#define IDC_CP_EDIT_HUE 1292
#define IDC_CP_EDIT_SATURATION 1293
#define IDC_CP_EDIT_VALUE 1294
#define IDC_CP_EDIT_OPACITY 1295
// The current colour's swatch and the original colour's (a click restores the original).
#define IDC_CP_SWATCH_NEW 1296
#define IDC_CP_SWATCH_ORIGINAL 1297
// The colour field, the slider and the opacity strip.
#define IDC_CP_FIELD 1298
#define IDC_CP_SLIDER 1299
#define IDC_CP_OPACITY_STRIP 1300
// The opacity field's label and its percent sign.
#define IDC_CP_OPACITY_LABEL 1301
#define IDC_CP_OPACITY_UNIT 1302
// The colour in hexadecimal.
#define IDC_CP_HEX 1303
// Labels of the swatches.
#define IDC_CP_LABEL_ORIGINAL 1304
#define IDC_CP_LABEL_SELECTED 1305
