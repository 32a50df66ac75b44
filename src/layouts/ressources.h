/* Identifiers of the resources linked into Pixavue.scr (read by windres too). */
#pragma once

/* Windows' screen saver list shows string 1 as the screensaver's name. */
#define IDS_DESCRIPTION 1
#define IDI_OPTIONS 1
#define IDC_MAIN 2
