#include "ui/gui_application.h"

namespace spanlyx {

GuiApplicationScope::GuiApplicationScope() {
    if (QCoreApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    } else {
        ready_ = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    }
}

}  // namespace spanlyx
