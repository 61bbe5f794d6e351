// SPDX-License-Identifier: MIT
#pragma once
// Events that assistive technology relies on but Qt 6.4's AT-SPI bridge never
// sends: a change of the `visible` state (it sends `showing` alone, so a
// screen reader that caches states keeps a shown page invisible), a change of
// a table's selection, and a refill of a table. They go out on the bridge's
// own connection, as the bridge sends its events, so they name the same objects.
#include <QString>

class QObject;

// Sends object:state-changed:visible with every widget that is shown or hidden.
void InstallVisibleStateEvents();
// object:selection-changed from `object`.
void AccessibleSelectionChanged(QObject* object);
// object:model-changed and object:visible-data-changed from `object`: its
// cells were filled anew.
void AccessibleModelChanged(QObject* object);
