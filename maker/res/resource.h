// Command and control ids of Fontsmith's resources.
#pragma once

#define IDM_SCREENFONT 100
#define IDM_PRINTERFONT 101
#define IDM_ABOUT 102
#define IDM_EXIT 103
#define IDM_SAMPLECODE 104
#define IDM_HELP 106
#define IDC_CREATE 107

// The about box's title and its four author lines all carry 1000; the title
// comes first in the template, so it is the one this id reaches.
#define IDC_ABOUT_TITLE 1000
#define IDC_ABOUT_SUBTITLE 1001
