#pragma once
// The batch printer: opens a data file through the window's own Open and
// prints through its own print commands, to PDF or as text.
int stampaBatch(int argc, char* argv[]);
