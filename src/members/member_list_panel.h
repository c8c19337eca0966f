#pragma once

#include "members/member_lists.h"
#include "platform/context.h"
#include "platform/text_list.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <optional>

namespace members {

// The list part shared by the member search, the members'-book picker and the renewal list:
// find field and button, the sorted list, the hint for the double click, an optional count
// line, print and close. A double click finds the record behind the line.
class MemberListPanel : public QWidget {
    Q_OBJECT
public:
    MemberListPanel(platform::Context& ctx, QWidget* parent, LineForm form, QString printTitle,
                    bool withCount);

    void setLines(const QStringList& lines); // also sets the count line when there is one
    void resetFind() { finder_->reset(); }
    void focusFind() { txtTrova_->setFocus(Qt::OtherFocusReason); }
    void print();
    platform::TextList* list() const { return list_; }

signals:
    // The record of the double-clicked line (the last in file order with that line), if any,
    // and whether the archive was read to its end.
    void picked(std::optional<qint64> number, bool ok);
    void closeRequested();

private:
    void pick(int row);

    platform::Context& ctx_;
    LineForm form_;
    QString printTitle_;
    QLineEdit* txtTrova_;
    platform::TextList* list_;
    QLabel* lblTrovate_ = nullptr;
    platform::FindInList* finder_;
};

} // namespace members
