/* Help context numbers of sms.chm, one per topic. The help project maps each
   to its page ([ALIAS] in sms.hhp) and reads this file as its [MAP], so it
   holds nothing but comments and macro definitions: the help compiler takes
   any line that names the define directive for a mapping. */
#ifndef PELICAST_HELP_CONTEXTS_H
#define PELICAST_HELP_CONTEXTS_H
#define IDH_WELCOME 1000
#define IDH_GETTING_STARTED 1010
#define IDH_MAIN_WINDOW 1020
#define IDH_SENDING 1030
#define IDH_COSTS 1040
#define IDH_RECIPIENTS 1050
#define IDH_CREDITS 1060
#define IDH_ADDRESS_BOOK 1100
#define IDH_GROUPS 1110
#define IDH_CONTACT_EDITOR 1120
#define IDH_IMPORTING 1130
#define IDH_UPLOAD 1140
#define IDH_OPTIONS 1200
#define IDH_PROXIES 1210
#define IDH_REPLIES 1300
#define IDH_TROUBLESHOOTING 1310
#define IDH_MESSAGES 1320
#define IDH_DATA_FILES 1330
#endif
