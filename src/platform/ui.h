#pragma once

#include "platform/context.h"

#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QWidget>

#include <initializer_list>

namespace platform {

// A long-lived work area: opens maximised with its controls in a 995 x 692 panel centred in
// the window (scrolled on a smaller screen). Closing it by its frame runs onClose() (by default: back to the main menu).
class WorkArea : public QWidget {
    Q_OBJECT
public:
    WorkArea(Context& ctx, const QString& className, const QString& caption);
    QWidget* panel() const { return panel_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    virtual void onClose();
    Context& ctx_;

private:
    QWidget* panel_;
};

// Dialogs: fixed size, no title-bar buttons, modal, named by class.
void setupDialog(QDialog* dialog, const QString& className, const QString& caption, QSize size);

// The yellow frame `eff<Name>` behind an edit field, shown while the field has the focus.
QWidget* addHighlight(QWidget* field);

// Enter in one field moves the focus to the next; the last moves to the first when `wrap`.
void chainEnter(std::initializer_list<QWidget*> fields, bool wrap = false);
void chainEnter(const QList<QWidget*>& fields, bool wrap = false);

// Enter does nothing in this field: a dialog would otherwise press its default button with it.
void enterDoesNothing(QWidget* field);

// The status line shows `text` while the pointer is over `widget`, and empties on leaving.
void setStatusHint(QWidget* widget, QLabel* statusLine, const QString& text);

// A picture button with our own artwork (a resource path such as ":/art/save.svg").
QToolButton* pictureButton(QWidget* parent, const QString& name, const QString& art,
                           const QString& toolTip = {}, QSize iconSize = {32, 32});

QLabel* makeLabel(QWidget* parent, const QString& text, const QString& name = {});
QLineEdit* makeEdit(QWidget* parent, const QString& name, int maxLength);
// A named radio button in its place; the caller groups the buttons of one choice.
QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& caption,
                         const QRect& place);

} // namespace platform
