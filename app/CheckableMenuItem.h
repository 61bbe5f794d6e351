// SPDX-License-Identifier: MIT
#pragma once
// Check and radio items of the program's menus, as assistive technology sees them.

// Makes every checkable menu item tell whether it is checked.
void InstallCheckableMenuItemAccessibility();
