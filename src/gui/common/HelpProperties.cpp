#include "common/HelpProperties.h"

#include <QWidget>

namespace helpproperty {

void setControlId(QWidget* widget, int id) {
    widget->setProperty(ControlId, id);
}

void setContext(QWidget* widget, int context) {
    widget->setProperty(Context, context);
}

} // namespace helpproperty
