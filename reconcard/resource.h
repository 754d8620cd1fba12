// Resource ids of the card plug-in: its dialog templates, their controls
// (IDC_<screen>_<role>), the toolbar commands and the toolbars with their
// bitmaps. Plain #defines only: reconcard.rc includes it as well as C++.
#ifndef RECONCARD_RESOURCE_H
#define RECONCARD_RESOURCE_H

// ---- dialog templates ----
#define IDD_PICKPROMPT 129      // pick prompt
#define IDD_NAVLIST 130         // list screen
#define IDD_NAVCARD 131         // card screen
#define IDD_NEWCOORD 132        // new-coordinate dialog
#define IDD_POSCHECK 133        // position-check prompt
#define IDD_CHGCOORD 134        // changed-coordinate dialog
#define IDD_LOOKPAGE 135        // card page: lines of sight
#define IDD_PHOTOPAGE 136       // card page: photographs
#define IDD_KNOWNPAGE 137       // card page: known-point attributes
#define IDD_BLOCKREFPAGE 138    // card page: urban-block reference point attributes
#define IDD_BLOCKPOINTPAGE 139  // card page: urban-block point attributes
#define IDD_NAVCARD_R7 140      // card screen, taller model
#define IDD_NAVLIST_R7 141      // list screen, taller model

// ---- toolbars and their button bitmaps (same id for both) ----
#define IDR_PICK_TOOLBAR 140  // pick prompt: 一覧, 新規
#define IDR_LIST_TOOLBAR 141  // list screen: ﾋﾟｯｸ, 新規, 削除, 編集, 位置

// ---- toolbar commands ----
#define ID_PICK_LIST 32871
#define ID_PICK_NEW 32872
#define ID_LIST_PICK 32873
#define ID_LIST_NEW 32874
#define ID_LIST_DELETE 32875
#define ID_LIST_EDIT 32876
#define ID_LIST_POSITION 32877

// ---- list screen (130, 141) ----
#define IDC_LIST_KIND 1000    // kind filter
#define IDC_LIST_COUNT 1001   // "登録数：%3d"
#define IDC_LIST_CARDS 1002   // the cards (List1)
#define IDC_LIST_DETAIL 1003  // detail pane (List2)

// ---- card screen (131, 140) ----
#define IDC_CARD_PAGEAREA 1003   // hidden: where the pages are placed
#define IDC_CARD_POINT 1004      // "踏査点" button
#define IDC_CARD_POINTLABEL 1006 // number and name of the point
#define IDC_CARD_DATE 1007       // survey date
#define IDC_CARD_REMARKS 1008
#define IDC_CARD_REGISTER 1012   // "カード登録"
#define IDC_CARD_TABS 1034

// ---- new-coordinate dialog (132) ----
#define IDC_NEWCOORD_KIND 1000
#define IDC_NEWCOORD_NUMBER 1005
#define IDC_NEWCOORD_NAME 1006
#define IDC_NEWCOORD_X 1013
#define IDC_NEWCOORD_Y 1014
#define IDC_NEWCOORD_Z 1015
#define IDC_NEWCOORD_HASZ 1016  // height check box

// ---- changed-coordinate dialog (134) ----
#define IDC_CHGCOORD_NUMBER 1005  // disabled
#define IDC_CHGCOORD_NAME 1006
#define IDC_CHGCOORD_X 1013
#define IDC_CHGCOORD_Y 1014
#define IDC_CHGCOORD_Z 1015
#define IDC_CHGCOORD_HASZ 1016

// ---- line-of-sight page (135) ----
#define IDC_LOOK_SIGHT 1000      // visibility, table V
#define IDC_LOOK_ENTRIES 1002
#define IDC_LOOK_DIRECTION 1008  // typed or picked direction
#define IDC_LOOK_CLEARING 1017   // table U
#define IDC_LOOK_DELETE 1018
#define IDC_LOOK_ADD 1019        // add, or update the selected entry

// ---- photo page (136) ----
#define IDC_PHOTO_ENTRIES 1002
#define IDC_PHOTO_COMMENT 1008
#define IDC_PHOTO_DELETE 1018
#define IDC_PHOTO_ADD 1019    // "撮影完了", or update the selected entry
#define IDC_PHOTO_NEAR 1020   // kind 1 (id - 1019)
#define IDC_PHOTO_FAR 1021    // kind 2
#define IDC_PHOTO_OTHER 1022  // kind 3

// ---- known-point attributes page (137): lists 1023 to 1033 ----
#define IDC_KNOWN_GRADE 1023      // attr slot 0
#define IDC_KNOWN_REPAIR 1024     // slot 3
#define IDC_KNOWN_ANOMALY 1025    // slot 2
#define IDC_KNOWN_MARKER 1026     // slot 1
#define IDC_KNOWN_ECCENTRIC 1027  // slot 4
#define IDC_KNOWN_LADDER 1028     // slot 5
#define IDC_KNOWN_TRIPOD 1029     // slot 6
#define IDC_KNOWN_ROPE 1030       // slot 7
#define IDC_KNOWN_FUNCTION 1031   // slot 8
#define IDC_KNOWN_SKY 1032        // slot 9
#define IDC_KNOWN_CLEARING 1033   // slot 10

// ---- urban-block reference point page (138): list 1023 + k is slot k ----
#define IDC_BLOCKREF_TYPE 1023
#define IDC_BLOCKREF_GRADE 1024
#define IDC_BLOCKREF_MARKER 1025
#define IDC_BLOCKREF_MATERIAL 1026
#define IDC_BLOCKREF_LANDUSE 1027
#define IDC_BLOCKREF_SKY 1028
#define IDC_BLOCKREF_CLEARING 1029

// ---- urban-block point page (139): list 1023 + k is slot k ----
#define IDC_BLOCKPOINT_OWNER 1023
#define IDC_BLOCKPOINT_BOUNDARY 1024
#define IDC_BLOCKPOINT_MARKER 1025
#define IDC_BLOCKPOINT_MATERIAL 1026
#define IDC_BLOCKPOINT_LANDUSE 1027
#define IDC_BLOCKPOINT_SKY 1028
#define IDC_BLOCKPOINT_CLEARING 1029

#endif  // RECONCARD_RESOURCE_H
