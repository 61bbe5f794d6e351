// SPDX-License-Identifier: MIT
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

TMessageRecorder::TMessageRecorder(int answer) : Answer(answer) {
  SetMessageBoxResponder([this](const QString& text, const QString& caption, unsigned flags) {
    Messages.push_back({text, caption, flags});
    return Answer;
  });
}

TMessageRecorder::~TMessageRecorder() { InstallUnexpectedMessageBoxCheck(); }

void InstallUnexpectedMessageBoxCheck() {
  SetMessageBoxResponder([](const QString& text, const QString& caption, unsigned) {
    ADD_FAILURE() << "unexpected message box \"" << caption.toStdString() << "\": " << text.toStdString();
    return IDOK;
  });
}
