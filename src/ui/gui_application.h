#pragma once
// Drawing with QtGui needs a QGuiApplication. The window program has one; the batch tool gets one
// for the length of a drawing, on the offscreen platform unless the environment chooses another.

#include <QGuiApplication>
#include <memory>

namespace spanlyx {

class GuiApplicationScope {
  public:
    GuiApplicationScope();
    GuiApplicationScope(const GuiApplicationScope&) = delete;
    GuiApplicationScope& operator=(const GuiApplicationScope&) = delete;

    // False when the process already runs a Qt application that cannot draw.
    bool ready() const { return ready_; }

  private:
    // QGuiApplication keeps references to its arguments: they live as long as it does.
    int argc_ = 1;
    char name_[8] = "spanlyx";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
    bool ready_ = true;
};

}  // namespace spanlyx
