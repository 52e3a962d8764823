#include "bench/Forms.h"

namespace jorv::bench {

void Pump() {
  for (int round = 0; round < 20; ++round) {
    Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
  }
  Application->ProcessMessages();
}

TBenchForm::TBenchForm(Integer ClientWidth, Integer ClientHeight) : FForm(new TForm(nullptr)) {
  FForm->SetPosition(poDesigned);
  FForm->SetBounds(20, 20, 100, 100);
  FForm->SetClientWidth(ClientWidth);
  FForm->SetClientHeight(ClientHeight);
  FForm->Show();
  Pump();
}

TBenchForm::~TBenchForm() { delete FForm; }

TTarget::TTarget(Integer Width, Integer Height) {
  FBitmap.SetPixelFormat(pf24bit);
  FBitmap.SetSize(Width, Height);
  // Held for the bitmap's life: the canvas gives its DC back when it is
  // not locked, and a case renders many times into the same one.
  FBitmap.Canvas()->Lock();
}

TTarget::~TTarget() { FBitmap.Canvas()->Unlock(); }

}  // namespace jorv::bench
