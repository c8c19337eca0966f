#pragma once

#include "core/list_text.h"
#include "platform/context.h"
#include "platform/text_list.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace reports {

// What tells one list window's panel from another's.
struct ListFace {
    QString name;       // the panel's objectName
    QString printTitle; // "Stampa" prints the lines under this title
    // The bold count line `lblTrovate` under the list, when the window has one: its text before
    // the first fill, and after each fill.
    QString (*countLine)(qsizetype lines) = nullptr;
    QString countBeforeFill = {};
    // The deadline lists' look: the hint lines named lblRigo01..03, the find field between the
    // two find hints, the double-click hint in crimson; "Chiudi" empties the list.
    bool summaryLook = false;
    core::EmptyKey emptyKey = core::EmptyKey::FindsEvery;
    // How the window shows the access message when its file cannot be read.
    platform::MsgKind accessKind = platform::MsgKind::Error;
};

// The list part of every list window: find field and "Trova" with the find-in-list behaviour
// and its Enter, the sorted list, the double-click hint, an optional count line, "Stampa" through
// the list template and "Chiudi". The window takes the record of the picked line (double click
// or Enter) and the close.
class ListPanel : public QWidget {
    Q_OBJECT
public:
    ListPanel(platform::Context& ctx, QWidget* parent, ListFace face);

    void setRows(const core::ListRows& rows); // also sets the count line when there is one
    // Fills the list, forgets the last find key, empties the find field and puts the focus
    // there; then says what the reading left out (platform::tellIncomplete). True when nothing.
    bool showRows(const core::ListRows& rows);
    void print();
    platform::TextList* list() const { return list_; }

signals:
    void recordPicked(qint64 record); // the record of the line double-clicked or entered
    void closeRequested();

private:
    platform::Context& ctx_;
    ListFace face_;
    QLineEdit* txtTrova_;
    platform::TextList* list_;
    QLabel* lblTrovate_ = nullptr;
    platform::FindInList* finder_;
};

} // namespace reports
