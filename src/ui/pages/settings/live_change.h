#pragma once
// How a control of the user pages changes a setting on the mouse: the core operation runs through
// the host's guard with its result said in the status line only. A change the mouse refused has
// already put the working copy back (settings/live_write.h); the pages redraw from it on the
// host's modelChanged(), and the status line says the change did not reach the mouse.

#include <QString>
#include <functional>

#include "device/result.h"

namespace gm::ui {

class OperationHost;

void runLiveChange(OperationHost& host, const QString& what,
                   const std::function<device::Result()>& operation);

}  // namespace gm::ui
