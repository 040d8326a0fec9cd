#pragma once
// The widgets and menu items of the entry window by their control, so that the workflow's
// answers reach them. Binding a control gives its object the control's name.

#include <QObject>
#include <QPointer>
#include <array>

#include "ui/workflow/controls.h"

namespace spanlyx {

class ControlMap {
  public:
    void bind(Control control, QObject* object);
    // Nothing for a control without an object (the hidden span routine, a window not yet open).
    QObject* object(Control control) const { return objects_[index_of(control)].data(); }
    template <class T>
    T* get(Control control) const {
        return qobject_cast<T*>(object(control));
    }

  private:
    std::array<QPointer<QObject>, kControlCount> objects_;
};

}  // namespace spanlyx
