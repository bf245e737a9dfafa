// Lets a fuzz target survive the analyzer's fatal errors: in the fuzz build
// ReportFatal returns to the target instead of ending the process, and the
// chunk buffers that were live at that moment are freed.
#pragma once

// Runs action(context); returns false when a fatal error cut it short.
bool RunUntilFatal(void (*action)(void*), void* context);
