#pragma once

#include "core/list_rows.h"
#include "core/list_text.h"
#include "platform/context.h"

#include <QAbstractListModel>
#include <QListView>
#include <QStringList>

class QLineEdit;
class QAbstractButton;

namespace platform {

// The entries of a text list: each line is asked of the list's lines only when shown.
class LinesModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    void setLines(core::ListLines lines);
    const core::ListLines& lines() const { return lines_; }
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    core::ListLines lines_;
};

// The list box of every list window: one line of text per entry in a fixed-pitch font, wider
// than its box (so it scrolls sideways), filled at once from lines already built and sorted,
// each with the record it stands for. A double click, or Enter on the selected entry, picks it.
class TextList : public QListView {
    Q_OBJECT
public:
    TextList(QWidget* parent, const QString& name, int contentWidth = 1600);

    void setLines(core::ListLines lines); // replaces every entry in one go; no records
    // Replaces every entry with the lines of `rows` and their records.
    void setRows(const core::ListRows& rows);
    QStringList lines() const { return model_->lines().toList(); } // every line, made now
    const core::ListLines& listLines() const { return model_->lines(); }
    int count() const { return int(model_->lines().size()); }
    void clear() { setLines({}); }

    int selectedRow() const; // -1 when none
    void selectRow(int row); // selects and scrolls to it
    QString selectedLine() const;

    // The record of an entry; nothing for a row out of range or a list without records.
    std::optional<qint64> recordAt(int row) const;
    const std::vector<qint64>& records() const { return records_; } // every entry's, in order
    // Ctrl/Shift choose several entries; a double click or Enter still picks one.
    void allowSeveral(bool several);
    std::vector<qint64> chosenRecords() const; // the chosen entries' records, in list order

signals:
    void lineActivated(int row); // double click, or Enter on the selected entry

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    LinesModel* model_;
    std::vector<qint64> records_;
};

// Says what a list or grid read from its file left out: the access message (as `accessKind`)
// when the file was not read to its end, else the warning of how many damaged records were
// skipped. True when nothing was left out.
bool tellIncomplete(Context& ctx, QWidget* window, const core::ListRows& rows,
                    MsgKind accessKind = MsgKind::Error);

// "Trova" over a list: Enter in the find field only moves the focus to the button (the Enter
// goes no further, so the dialog's default button is not pressed with it); the button runs the
// shared find-in-list with the window's own last key, or tells that the list is empty. A window
// whose last key outlives it passes where that key is kept as `sharedKey`.
class FindInList : public QObject {
    Q_OBJECT
public:
    FindInList(Context& ctx, QLineEdit* field, QAbstractButton* button, TextList* list,
               core::EmptyKey emptyKey = core::EmptyKey::FindsEvery, QString* sharedKey = nullptr);
    void reset(); // forgets the last key and empties the field
    void find();
    const QString& lastKey() const { return *lastKey_; }

private:
    Context& ctx_;
    QLineEdit* field_;
    TextList* list_;
    core::EmptyKey emptyKey_;
    QString ownKey_;
    QString* lastKey_;
};

} // namespace platform
