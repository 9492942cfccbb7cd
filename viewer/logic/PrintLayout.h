// Line positions of the test page.
#pragma once

// Distance between the printed lines: one and a half cell heights. When the
// printer reported no metrics, the font's requested height stands in for the
// cell height, and a fixed step when that is 0 as well. A step beyond the int
// range is held at its limit.
int TestPrintLineStep(bool haveMetrics, int tmHeight, int lfHeight);

const int kTestPrintFallbackHeight = 100;

// Top of line index (from 0) of the test page: the first at y = 10, each next
// one step lower; held to the int range like the step.
int TestPrintLineTop(int index, int step);
