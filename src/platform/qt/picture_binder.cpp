// Pictures: drawn from the resources; a click raises the picture's Click. A picture is named,
// for a screen reader, by its tooltip.

#include "platform/qt/form_view.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_text.h"

namespace movesta {

PictureWidget* FormView::bindPicture(Picture& picture, QRect geometry)
{
    auto* widget = new PictureWidget(toQ(picture.picture()), m_client);
    widget->setGeometry(geometry);
    Kind kind;
    // A label's tooltip only describes it, so that a screen reader still reads the label's value;
    // a picture has no other name than its tooltip.
    kind.restyle = [widget, &picture] {
        if (!picture.toolTip().empty())
            widget->setAccessibleName(toQ(picture.toolTip()));
    };
    Binding& b = addBinding(picture, widget, std::move(kind));
    b.connections.push_back(
        connect(widget, &PictureWidget::clicked, widget, [&picture] { picture.click(); }));
    return widget;
}

} // namespace movesta
