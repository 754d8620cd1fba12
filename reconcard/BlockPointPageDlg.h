// The 付属情報 page of an urban-block point (template 139): seven code
// lists, list 1023 + k for the card's attr slot k (0 to 6), as on the
// urban-block reference point page but with the tables of this kind.
#pragma once
#include "AttrPageDlg.h"

class BlockPointPageDlg : public AttrPageDlg {
 public:
  BlockPointPageDlg();
  ~BlockPointPageDlg() override;
};
