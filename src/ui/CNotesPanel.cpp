#include "ui/CNotesPanel.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/Pictures.h"
#include "ui/QtChild.h"

namespace ql::ui {

CNotesPanel::CNotesPanel(const QString& heading, const QString& text, QWidget* parent)
    : QFrame(parent), heading_(heading) {
    // The heading is painted, not a label: the panel carries it as its name.
    setAccessibleName(heading);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    auto* body = MakeChild<QLabel>(text, this);
    body->setTextFormat(Qt::PlainText);
    // The notes read as their text; the heading, painted above them, is their description.
    body->setAccessibleDescription(heading);
    body->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    body->setAutoFillBackground(true);
    QPalette white = body->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    body->setPalette(white);

    auto* layout = MakeChild<QVBoxLayout>(this);
    layout->setContentsMargins(12, kPictureHeight + 8, 12, 12);
    layout->addWidget(body);
}

void CNotesPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.fillRect(inside, Qt::white);
    const QRect strip(inside.topLeft(), QSize(inside.width(), kPictureHeight));
    painter.drawPixmap(
        strip.topLeft(),
        Picture(picture::kNotesHeading, QSize(kPictureWidth, kPictureHeight), devicePixelRatioF()));
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    painter.drawText(strip.adjusted(kPictureWidth + 6, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, heading_);
    QFrame::paintEvent(event);
}

}  // namespace ql::ui
