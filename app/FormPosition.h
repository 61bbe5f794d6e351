// SPDX-License-Identifier: MIT
#pragma once
// Stores and restores a window's position, size and state in the registry as a
// 17-byte binary value. The value is named `valueName`, or the form's objectName
// when that is empty, or "CustomFormPosition" when both are.
#include <QString>

class QWidget;

// Does nothing when the key cannot be opened or created; throws ERegistryException
// when the value cannot be saved.
void SaveFormPosition(QWidget* form, const QString& keyPath, const QString& valueName);

// False, leaving the form alone, when the key or the value is absent, the value is
// not binary or is no valid record. A maximised form keeps its stored edges out.
bool LoadFormPosition(QWidget* form, const QString& keyPath, const QString& valueName);
