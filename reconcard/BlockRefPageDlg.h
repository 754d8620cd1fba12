// The 付属情報 page of an urban-block reference point (template 138): seven
// code lists, list 1023 + k for the card's attr slot k (0 to 6).
#pragma once
#include "AttrPageDlg.h"

class BlockRefPageDlg : public AttrPageDlg {
 public:
  BlockRefPageDlg();
  ~BlockRefPageDlg() override;
};
