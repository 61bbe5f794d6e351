// SPDX-License-Identifier: MIT
#include "platform/DisplayConnection.h"

#include <xcb/xcb.h>

bool X11DisplayAnswers(const std::string& display) {
  xcb_connection_t* connection = xcb_connect(display.empty() ? nullptr : display.c_str(), nullptr);
  const bool answers = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return answers;
}
