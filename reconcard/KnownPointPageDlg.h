// The 付属情報 page of a known point (template 137): eleven code lists for
// the card's attr slots 0 to 10. The lists 補修の有無, 異常の有無 and
// 標識の有無 stand in this order on the page but fill the slots 3, 2 and 1.
#pragma once
#include "AttrPageDlg.h"

class KnownPointPageDlg : public AttrPageDlg {
 public:
  KnownPointPageDlg();
  ~KnownPointPageDlg() override;
};
