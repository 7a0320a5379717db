#include "app/CFrameStatusBar.h"

#include <QLabel>

#include "ui/QtChild.h"
#include "ui/StringTable.h"

namespace ql {

namespace {
// A pane reads as the text it shows (no accessible name of its own, so assistive technology
// hears every change of it); what it is goes into the description.
QLabel* Pane(const QString& text, const QString& description, QWidget* parent) {
    auto* pane = ui::MakeChild<QLabel>(text, parent);
    pane->setTextFormat(Qt::PlainText);
    pane->setAccessibleDescription(description);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return pane;
}
}  // namespace

CFrameStatusBar::CFrameStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    message_ = Pane(ui::Text(ui::sid::kReady), ui::Text(ui::sid::kMessagePane), this);
    message_->setFrameStyle(QFrame::NoFrame);
    addWidget(message_, 1);
    // The lock states are not known to a portable program: the indicators stay greyed.
    for (const int id :
         {ui::sid::kIndicatorCaps, ui::sid::kIndicatorNum, ui::sid::kIndicatorScroll}) {
        QLabel* indicator = Pane(ui::Text(id), QString(), this);
        indicator->setEnabled(false);
        indicator->setAlignment(Qt::AlignCenter);
        indicator->setMinimumWidth(
            indicator->fontMetrics().horizontalAdvance(ui::Text(ui::sid::kIndicatorScroll)) + 8);
        addPermanentWidget(indicator);
    }
    callSign_ = Pane(QString(), ui::Text(ui::sid::kCallSignPane), this);
    addPermanentWidget(callSign_);
    SetCallSign(ui::Text(ui::sid::kBlankCallSign));
}

void CFrameStatusBar::SetMessageText(const QString& text) {
    clearMessage();
    message_->setText(text);
}

QString CFrameStatusBar::MessageText() const {
    return message_->text();
}

void CFrameStatusBar::SetCallSign(const QString& text) {
    callSign_->setText(text);
    const int measure = callSign_->fontMetrics().horizontalAdvance(text);
    const int frame = 2 * callSign_->frameWidth() + callSign_->margin() * 2;
    callSign_->setFixedWidth(measure == 0 ? 0 : measure + frame + 4);
    callSign_->setVisible(measure != 0);
}

QString CFrameStatusBar::CallSign() const {
    return callSign_->text();
}

int CFrameStatusBar::CallSignWidth() const {
    return callSign_->isHidden() ? 0 : callSign_->maximumWidth();
}

}  // namespace ql
