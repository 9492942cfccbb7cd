// The whole framework: include this one header.
#ifndef FW_FRAMEWORK_H
#define FW_FRAMEWORK_H

#include "fwres.h"
#include "fwstring.h"
#include "fwmsgmap.h"
#include "fwwnd.h"
#include "fwcontrols.h"
#include "fwddx.h"
#include "fwgdi.h"
#include "fwdialog.h"
#include "fwapp.h"
#include "fwfile.h"
#include "fwfontdialog.h"
#include "fwlatebind.h"

#endif
