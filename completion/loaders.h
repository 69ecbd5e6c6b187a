// What the two completion loaders share: the prepare text in the host's
// status region, and waiting for a worker while the window thread goes on
// dispatching messages (the workers send list-box messages to the popup, a
// window of that thread, so a plain wait would never end).
#pragma once
#include <windows.h>

// Each worker gives up within this bound once asked to stop; past it the
// thread is ended by force, the last resort (it may hold the heap's lock).
enum { kWorkerStopBoundMs = 2000 };

// True when the worker ended by itself within the bound; else it was ended
// by force. Messages of the calling thread are dispatched while waiting.
bool EndWorker(HANDLE thread);

// The prepare text and its flags, shared by the window thread and the
// loaders (atomic).
void ShowPrepareText(void);
void ClearStatusRegion(void);
void ClearPrepareShown(void);
// The announcement for the next user-database read: armed when the keyword
// loader is reaped, read and cleared by the read.
void ArmAnnounce(void);
bool AnnounceArmed(void);
void ClearAnnounce(void);

// The reader's part of closing the popup or the host: asks the running
// reader to stop and waits for it (pumping); it stays to be reaped.
// `forGood` also sets the flag that makes every later read skip its lists.
void StopUserReader(bool forGood);
