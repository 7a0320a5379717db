#include "ui/CDtmfListBox.h"

#include <QKeyEvent>

namespace ql::ui {

CDtmfListBox::CDtmfListBox(QWidget* parent) : QListWidget(parent) {
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void CDtmfListBox::keyPressEvent(QKeyEvent* event) {
    // A printable character typed without Ctrl or Alt; everything else (arrows, Home, Tab,
    // Enter, Escape, shortcuts) keeps its usual meaning.
    const QString text = event->text();
    const bool commandKey = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
    if (!commandKey && text.size() == 1 && text.at(0).isPrint()) {
        Q_EMIT CharacterTyped(text.at(0));
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace ql::ui
