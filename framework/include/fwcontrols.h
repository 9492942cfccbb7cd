// Control classes; bound to dialog items with DDX_Control.
#ifndef FW_FWCONTROLS_H
#define FW_FWCONTROLS_H

#include "fwwnd.h"

class CButton : public CWnd {};
class CEdit : public CWnd {};

#endif
