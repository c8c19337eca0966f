#include "cashbook/list_finder.h"

#include "core/list_text.h"
#include "platform/ui.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace cashbook {

int findLine(const QStringList& lines, int selected, const QString& typed, QString& lastKey) {
    if (lines.isEmpty()) return -1;
    if (typed.isEmpty()) {
        lastKey.clear();
        return selected < 0 || selected >= lines.size() ? 0 : selected;
    }
    return core::findInList(lines, selected, typed, lastKey);
}

ListFinder::ListFinder(platform::Context& ctx, QLineEdit* field, QAbstractButton* button,
                       platform::TextList* list, QString& lastKey)
    : QObject(list), ctx_(ctx), field_(field), list_(list), lastKey_(lastKey) {
    // Enter only moves to "Trova": the Enter chain takes the key, so no default button gets it.
    platform::chainEnter({field, button});
    connect(button, &QAbstractButton::clicked, this, &ListFinder::find);
}

void ListFinder::find() {
    if (list_->count() == 0) {
        ctx_.platform.message(list_->window(), platform::MsgKind::Plain,
                              core::emptyListFindMessage());
        return;
    }
    list_->selectRow(findLine(list_->lines(), list_->selectedRow(), field_->text(), lastKey_));
}

} // namespace cashbook
