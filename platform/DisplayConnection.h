// SPDX-License-Identifier: MIT
#pragma once
// Whether an X display answers, asked before Qt is started: Qt aborts the
// process when its X connection fails.
#include <string>

// `display` as DISPLAY names it; empty for the default display.
bool X11DisplayAnswers(const std::string& display);
