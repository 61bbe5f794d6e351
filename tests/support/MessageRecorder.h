// SPDX-License-Identifier: MIT
#pragma once
// Answers and records every message box shown while it lives. Without one, a
// message box in a test is reported as a failure and answered with OK.
#include <QString>
#include <vector>

#include "platform/Dialogs.h"

struct TRecordedMessage {
  QString Text;
  QString Caption;
  unsigned Flags;
};

class TMessageRecorder {
 public:
  explicit TMessageRecorder(int answer = IDOK);
  ~TMessageRecorder();
  TMessageRecorder(const TMessageRecorder&) = delete;
  TMessageRecorder& operator=(const TMessageRecorder&) = delete;

  std::vector<TRecordedMessage> Messages;
  int Answer;
};

// Installs the responder that fails a test on any unexpected message box.
void InstallUnexpectedMessageBoxCheck();
