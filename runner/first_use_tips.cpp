// The first-use tips: five message boxes the user walks through, forward,
// back one step, or out. A box that cannot be shown (answer 0), or a main
// window that is gone, ends the tips at once: going back on such an answer
// would ask again for ever.
#include "frame/kitlib.h"
#include "frame/message_boxes.h"
#include "frame/orvexmsg.h"

enum { kTipsTitle = 221, kFirstStep = 1, kNotShown = 0 };

struct TipStep {
  int text;
  UINT buttons;
  int forward; // 0: never
};

static const TipStep kSteps[] = {
    {314, MB_OKCANCEL, IDOK},     {315, MB_YESNOCANCEL, IDYES}, {316, MB_YESNOCANCEL, IDYES},
    {317, MB_YESNOCANCEL, IDYES}, {318, MB_OKCANCEL, 0},
};

extern "C" int ORVEXAPI ShowTipsForFirstUse(int unused) {
  int step = kFirstStep;
  for (;;) {
    HWND main = GethWndMain();
    if (main && !IsWindow(main)) return kNotShown;
    const TipStep &tip = kSteps[step - 1];
    int answer = _myMessageBoxForLoadStringForOrvex(GethInstOrvexmsg(), main, tip.text, kTipsTitle,
                                                    tip.buttons | MB_ICONEXCLAMATION);
    if (answer == IDCANCEL || answer == kNotShown) return answer;
    if (answer == tip.forward) step++;
    else if (step > kFirstStep) step--;
  }
}
