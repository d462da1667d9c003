#pragma once

#include <QListWidget>

// A list of a dialog that tells a screen reader of its current line only while it has the focus. Qt 6.4 reports
// every new current line of a list as focused, also in a list that does not have the focus and in a window that is
// not shown yet: filling a dialog's lists before it opens made a screen reader announce lines of lists the user
// had not gone to, before the control that really takes the focus. The list still reports its own focus, and a
// line the user moves to in the focused list.
class TFokusListe : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void currentChanged(const QModelIndex &ACurrent, const QModelIndex &APrevious) override {
        if (hasFocus())
            QListWidget::currentChanged(ACurrent, APrevious);
        else
            // QListView adds nothing to the view's own handling but that report.
            QAbstractItemView::currentChanged(ACurrent, APrevious);
    }
};
