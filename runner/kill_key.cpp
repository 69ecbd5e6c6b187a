// The kill key: the virtual key whose press, noticed while a tool runs in
// pipe mode, stops the chain. Escape until the host chooses another.
#include "runner/runner_internal.h"
#include "frame/instance.h"

// Written by the host through SetVkeyForKillBccProccess; read by the runner's
// wait loop on the same (user-interface) thread.
static int g_killKey = VK_ESCAPE;

int KillKey(void) { return g_killKey; }

extern "C" int ORVEXAPI SetVkeyForKillBccProccess(int vkey) {
  g_killKey = vkey;
  return vkey;
}
