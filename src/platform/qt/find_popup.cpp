// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/find_popup.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>

#include "platform/qt/qt_text.h"
#include "platform/qt/twips.h"

namespace movesta {

namespace {
// In the design's logical pixels, grown with the application font.
constexpr int kWidestPopup = 480; // as the combo's own drop-down, wide enough for most names
constexpr int kMargin = 4;        // kept free at the surface's right and bottom edges
} // namespace

// The entries as the model offers them, read when drawn: the list keeps no copy of its own.
class FindPopup::Entries : public QAbstractListModel {
public:
    Entries(const Source& source, QObject* parent)
        : QAbstractListModel(parent)
        , m_source(source)
    {}
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : m_source.count();
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_source.count())
            return {};
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
            return toQ(m_source.text(index.row()));
        return {};
    }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    const Source& m_source;
};

FindPopup::FindPopup(QComboBox* box, QWidget* surface, Source source)
    : QListView(surface)
    , m_box(box)
    , m_source(std::move(source))
    , m_entries(new Entries(m_source, this))
    , m_heading(new QLabel(this))
    , m_scale(LayoutScale::ofApplicationFont().factor())
{
    m_heading->setObjectName(QStringLiteral("findHeading"));
    m_heading->setIndent(LayoutScale(m_scale).length(kMargin));
    m_heading->setBackgroundRole(QPalette::AlternateBase);
    m_heading->setAutoFillBackground(true);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_heading->hide();
    setModel(m_entries);
    setObjectName(QStringLiteral("findPopup"));
    setAccessibleName(QStringLiteral("Activities found"));
    // The focus stays in the box, where the user goes on typing.
    setFocusPolicy(Qt::NoFocus);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    setMouseTracking(true);
    setFrameShape(QFrame::Box);
    hide();
    connect(this, &QAbstractItemView::entered, this,
            [this](const QModelIndex& index) { walkTo(index.row()); });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            m_source.choose(index.row());
    });
    // Installed after the view's own filter, so it sees the box's keys first.
    m_box->installEventFilter(this);
}

void FindPopup::refresh()
{
    m_entries->reset();
    if (m_source.count() == 0) {
        hide();
        return;
    }
    const QString heading = m_source.heading ? toQ(m_source.heading()) : QString();
    m_heading->setText(heading);
    m_heading->setVisible(!heading.isEmpty());
    setViewportMargins(0, heading.isEmpty() ? 0 : m_heading->sizeHint().height(), 0, 0);
    setAccessibleName(heading.isEmpty() ? QStringLiteral("Activities found") : heading);
    place();
    show();
    raise();
    scrollToTop();
}

void FindPopup::place()
{
    const QWidget* surface = parentWidget();
    const LayoutScale scale(m_scale);
    const int margin = scale.length(kMargin);
    const QPoint topLeft = m_box->mapTo(surface, QPoint(0, m_box->height()));
    const int width =
        qMin(qMax(m_box->width(), scale.length(kWidestPopup)), surface->width() - topLeft.x() - margin);
    const int rowHeight = qMax(1, sizeHintForRow(0));
    const int room = surface->height() - topLeft.y() - margin - 2 * frameWidth();
    const int heading = m_heading->isHidden() ? 0 : m_heading->sizeHint().height();
    const int rows = qMax(1, qMin(m_source.count(), (room - heading) / rowHeight));
    setGeometry(topLeft.x(), topLeft.y(), width, heading + rows * rowHeight + 2 * frameWidth());
    m_heading->setGeometry(frameWidth(), frameWidth(), width - 2 * frameWidth(), heading);
}

void FindPopup::walkTo(int row)
{
    if (row < 0) {
        // Back in the box: no entry is walked to, and Return is the box's again.
        selectionModel()->clear();
        setCurrentIndex({});
        scrollToTop();
        return;
    }
    const QModelIndex index = m_entries->index(qMin(row, m_source.count() - 1));
    setCurrentIndex(index);
    selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
}

bool FindPopup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_box || !isVisible())
        return QListView::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            break;
        const int current = currentIndex().isValid() ? currentIndex().row() : -1;
        const int page = qMax(1, viewport()->height() / qMax(1, sizeHintForRow(0)));
        const int last = m_source.count() - 1;
        // Offered without a word typed (the heading says what), the entries are not walked by the
        // arrows: those step through the box's own list, as they always have.
        const bool offered = !m_heading->isHidden();
        if (offered && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up ||
                        key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp))
            break;
        switch (key->key()) {
        case Qt::Key_Down:
            walkTo(qMin(current + 1, last));
            return true;
        case Qt::Key_Up:
            walkTo(current - 1);
            return true;
        case Qt::Key_PageDown:
            walkTo(qMin(current + page, last));
            return true;
        case Qt::Key_PageUp:
            walkTo(current < 0 ? -1 : qMax(current - page, 0));
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (current >= 0) {
                m_source.choose(current);
                return true;
            }
            m_source.close();
            break; // the box has Return as before
        case Qt::Key_Escape:
            m_source.close();
            return true;
        default:
            break;
        }
        break;
    }
    case QEvent::FocusOut:
    case QEvent::Hide:
        m_source.close();
        break;
    default:
        break;
    }
    return QListView::eventFilter(watched, event);
}

} // namespace movesta
