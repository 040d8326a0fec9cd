#include "ui/control_map.h"

#include <QString>

namespace spanlyx {

void ControlMap::bind(Control control, QObject* object) {
    const std::string_view name = control_name(control);
    object->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    objects_[index_of(control)] = object;
}

}  // namespace spanlyx
