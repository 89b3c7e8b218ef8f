#pragma once
// The demonstration screens, one per main-menu entry, and the title screen.

#include "demo/demo.h"

namespace tarvana::demo {

void ShowTitleScreen();
void RunWindowingDemo();
void RunFileViewerDemo();
void RunDataEntryDemo();
void RunBarMenuDemo();
void RunBoxMenuDemo();
void RunCalendarsDemo();
void RunConversionsDemo();
void RunDateToolsDemo();
void RunInternalToolsDemo();
void RunScreenToolsDemo();
void RunPickListDemo(DemoData& data);
void RunMultiPickDemo(DemoData& data);
void RunDirectoryDemo();

}  // namespace tarvana::demo
