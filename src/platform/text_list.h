#pragma once

#include "core/list_text.h"
#include "platform/context.h"

#include <QListView>
#include <QStringList>
#include <QStringListModel>

class QLineEdit;
class QAbstractButton;

namespace platform {

// The list box of every list window: one line of text per entry in a fixed-pitch font, wider
// than its box (so it scrolls sideways), filled at once from lines already built and sorted.
class TextList : public QListView {
    Q_OBJECT
public:
    TextList(QWidget* parent, const QString& name, int contentWidth = 1600);

    void setLines(const QStringList& lines); // replaces every entry in one go
    const QStringList& lines() const { return lines_; }
    int count() const { return int(lines_.size()); }
    void clear() { setLines({}); }

    int selectedRow() const; // -1 when none
    void selectRow(int row); // selects and scrolls to it
    QString selectedLine() const;

signals:
    void lineActivated(int row); // double click on an entry

private:
    QStringListModel* model_;
    QStringList lines_;
};

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
