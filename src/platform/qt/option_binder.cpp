// Option buttons: one of a group is chosen; the model clears the others.

#include <QRadioButton>
#include <QSignalBlocker>

#include "platform/qt/form_view.h"
#include "platform/qt/qt_text.h"

namespace movesta {

QRadioButton* FormView::bindOption(OptionButton& option, QRect geometry, QWidget* parent)
{
    auto* widget = new QRadioButton(toQ(option.caption()), parent ? parent : m_client);
    widget->setGeometry(geometry);
    widget->setChecked(option.value());
    auto sync = [widget, &option] {
        if (widget->isChecked() != option.value()) {
            QSignalBlocker block(widget);
            widget->setChecked(option.value());
        }
    };
    Kind kind;
    kind.redraw = [sync](Aspect aspect, int) {
        if (aspect == Aspect::Selection)
            sync();
    };
    Binding& b = addBinding(option, widget, std::move(kind));
    b.connections.push_back(connect(widget, &QRadioButton::clicked, widget, [&option, sync] {
        option.select();
        sync();
    }));
    return widget;
}

} // namespace movesta
