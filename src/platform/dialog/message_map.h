// A dialog's message map: a static table of {control ids, notification, member function}.
// The same table serves both hosts.
#pragma once

#include <span>

#include "platform/dialog/dialog.h"

namespace platform {

template <class T>
struct MessageMapEntry {
  int firstId;
  int lastId;
  Notification code;
  void (T::*handler)();
};

// Runs the first entry of `map` that matches; false when none does.
template <class T>
bool DispatchThroughMap(T& self, std::span<const MessageMapEntry<T>> map, int id,
                        Notification code) {
  for (const MessageMapEntry<T>& e : map) {
    if (e.code == code && id >= e.firstId && id <= e.lastId) {
      (self.*e.handler)();
      return true;
    }
  }
  return false;
}

}  // namespace platform
