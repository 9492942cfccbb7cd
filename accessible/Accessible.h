// The accessible client object of a window whose readable texts are painted:
// the window procedure answers WM_GETOBJECT through AnswerAccessibleRequest
// with a function that builds its PaintedTable, announces changes with
// AnnounceTableChanges and lets go at WM_DESTROY with ReleaseAccessible. The
// library owns no window; oleacc, oleaut32 and ole32 are bound at the first
// request, never at start.
#pragma once

#include <windows.h>

#include "PaintedTable.h"

// Fills table with the window's entries as they are now. Called on the
// window's thread each time a client asks, so every answer is current.
typedef void (*TableSource)(HWND hwnd, PaintedTable& table);

// The answer to WM_GETOBJECT (wParam, lParam as received): for OBJID_CLIENT
// the window's client object, made at the first request and kept until
// ReleaseAccessible; 0 for any other object or when oleacc cannot be bound,
// and the caller then lets the message take its default course.
LRESULT AnswerAccessibleRequest(HWND hwnd, WPARAM wParam, LPARAM lParam, TableSource source);

// Raises the WinEvents of CompareTables(before, after) for the window's client
// object: EVENT_OBJECT_NAMECHANGE and EVENT_OBJECT_VALUECHANGE per changed
// child, or one EVENT_OBJECT_REORDER. Call it once the new values are what the
// table source returns.
void AnnounceTableChanges(HWND hwnd, const PaintedTable& before, const PaintedTable& after);

// Cuts the window's client object from its clients (they get E_FAIL or
// RPC_E_DISCONNECTED from then on) and drops the library's reference. Call it
// at WM_DESTROY; harmless when no client ever asked.
void ReleaseAccessible(HWND hwnd);

// The number of COM objects the library made that are not yet freed, for
// tests that check a client lets go of everything it read.
long AccessibleObjectsAlive();
