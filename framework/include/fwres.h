/* Command ids of the framework's stock commands. Plain defines only, so that
   resource scripts can include this file as well as C++ sources. */
#ifndef FW_FWRES_H
#define FW_FWRES_H

#define ID_HELP 57670

#endif
