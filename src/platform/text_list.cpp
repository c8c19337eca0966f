#include "platform/text_list.h"

#include "core/list_text.h"
#include "core/record_file.h"
#include "platform/ui.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace platform {

namespace {
// Every row as wide as the content width, so the horizontal scroll range does not depend on
// measuring each of possibly 100,000 lines.
class FixedWidthDelegate : public QStyledItemDelegate {
public:
    FixedWidthDelegate(QObject* parent, int width) : QStyledItemDelegate(parent), width_(width) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setWidth(width_);
        return s;
    }

private:
    int width_;
};
} // namespace

TextList::TextList(QWidget* parent, const QString& name, int contentWidth)
    : QListView(parent), model_(new LinesModel(this)) {
    setObjectName(name);
    QFont f(QStringLiteral("Courier New"), 12);
    f.setStyleHint(QFont::Monospace);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setItemDelegate(new FixedWidthDelegate(this, contentWidth));
    setModel(model_);
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.isValid()) emit lineActivated(i.row());
    });
}

void LinesModel::setLines(core::ListLines lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

int LinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(lines_.size());
}

QVariant LinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines_.size()) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return lines_.at(index.row());
}

void TextList::setLines(core::ListLines lines) {
    records_.clear();
    model_->setLines(std::move(lines));
}

void TextList::setRows(const core::ListRows& rows) {
    records_ = rows.records;
    model_->setLines(rows.lines);
}

std::optional<qint64> TextList::recordAt(int row) const {
    if (row < 0 || size_t(row) >= records_.size()) return std::nullopt;
    return records_[size_t(row)];
}

void TextList::allowSeveral(bool several) {
    setSelectionMode(several ? QAbstractItemView::ExtendedSelection
                             : QAbstractItemView::SingleSelection);
}

std::vector<qint64> TextList::chosenRecords() const {
    QModelIndexList chosen = selectionModel()->selectedRows();
    std::sort(chosen.begin(), chosen.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<qint64> out;
    for (const QModelIndex& i : chosen)
        if (const auto record = recordAt(i.row())) out.push_back(*record);
    return out;
}

void TextList::keyPressEvent(QKeyEvent* event) {
    // Enter picks the selected entry as a double click does, and goes no further: the
    // dialog's default button must not be pressed with it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const int row = selectedRow();
        if (row >= 0) emit lineActivated(row);
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

int TextList::selectedRow() const {
    const QModelIndex i = currentIndex();
    return i.isValid() && selectionModel()->isSelected(i) ? i.row() : -1;
}

void TextList::selectRow(int row) {
    if (row < 0 || row >= count()) return;
    const QModelIndex i = model_->index(row, 0);
    setCurrentIndex(i);
    selectionModel()->select(i, QItemSelectionModel::ClearAndSelect);
    scrollTo(i);
}

QString TextList::selectedLine() const {
    const int r = selectedRow();
    return r < 0 ? QString() : model_->lines().at(r);
}

bool tellIncomplete(Context& ctx, QWidget* window, const core::ListRows& rows, MsgKind accessKind) {
    if (!rows.readWhole)
        ctx.platform.message(window, accessKind, core::archiveAccessMessage());
    else if (rows.skipped > 0)
        ctx.platform.message(window, MsgKind::Warning, core::skippedRecordsMessage(rows.skipped));
    return rows.whole();
}

FindInList::FindInList(Context& ctx, QLineEdit* field, QAbstractButton* button, TextList* list,
                       core::EmptyKey emptyKey, QString* sharedKey)
    : QObject(list), ctx_(ctx), field_(field), list_(list), emptyKey_(emptyKey),
      lastKey_(sharedKey ? sharedKey : &ownKey_) {
    // The Enter chain takes the key: a dialog would otherwise press its default button with it.
    chainEnter({field, button});
    connect(button, &QAbstractButton::clicked, this, &FindInList::find);
}

void FindInList::reset() {
    lastKey_->clear();
    field_->clear();
}

void FindInList::find() {
    if (list_->count() == 0) {
        ctx_.platform.message(list_->window(), MsgKind::Plain, core::emptyListFindMessage());
        return;
    }
    // Each line made as the search reaches it: a list of lines made when shown is not made
    // whole for a find.
    const core::ListLines& lines = list_->listLines();
    list_->selectRow(core::findInList(
        list_->count(), [&lines](int i) { return lines.at(i); }, list_->selectedRow(),
        field_->text(), *lastKey_, emptyKey_));
}

} // namespace platform
