#pragma once

#include "platform/context.h"
#include "platform/text_list.h"

#include <QObject>
#include <QString>

class QAbstractButton;
class QLineEdit;

namespace cashbook {

// "Trova" over a cash-book list: the shared find-in-list, except that an empty key finds
// nothing (the selection stays). The last key lives where the owner keeps it: the balance keeps
// one for the whole program, the other lists one per opening.
class ListFinder : public QObject {
    Q_OBJECT
public:
    ListFinder(platform::Context& ctx, QLineEdit* field, QAbstractButton* button,
               platform::TextList* list, QString& lastKey);
    void find();

private:
    platform::Context& ctx_;
    QLineEdit* field_;
    platform::TextList* list_;
    QString& lastKey_;
};

// The selection after a find: as core::findInList, but an empty key matches no line.
int findLine(const QStringList& lines, int selected, const QString& typed, QString& lastKey);

} // namespace cashbook
