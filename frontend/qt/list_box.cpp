#include "frontend/qt/list_box.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFont>
#include <QFrame>
#include <QPainter>
#include <QString>
#include <QStyledItemDelegate>
#include <algorithm>

int CQtListBox::InsertString(int position, const char* text) {
    if (!m_widget) return -1;
    const int count = m_widget->count();
    // As the platform's list: a position past the end (or -1) appends.
    if (position < 0 || position > count) position = count;
    m_widget->insertItem(position, QString::fromUtf8(text));
    return position;
}

void CQtListBox::SetItemData(int index, int32_t data) {
    if (!m_widget) return;
    if (QListWidgetItem* item = m_widget->item(index)) item->setData(Qt::UserRole, int(data));
}

void CQtListBox::SetCurSel(int index) {
    if (!m_widget) return;
    if (index >= 0 && index < m_widget->count())
        m_widget->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    else
        m_widget->clearSelection();
}

int CQtListBox::GetCurSel() const {
    if (!m_widget) return -1;
    // The current row can exist without a selection (keyboard focus); only a selected
    // item counts.
    const QList<QListWidgetItem*> selected = m_widget->selectedItems();
    return selected.isEmpty() ? -1 : m_widget->row(selected.first());
}

int32_t CQtListBox::GetItemData(int index) const {
    if (!m_widget) return -1;
    const QListWidgetItem* item = m_widget->item(index);
    return item ? int32_t(item->data(Qt::UserRole).toInt()) : -1;
}

namespace {

// The item's mark, drawn in a column of its own before the title.
constexpr int kMarkRole = Qt::UserRole + 1;

}  // namespace

void CQtListBox::SetItemMark(int index, const char* mark) {
    if (!m_widget) return;
    if (QListWidgetItem* item = m_widget->item(index))
        item->setData(kMarkRole, QString::fromUtf8(mark));
}

int CQtListBox::GetCount() const { return m_widget ? m_widget->count() : 0; }

int CQtListBox::GetPageItems() const {
    if (!m_widget || m_widget->count() == 0) return 1;
    const int row = m_widget->sizeHintForRow(0);
    return row > 0 ? std::max(1, m_widget->viewport()->height() / row) : 1;
}

QListWidget* MakeLessonListWidget(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("LessonList"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setDragEnabled(false);
    list->setSortingEnabled(false);
    list->setFrameShape(QFrame::Box);  // a plain one-pixel border
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return list;
}

namespace {

// Rows of one height, whatever the style would give the font, and the items' marks in a
// column before the titles, as wide as the widest mark: the titles stay in line.
class CRowHeight : public QStyledItemDelegate {
  public:
    CRowHeight(QObject* parent, int height) : QStyledItemDelegate(parent), m_nHeight(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const int column = MarkColumn(option.fontMetrics, index.model());
        return {QStyledItemDelegate::sizeHint(option, index).width() + column, m_nHeight};
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const int column = MarkColumn(option.fontMetrics, index.model());
        if (column == 0) return QStyledItemDelegate::paint(painter, option, index);
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, widget);
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRect(item.rect.left(), item.rect.top(), column, item.rect.height()),
                          Qt::AlignCenter, index.data(kMarkRole).toString());
        painter->restore();
        item.rect.setLeft(item.rect.left() + column);
        QStyledItemDelegate::paint(painter, item, index);
    }

  private:
    // Room for the widest mark and a blank each side; 0 when no item has a mark.
    static int MarkColumn(const QFontMetrics& metrics, const QAbstractItemModel* model) {
        int widest = 0;
        for (int row = 0; model && row < model->rowCount(); ++row) {
            const QString mark = model->index(row, 0).data(kMarkRole).toString();
            if (!mark.isEmpty()) widest = std::max(widest, metrics.horizontalAdvance(mark));
        }
        return widest == 0 ? 0 : widest + metrics.height() / 2;
    }

  private:
    int m_nHeight;
};

}  // namespace

void ScaleLessonList(QListWidget& list, int factor) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kLessonListFontPixels * factor);
    list.setFont(font);
    QAbstractItemDelegate* old = list.itemDelegate();
    list.setItemDelegate(new CRowHeight(&list, kLessonListRowHeight * factor));
    if (old && old->parent() == &list) delete old;
    list.setUniformItemSizes(true);
}
