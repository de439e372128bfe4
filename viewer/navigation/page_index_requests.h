// The main window's side of the page index: its four messages, timer 3 and
// what the user is told when indexing fails.
#pragma once
#include <windows.h>

#include "viewer/buffer/file_offset.h"

constexpr UINT_PTR IDT_PAGE_INDEX = 3;

// PG_START, PG_CONT, PG_STOP and PG_CLOSE of the main window: the request,
// then timer 3 started (PG_START) or killed once no scan is running.
void OnPageIndexMessage(HWND hwnd, UINT msg);
// The viewed file grew: a completed index scans the new part too.
void ResumePageIndex(HWND hwnd);
// The page index's one entry point for the four request codes; any other
// code is a program error.
void PageIndexRequest(HWND hwnd, UINT code);
// The offset of page's first byte, or a negative result; an index file with
// a bad header is reported first.
FileOffset LookUpPage(int32_t page, int32_t knownCount);
