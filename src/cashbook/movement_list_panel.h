#pragma once

#include "cashbook/list_finder.h"
#include "platform/context.h"
#include "platform/text_list.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace cashbook {

// The list part of the movement search and of the pending list: find field and button, the
// sorted list, the hint for the double click, an optional count line, print and close.
class MovementListPanel : public QWidget {
    Q_OBJECT
public:
    MovementListPanel(platform::Context& ctx, QWidget* parent, const QString& name,
                      QString printTitle, bool withCount);

    void setLines(const QStringList& lines); // also sets the count line when there is one
    void resetFind();                        // forgets the last key, empties the find field
    void focusFind() { txtTrova_->setFocus(Qt::OtherFocusReason); }
    void print();
    platform::TextList* list() const { return list_; }

signals:
    void chosen(const QString& line); // double click
    void closeRequested();

private:
    platform::Context& ctx_;
    QString printTitle_;
    QLineEdit* txtTrova_;
    platform::TextList* list_;
    QLabel* lblTrovate_ = nullptr;
    QString lastKey_;
};

} // namespace cashbook
