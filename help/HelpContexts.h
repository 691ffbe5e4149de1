/* Context ids of the help topics, shared by the program and the help projects' [MAP] section.
   Each IDH_ name is tied to its page by the [ALIAS] section of every language's project. */
#ifndef CLARIVUE_HELP_CONTEXTS_H
#define CLARIVUE_HELP_CONTEXTS_H

#define IDH_WELCOME 1000
#define IDH_CAPTURE_HELP 1001
#define IDH_ACTION_HELP 1002
#define IDH_MOUSETOOLS_HELP 1003
#define IDH_IMAGE_HELP 1004
#define IDH_CONFIGUREDLG 1005
#define IDH_GENERAL_TAB 1006
#define IDH_SKIN_TAB 1007
#define IDH_LANGUAGE_TAB 1008
#define IDH_MOUSETOOLS1_TAB 1009
#define IDH_MOUSETOOLS2_TAB 1010
#define IDH_CAPTURE_TAB 1011
#define IDH_EDITMODE_TAB 1012

#endif
