// Shared by the runner's argument and redirect helpers: which processes a
// stop must spare.
#pragma once

// Notes every process alive now. A stop (TerminateExefileByItsName) ends only
// this process's children that were not alive at the last note, and what
// they started. Noted when a call's arguments are taken (file mode sets up
// no capture) and again when each capture is set up; runner's thread only.
void NoteProcessesAlive(void);
