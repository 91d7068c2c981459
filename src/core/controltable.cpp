#include "core/controltable.h"

const ControlSpec* findControl(const WindowSpec& window, const QString& name) {
    for (const ControlSpec& c : window.controls) {
        if (name == QStringView(c.name))
            return &c;
    }
    return nullptr;
}
